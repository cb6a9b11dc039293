// A pupil deleted at another workstation while chosen here: later writes make
// no orphan profile and never reach the pupil who took the file name since.
#include "data/program_state.h"
#include "data/pupil_write_guard.h"
#include "framework/results_files.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class PupilWriteGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("protokoll/jeder.ini", "");
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\jeder1.ini\r\n");
        prog.Write("protokoll/jeder1.ini", "[Test]\r\nx=1\r\n");
        Program().currentPupilName = QStringLiteral("Anna");
        Program().currentProfilePath = profile;
        InstallPupilWriteGuard();
    }
    void TearDown() override { SetWriteGuard({}); }

    TempProgram prog;
    const QString profile = prog.Path("protokoll/jeder1.ini");
    const QString protocol = prog.Path("protokoll/jeder1.txt");
};

} // namespace

TEST_F(PupilWriteGuardTest, TheChosenPupilWritesWhileTheRegistryNamesIt)
{
    EXPECT_TRUE(Ini::WriteInt(profile, "Test", "y", 2));
    EXPECT_TRUE(AppendToFile(protocol, QStringLiteral("Anna\r\n")));
    // Files of no pupil and the shared profile are not the guard's business.
    EXPECT_TRUE(Ini::WriteInt(prog.Path("vovu.ini"), "Version", "Land", 1));
    Program().currentPupilName = QStringLiteral("Name");
    Program().currentProfilePath = prog.Path("protokoll/jeder.ini");
    EXPECT_TRUE(Ini::WriteInt(prog.Path("protokoll/jeder.ini"), "Test", "z", 3));
}

TEST_F(PupilWriteGuardTest, DeletedElsewhereNoOrphanProfileIsMade)
{
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
    ASSERT_TRUE(QFile::remove(profile));
    EXPECT_FALSE(Ini::WriteInt(profile, "Test", "y", 2));
    EXPECT_FALSE(AppendToFile(protocol, QStringLiteral("Anna\r\n")));
    EXPECT_FALSE(QFile::exists(profile));
    EXPECT_FALSE(QFile::exists(protocol));
}

TEST_F(PupilWriteGuardTest, AnotherPupilWhoTookTheFileNameNeverGetsTheseResults)
{
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nBen=protokoll\\jeder1.ini\r\n");
    prog.Write("protokoll/jeder1.ini", "[Ben]\r\n");
    prog.Write("protokoll/jeder1.txt", "Ben\r\n");
    EXPECT_FALSE(Ini::WriteInt(profile, "Test", "y", 2));
    EXPECT_FALSE(AppendToFile(protocol, QStringLiteral("Anna\r\n")));
    EXPECT_EQ(prog.Read("protokoll/jeder1.ini"), "[Ben]\r\n");
    EXPECT_EQ(prog.Read("protokoll/jeder1.txt"), "Ben\r\n");
}
