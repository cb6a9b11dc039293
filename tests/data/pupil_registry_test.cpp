#include "data/pupil_registry.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(PupilRegistry, ReadsNamesAndValues)
{
    TempProgram prog;
    const QByteArray longName(100000, 'x');
    const struct {
        const char* name;
        QByteArray file;   // null: no namen.txt
        QStringList names;
    } cases[] = {
        {"missing", QByteArray(), {"Name"}},
        {"empty", "", {"Name"}},
        {"blank lines", "\r\n  \r\n", {"Name"}},
        {"normal", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\jeder1.ini\r\n", {"Name", "Anna"}},
        {"no = and empty names", "Kommentar\r\n=x.ini\r\nBen=b.ini\r\n", {"Ben"}},
        {"CR only", "Anna=a.ini\rBen=b.ini\r", {"Anna", "Ben"}},
        {"LF only", "Anna=a.ini\nBen=b.ini", {"Anna", "Ben"}},
        {"high bytes", "J\x80rg=\x9f.ini\r\n\x81\x8d\x8f\x90\x9d=y\r\n",
         {QString::fromUtf8("J€rg"), QString(QChar(0x81)) + QChar(0x8d) + QChar(0x8f) + QChar(0x90) + QChar(0x9d)}},
        {"very long line", longName + "=a.ini\r\nBen=b.ini\r\n", {QString(longName), "Ben"}},
        {"nul bytes", QByteArray("A\0na=a.ini\r\n", 12), {QString("A") + QChar(0) + "na"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(prog.Path("protokoll/namen.txt"));
        if (!c.file.isNull())
            prog.Write("protokoll/namen.txt", c.file);
        PupilRegistry r;
        r.Load();
        EXPECT_EQ(r.Names(), c.names);
    }

    PupilRegistry r;
    r.SetLines({"Anna=a.ini", "anna=b.ini", "Ben=x=y", "Kein Gleich"});
    EXPECT_EQ(r.ValueOf("ANNA"), "a.ini");    // ignoring case, the first line wins
    EXPECT_EQ(r.ValueOf("Ben"), "x=y");       // the value is all after the first "="
    EXPECT_TRUE(r.ValueOf("Kein Gleich").isNull());
    EXPECT_TRUE(r.ValueOf("").isNull());
    EXPECT_EQ(r.IndexOfName("anna"), 0);
}

TEST(PupilRegistry, UnreadableFileGivesTheDefault)
{
    TempProgram prog;
    QDir().mkpath(prog.Path("protokoll/namen.txt"));   // a folder of that name
    PupilRegistry r;
    r.Load();
    EXPECT_EQ(r.Lines(), QStringList{PupilRegistry::DefaultLine()});
    // It is never written over, and the pupil is not added in memory only.
    PupilRegistry::Failure failure = PupilRegistry::Failure::None;
    EXPECT_TRUE(r.SaveAdding("Anna", "Protokoll\\jeder1.ini", &failure).isNull());
    EXPECT_EQ(failure, PupilRegistry::Failure::Unwritable);
    EXPECT_EQ(r.Names(), QStringList({"Name"}));
    EXPECT_FALSE(r.SaveRemoving("Anna"));
    EXPECT_TRUE(QFileInfo(prog.Path("protokoll/namen.txt")).isDir());
}

TEST(PupilRegistry, WritesMergeWithWhatAnotherWorkstationWrote)
{
    TempProgram prog;
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nKommentar ohne Gleich\r\nJ\x81rg=j.ini\r\n");
    PupilRegistry here;
    here.Load();
    // Meanwhile another workstation adds Ben.
    prog.Write("protokoll/namen.txt",
               "Name=PROTOKOLL\\JEDER.INI\r\nKommentar ohne Gleich\r\nJ\x81rg=j.ini\r\nBen=Protokoll\\jeder1.ini\r\n");
    EXPECT_EQ(here.SaveAdding("Anna", "Protokoll\\jeder2.ini"), "Protokoll\\jeder2.ini");
    const QByteArray both = "Name=PROTOKOLL\\JEDER.INI\r\nKommentar ohne Gleich\r\nJ\x81rg=j.ini\r\n"
                            "Ben=Protokoll\\jeder1.ini\r\nAnna=Protokoll\\jeder2.ini\r\n";
    EXPECT_EQ(prog.Read("protokoll/namen.txt"), both);
    EXPECT_EQ(here.Names(), QStringList({"Name", QString("J") + QChar(0x81) + "rg", "Ben", "Anna"}));

    // The same name registered elsewhere first: that registration counts.
    PupilRegistry other;
    other.SetLines({PupilRegistry::DefaultLine()});
    EXPECT_EQ(other.SaveAdding("BEN", "Protokoll\\jeder3.ini"), "Protokoll\\jeder1.ini");
    EXPECT_EQ(prog.Read("protokoll/namen.txt"), both);

    // Removing takes out only that line, whatever this workstation had read.
    EXPECT_TRUE(other.SaveRemoving("anna"));
    EXPECT_EQ(prog.Read("protokoll/namen.txt"),
              "Name=PROTOKOLL\\JEDER.INI\r\nKommentar ohne Gleich\r\nJ\x81rg=j.ini\r\nBen=Protokoll\\jeder1.ini\r\n");
    EXPECT_TRUE(other.SaveRemoving("Nobody"));
}

TEST(PupilRegistry, FirstWriteCreatesTheDataRoot)
{
    TempProgram prog;
    Program().dataRoot = prog.Path("neu/daten/");
    PupilRegistry r;
    r.Load();
    r.SaveAdding("Anna", "Protokoll\\jeder1.ini");
    EXPECT_EQ(prog.Read("neu/daten/namen.txt"), "Name=PROTOKOLL\\JEDER.INI\r\nAnna=Protokoll\\jeder1.ini\r\n");
    // Removing the last line leaves an empty file, which reads as the default.
    r.SaveRemoving("Name");
    r.SaveRemoving("Anna");
    EXPECT_EQ(prog.Read("neu/daten/namen.txt"), "");
    r.Load();
    EXPECT_EQ(r.Names(), QStringList({"Name"}));
}
