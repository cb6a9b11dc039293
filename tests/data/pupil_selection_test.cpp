#include "data/program_state.h"
#include "data/pupil_profile.h"
#include "data/pupil_selection.h"
#include "platform/messages.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A program folder with the shared profile and a registry; message boxes are
// recorded and answered with `answer`.
class PupilSelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("protokoll/jeder.ini", "[Bild zum Wort]\r\nLevel=3\r\n");
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n");
        prog.Write("protokoll/anna.ini", "");
        SetMessageHook([this](const MessageRequest& r) {
            boxes.append(r.text);
            return r.question ? answer : Answer::Ok;
        });
        s.Start();
    }
    void TearDown() override { SetMessageHook({}); }

    QString Root() const { return DataRoot(); }
    QByteArray Registry() const { return prog.Read("protokoll/namen.txt"); }
    PupilSelection::Confirmed Type(const QString& text)
    {
        s.SetText(text);
        return s.ConfirmPupilName();
    }
    bool Delete(const QString& text)
    {
        s.SetText(text);
        return s.DeletePupil();
    }

    TempProgram prog;
    PupilSelection s;
    QStringList boxes;
    Answer answer = Answer::Yes;
};

} // namespace

TEST_F(PupilSelectionTest, StartSelectsTheFirstName)
{
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna"}));
    EXPECT_EQ(s.Text(), "Name");
    EXPECT_EQ(CurrentProfilePath(), Root() + "JEDER.INI");
}

TEST_F(PupilSelectionTest, SelectCurrentProfile)
{
    s.Registry().SetLines({"Abs=/srv/daten/abs.ini", "Win=N:\\lrb\\win.ini", "Unc=\\\\srv\\lrb\\unc.ini",
                           "Rel=andere\\ordner\\rel.ini", "Leer="});
    const struct {
        const char* text;
        QString profile;
    } cases[] = {
        {"Abs", "/srv/daten/abs.ini"},
        {"win", "N:\\lrb\\win.ini"},
        {"Unc", "\\\\srv\\lrb\\unc.ini"},
        {"Rel", Root() + "rel.ini"},          // a relative one always points into the data root
        {"Leer", Root() + "jeder.ini"},
        {"Unbekannt", Root() + "jeder.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        s.SetText(c.text);
        s.SelectCurrentProfile();
        EXPECT_EQ(CurrentProfilePath(), c.profile);
    }
}

// The command line names a pupil: only a registered one is taken.
TEST_F(PupilSelectionTest, SelectRegisteredName)
{
    EXPECT_TRUE(s.SelectRegisteredName(" anna "));
    EXPECT_EQ(s.Text(), "Anna");
    EXPECT_EQ(CurrentProfilePath(), Root() + "anna.ini");
    EXPECT_FALSE(s.SelectRegisteredName("Bert"));
    EXPECT_EQ(s.Text(), "Anna");
    EXPECT_EQ(CurrentProfilePath(), Root() + "anna.ini");
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna"}));
}

TEST_F(PupilSelectionTest, ConfirmKnownAndEmptyNames)
{
    EXPECT_EQ(Type("  anna "), PupilSelection::Confirmed::Known);
    EXPECT_EQ(s.Text(), "Anna");
    EXPECT_EQ(Type("   "), PupilSelection::Confirmed::Empty);
    EXPECT_EQ(boxes, QStringList({"Ein leerer Name ist nicht erlaubt!"}));
    EXPECT_EQ(s.Text(), "Name");
    // Known names change nothing on disk and do not yet change the profile.
    EXPECT_EQ(Registry(), "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n");
    EXPECT_EQ(CurrentProfilePath(), Root() + "JEDER.INI");

    // A name another workstation added meanwhile is found after re-reading.
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\nBen=protokoll\\ben.ini\r\n");
    EXPECT_EQ(Type("BEN"), PupilSelection::Confirmed::KnownAfterReload);
    EXPECT_EQ(s.Text(), "Ben");
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna", "Ben"}));
}

TEST_F(PupilSelectionTest, NewPupilsAreNumberedAndNumbersReused)
{
    EXPECT_EQ(Type("Carla"), PupilSelection::Confirmed::Added);
    EXPECT_EQ(CurrentProfilePath(), Root() + "jeder1.ini");
    EXPECT_EQ(prog.Read("protokoll/jeder1.ini"), "[Bild zum Wort]\r\nLevel=3\r\n");   // copy of jeder.ini
    EXPECT_EQ(Type("Dora"), PupilSelection::Confirmed::Added);
    EXPECT_EQ(CurrentProfilePath(), Root() + "jeder2.ini");
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna", "Carla", "Dora"}));
    EXPECT_EQ(Registry(), "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n"
                          "Carla=protokoll\\jeder1.ini\r\nDora=protokoll\\jeder2.ini\r\n");

    EXPECT_TRUE(Delete("Carla"));
    EXPECT_EQ(Type("Emil"), PupilSelection::Confirmed::Added);
    EXPECT_EQ(CurrentProfilePath(), Root() + "jeder1.ini");
    EXPECT_TRUE(boxes.isEmpty() || (boxes.size() == 1 && boxes[0].startsWith(QString::fromUtf8("Schüler Carla löschen?"))));
}

TEST_F(PupilSelectionTest, DataRootOutsideTheProgramFolder)
{
    Program().dataRoot = prog.Path("../netz/");
    prog.Write("../netz/jeder.ini", "x=1\r\n");
    s.Start();
    EXPECT_EQ(Type("Anna"), PupilSelection::Confirmed::Added);
    EXPECT_EQ(prog.Read("../netz/namen.txt"), "Name=PROTOKOLL\\JEDER.INI\r\nAnna=Protokoll\\jeder1.ini\r\n");
    EXPECT_EQ(CurrentProfilePath(), prog.Path("../netz/jeder1.ini"));
}

TEST_F(PupilSelectionTest, NamesAreStoredAsTheFileCanHoldThem)
{
    EXPECT_EQ(PupilSelection::StorableName(" a=b "), "a-b");
    EXPECT_EQ(PupilSelection::StorableName("Ann\r\nBen\t"), "Ann  Ben");
    EXPECT_EQ(PupilSelection::StorableName(QString::fromUtf8("Jörg €")), QString::fromUtf8("Jörg €"));
    EXPECT_EQ(PupilSelection::StorableName(QString::fromUtf8("Łukasz")), "?ukasz");
    EXPECT_EQ(Type("Max=Moritz"), PupilSelection::Confirmed::Added);
    EXPECT_EQ(s.Text(), "Max-Moritz");
    // Typed again, the stored name is found instead of adding another pupil.
    EXPECT_EQ(Type("Max=Moritz"), PupilSelection::Confirmed::Known);
    s.LoadRegistry();
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna", "Max-Moritz"}));
}

TEST_F(PupilSelectionTest, MissingSharedProfileStillGivesEachPupilItsOwn)
{
    QFile::remove(prog.Path("protokoll/jeder.ini"));
    Type("Carla");
    Type("Dora");
    EXPECT_EQ(s.Registry().ValueOf("Carla"), "protokoll\\jeder1.ini");
    EXPECT_EQ(s.Registry().ValueOf("Dora"), "protokoll\\jeder2.ini");
    EXPECT_EQ(prog.Read("protokoll/jeder1.ini"), "");
}

TEST_F(PupilSelectionTest, ProfileNamedByARegistryLineIsNotHandedOutAgain)
{
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAlt=Protokoll\\jeder1.ini\r\n");
    s.LoadRegistry();
    Type("Neu");
    EXPECT_EQ(s.Registry().ValueOf("Neu"), "protokoll\\jeder2.ini");
}

TEST_F(PupilSelectionTest, DeletePupil)
{
    for (const char* ext : {"ini", "fhl", "zgn", "rtf", "txt"})
        prog.Write(QString("protokoll/anna.") + ext, "x");
    prog.Write("protokoll/anna.bak", "keep");

    answer = Answer::No;
    EXPECT_FALSE(Delete("Anna"));   // the key goes on to the box
    answer = Answer::Cancel;
    EXPECT_FALSE(Delete("anna"));
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.ini")));

    answer = Answer::Yes;
    EXPECT_TRUE(Delete("Anna"));
    EXPECT_TRUE(boxes.last().startsWith(QString::fromUtf8("Schüler Anna löschen?\n"))) << boxes.last().toStdString();
    // The files go to a folder of their own below "geloescht", with the
    // registry line, so the pupil can be got back.
    const QStringList deleted = QDir(prog.Path("protokoll/geloescht")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(deleted.size(), 1);
    EXPECT_TRUE(deleted[0].startsWith(QStringLiteral("Anna 20"))) << deleted[0].toStdString();
    const QString kept = prog.Path("protokoll/geloescht/") + deleted[0] + u'/';
    for (const char* ext : {"ini", "fhl", "zgn", "rtf", "txt"}) {
        EXPECT_FALSE(QFile::exists(prog.Path(QString("protokoll/anna.") + ext))) << ext;
        EXPECT_TRUE(QFile::exists(kept + QString("anna.") + ext)) << ext;
    }
    EXPECT_EQ(prog.Read("protokoll/geloescht/" + deleted[0] + "/namen.txt"), "Anna=protokoll\\anna.ini\r\n");
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.bak")));
    EXPECT_EQ(Registry(), "Name=PROTOKOLL\\JEDER.INI\r\n");
    EXPECT_EQ(s.Names(), QStringList({"Name"}));
    EXPECT_EQ(s.Text(), "Name");
}

TEST_F(PupilSelectionTest, DeleteRefusals)
{
    EXPECT_FALSE(Delete("Name"));        // protected
    EXPECT_FALSE(Delete("Unbekannt"));   // not in the list
    EXPECT_FALSE(Delete(""));
    EXPECT_TRUE(boxes.isEmpty());

    // Deleted meanwhile by another workstation.
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
    EXPECT_TRUE(Delete("Anna"));
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith(QString::fromUtf8("Schüler Anna löschen?")));
    EXPECT_EQ(boxes[1], QString::fromUtf8("Schüler Anna war bereits gelöscht!"));
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/anna.ini")));
    EXPECT_EQ(s.Text(), "Name");
}

TEST_F(PupilSelectionTest, DeleteKeepsFilesOthersStillUse)
{
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nKlasse=Protokoll\\jeder.ini\r\n"
                                      "Zwilling1=protokoll\\zw.ini\r\nZwilling2=protokoll\\ZW.INI\r\n"
                                      "Fremd=" + prog.Path("notiz.doc").toUtf8() + "\r\n");
    prog.Write("protokoll/jeder.txt", "shared protocol");
    prog.Write("protokoll/zw.ini", "z");
    prog.Write("notiz.doc", "teacher's file");
    s.LoadRegistry();
    EXPECT_TRUE(Delete("Klasse"));
    EXPECT_TRUE(Delete("Zwilling1"));
    EXPECT_TRUE(Delete("Fremd"));
    EXPECT_EQ(prog.Read("protokoll/jeder.ini"), "[Bild zum Wort]\r\nLevel=3\r\n");
    EXPECT_EQ(prog.Read("protokoll/jeder.txt"), "shared protocol");
    EXPECT_EQ(prog.Read("protokoll/zw.ini"), "z");
    EXPECT_EQ(prog.Read("notiz.doc"), "teacher's file");
    EXPECT_EQ(Registry(), "Name=PROTOKOLL\\JEDER.INI\r\nZwilling2=protokoll\\ZW.INI\r\n");
}

TEST_F(PupilSelectionTest, ReloadList)
{
    s.SetText("Anna");
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nanna=protokoll\\anna.ini\r\nBen=b.ini\r\n");
    s.ReloadList();
    EXPECT_EQ(s.Names(), QStringList({"Name", "anna", "Ben"}));
    EXPECT_EQ(s.Text(), "anna");
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
    s.ReloadList();
    EXPECT_EQ(s.Text(), "Name");
}

TEST(PupilProfile, FilesBesideTheProfile)
{
    TempProgram prog;
    QDir().mkpath(prog.Path("protokoll"));
    const PupilProfile p(prog.Path("protokoll/jeder3.ini"));
    EXPECT_EQ(p.Files(), QStringList({prog.Path("protokoll/jeder3.ini"), prog.Path("protokoll/jeder3.fhl"),
                                      prog.Path("protokoll/jeder3.zgn"), prog.Path("protokoll/jeder3.rtf"),
                                      prog.Path("protokoll/jeder3.txt"), prog.Path("protokoll/jeder3.csv")}));
    EXPECT_TRUE(PupilProfile::OfRegistryValue("PROTOKOLL\\JEDER.INI").IsShared());
    EXPECT_FALSE(p.IsShared());
    ASSERT_TRUE(p.WriteTest());
    EXPECT_EQ(prog.Read("protokoll/jeder3.ini"), "[CDtest]\r\naufCD=false\r\n");
}

// Names with a character the Windows-1252 registry cannot hold are refused
// with the character named, so two children never become one ("Ay?e").
TEST_F(PupilSelectionTest, NamesTheRegistryCannotHoldAreRefusedNamingTheCharacter)
{
    struct Case {
        const char* typed;
        const char* character;
        const char* suggestion;   // empty: none can be made
    };
    const Case cases[] = {
        {"Ayşe", "ş", "Ayse"}, {"Çağla", "ğ", "Çagla"}, {"Łukasz", "Ł", ""}, {"Mia 😀", "😀", ""},
    };
    for (const Case& c : cases) {
        boxes.clear();
        EXPECT_EQ(Type(QString::fromUtf8(c.typed)), PupilSelection::Confirmed::Refused) << c.typed;
        ASSERT_EQ(boxes.size(), 1) << c.typed;
        EXPECT_TRUE(boxes[0].contains(QString::fromUtf8("Zeichen \u201E") + QString::fromUtf8(c.character) +
                                      QString::fromUtf8("\u201C")))
            << boxes[0].toStdString();
        if (*c.suggestion)
            EXPECT_TRUE(boxes[0].contains(QString::fromUtf8(c.suggestion))) << boxes[0].toStdString();
        EXPECT_EQ(s.Text(), "Name");
    }
    EXPECT_EQ(Registry(), "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\anna.ini\r\n");
    // The plain spelling is a pupil of its own; the other accent is still refused.
    EXPECT_EQ(Type(QStringLiteral("Ayse")), PupilSelection::Confirmed::Added);
    EXPECT_EQ(Type(QString::fromUtf8("Ayğe")), PupilSelection::Confirmed::Refused);
    EXPECT_EQ(s.Names(), QStringList({"Name", "Anna", "Ayse"}));
}
