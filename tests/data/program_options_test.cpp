#include "data/program_options.h"
#include "data/program_state.h"
#include "platform/ini_file.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(ProgramOptions, ReadWithDefaults)
{
    TempProgram prog;
    const struct {
        const char* name;
        QByteArray ini;   // null: no vovu.ini
        bool swiss;
        bool startOnList;
        bool cover;
    } cases[] = {
        {"no file", QByteArray(), false, true, true},
        {"empty", "", false, true, true},
        {"switzerland", "[Version]\r\nLand=Schweiz\r\n", true, true, true},
        {"inside a word", "[version]\r\nland=Schweizerland\r\n", true, true, true},
        {"other case", "[Version]\r\nLand=SCHWEIZ\r\n", false, true, true},
        {"germany", "[Version]\r\nLand=Deutschland\r\n[Programmstart]\r\nBei Datei=0\r\n", false, false, true},
        {"start 2", "[Programmstart]\r\nBei Datei=2\r\n", false, false, true},
        {"taskbar 1", "[Vollbild]\r\nTaskleiste sichtbar=1\r\n", false, true, false},
        {"taskbar 2", "[Vollbild]\r\nTaskleiste sichtbar=2\r\n", false, true, true},
        {"taskbar text", "[Vollbild]\r\nTaskleiste sichtbar=ja\r\n", false, true, true},
        // A value without a number is the default, as in the profiles.
        {"start empty", "[Programmstart]\r\nBei Datei=\r\n", false, true, true},
        {"start text", "[Programmstart]\r\nBei Datei=ja\r\n", false, true, true},
        // Garbage, keys outside sections, duplicate sections: the first section wins.
        {"garbage", "\x81\x9f\xff junk\r\nLand=Schweiz\r\n[Version\r\n[Version]\r\nLand=Deutschland\r\n"
                    "[VERSION]\r\nLand=Schweiz\r\n=\r\n[Programmstart]\r\nBei Datei=1x\r\n",
         false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(prog.Path("vovu.ini"));
        if (!c.ini.isNull())
            prog.Write("vovu.ini", c.ini);
        Program().swissMode = !c.swiss;
        Program().startOnListChoice = !c.startOnList;
        Program().coverBackground = true;
        ReadProgramOptions();
        EXPECT_EQ(SwissMode(), c.swiss);
        EXPECT_EQ(StartOnListChoice(), c.startOnList);
        EXPECT_TRUE(CoverBackground());   // true from the start, whatever the file says
        EXPECT_EQ(CoverBackgroundOption(), c.cover);
        ApplyCoverBackgroundOption();
        EXPECT_EQ(CoverBackground(), c.cover);
    }
}

TEST(ProgramOptions, LongLandValueIsCutAt200Characters)
{
    TempProgram prog;
    prog.Write("vovu.ini", "[Version]\r\nLand=" + QByteArray(196, 'x') + "Schweiz\r\n");
    ReadProgramOptions();
    EXPECT_FALSE(SwissMode());
    prog.Write("vovu.ini", "[Version]\r\nLand=" + QByteArray(193, 'x') + "Schweiz\r\n");
    ReadProgramOptions();
    EXPECT_TRUE(SwissMode());
}

TEST(ProgramOptions, WrittenBackInTheSameKeys)
{
    TempProgram prog;
    prog.Write("vovu.ini", "; Lehrer\r\n[Version]\r\nLand=Deutschland\r\nNummer=7\r\n[Eigen]\r\nx=1\r\n");
    ASSERT_TRUE(WriteProgramOptions(true, false, false));
    EXPECT_EQ(prog.Read("vovu.ini"),
              "; Lehrer\r\n[Version]\r\nLand=Schweiz\r\nNummer=7\r\n[Eigen]\r\nx=1\r\n"
              "[Vollbild]\r\nTaskleiste sichtbar=1\r\n[Programmstart]\r\nBei Datei=0\r\n");
    ReadProgramOptions();
    EXPECT_TRUE(SwissMode());
    EXPECT_FALSE(StartOnListChoice());
    EXPECT_FALSE(CoverBackgroundOption());

    ASSERT_TRUE(WriteProgramOptions(false, true, true));
    EXPECT_EQ(Ini::ReadString(ProgramOptionsFile(), "Version", "Land", ""), "Deutschland");
    EXPECT_EQ(Ini::ReadString(ProgramOptionsFile(), "Vollbild", "Taskleiste sichtbar", ""), "0");
    EXPECT_EQ(Ini::ReadString(ProgramOptionsFile(), "Programmstart", "Bei Datei", ""), "1");
}
