#include "data/exercise_settings.h"

#include "controls/tproginfo.h"
#include "data/font_list.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class ExerciseSettingsTest : public ::testing::Test {
protected:
    ExerciseSettingsTest() : savedColours(ProgInfo())
    {
        Program().currentProfilePath = profile;
        QDir().mkpath(prog.Path(QStringLiteral("protokoll")));
        ExerciseSettings() = ExerciseSettingsRecord{};
        FontList().Reset();
        ProgInfo().ResetColors();
    }
    ~ExerciseSettingsTest() override
    {
        ProgInfo() = savedColours;
        FontList().Reset();
        CurrentSection().clear();
    }

    // Writes a profile with one section holding the given key=value lines.
    void WriteProfile(const QString& section, const QStringList& keys) const
    {
        WriteTextLines(profile, QStringList{u'[' + section + u']'} + keys, true);
    }
    QString Value(const QString& section, const QString& key) const
    {
        return Ini::ReadString(profile, section, key, QStringLiteral("<none>"));
    }

    TempProgram prog;
    const QString profile = prog.Path(QStringLiteral("protokoll/jeder.ini"));
    tproginfo savedColours;
};

TEST_F(ExerciseSettingsTest, MissingProfileGivesTheDefaults)
{
    LoadSettings(Section::kBildZumWort);
    const auto& s = ExerciseSettings();
    EXPECT_EQ(s.textcontrolle, 2);
    EXPECT_EQ(s.auto3, 1);
    EXPECT_EQ(s.blinken, 1);
    EXPECT_EQ(s.soundpause, 3);
    EXPECT_EQ(s.buchstabieren, 3);
    EXPECT_EQ(s.ratter, -1);
    EXPECT_EQ(s.motzahl, 2);
    EXPECT_EQ(s.felderanzahl, 6);
    EXPECT_EQ(s.puzzelanzahl, 9);
    EXPECT_TRUE(s.tastaturLock);
    EXPECT_FALSE(s.maushilfe);
    EXPECT_EQ(s.textfarbe, u'0');
    EXPECT_EQ(s.hintergrundfarbe, u'7');
    EXPECT_EQ(s.outfit, u' ');
    EXPECT_EQ(s.schriftart, QStringLiteral("Arial"));
    EXPECT_EQ(s.schrift, 0);
    EXPECT_EQ(ProgInfo().windowColor, ProgInfo().colors[7]);
    EXPECT_EQ(ProgInfo().textColor, ProgInfo().colors[16]);
}

TEST_F(ExerciseSettingsTest, SectionExceptionsOfTheDefaults)
{
    struct Case {
        QString section;
        int mitSound, mitTon;
        bool mitArtikel;
        const char* back;
        const char* stack;
    };
    const Case cases[] = {
        {Section::kHoerenUndSchreiben, 2, 1, true, "fun\\memory\\rueck2.wmf", "fun\\stapel2.wmf"},
        {Section::kWelchesWortStimmt, 3, 0, true, "fun\\memory\\rueck2.wmf", "fun\\stapel2.wmf"},
        {Section::kBildMemory, 2, 1, false, "fun\\memory\\rueck2.wmf", "fun\\stapel2.wmf"},
        {Section::kSoundMemory, 2, 1, true, "fun\\memory\\rueck4.wmf", "fun\\stapel4.wmf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section.toStdString());
        LoadSettings(c.section);
        const auto& s = ExerciseSettings();
        EXPECT_EQ(s.mitSound, c.mitSound);
        EXPECT_EQ(s.mitTon, c.mitTon);
        EXPECT_EQ(s.mitArtikel, c.mitArtikel);
        EXPECT_EQ(s.bildhinten, QLatin1String(c.back));
        EXPECT_EQ(s.bildhintenstapel, QLatin1String(c.stack));
    }
    // A stored value wins over the section's default.
    WriteProfile(Section::kSoundMemory, {QStringLiteral("Bildhinten=fun\\memory\\eigen.wmf")});
    LoadSettings(Section::kSoundMemory);
    EXPECT_EQ(ExerciseSettings().bildhinten, QStringLiteral("fun\\memory\\eigen.wmf"));
}

TEST_F(ExerciseSettingsTest, Auto3FollowsTextcontrolle)
{
    struct Case {
        int textcontrolle, storedAuto3, expected;
    };
    for (const Case c : {Case{0, 1, 0}, Case{-2, 1, 0}, Case{1, 0, 1}, Case{2, 0, 0}, Case{2, 1, 1}}) {
        SCOPED_TRACE(c.textcontrolle);
        WriteProfile(Section::kHoerenUndSchreiben,
                     {QStringLiteral("Textcontrolle=%1").arg(c.textcontrolle),
                      QStringLiteral("Auto3=%1").arg(c.storedAuto3)});
        LoadSettings(Section::kHoerenUndSchreiben);
        EXPECT_EQ(ExerciseSettings().auto3, c.expected);
    }
}

TEST_F(ExerciseSettingsTest, CopyingForcesTheTypingControlOnLoadAndSave)
{
    WriteProfile(Section::kHoerenUndSchreiben,
                 {QStringLiteral("Textvorgabe=3"), QStringLiteral("Textcontrolle=0"), QStringLiteral("Blinken=0")});
    LoadSettings(Section::kHoerenUndSchreiben);
    EXPECT_EQ(ExerciseSettings().textcontrolle, 2);
    EXPECT_EQ(ExerciseSettings().blinken, 2);
    EXPECT_EQ(ExerciseSettings().auto3, 0);   // forced before copying set Textcontrolle
    SaveSettings(Section::kHoerenUndSchreiben);
    EXPECT_EQ(Value(Section::kHoerenUndSchreiben, QStringLiteral("Textcontrolle")), QStringLiteral("1"));
    EXPECT_EQ(Value(Section::kHoerenUndSchreiben, QStringLiteral("Blinken")), QStringLiteral("2"));
}

TEST_F(ExerciseSettingsTest, CustomBackgroundColourKeepsItsBrush)
{
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Hintergrundfarbe=16"),
                                         QStringLiteral("Hintergrundbrush=$00123456"),
                                         QStringLiteral("Textfarbe=4")});
    LoadSettings(Section::kBildZumWort);
    EXPECT_EQ(ExerciseSettings().hintergrundfarbe, u'z');
    EXPECT_EQ(ProgInfo().windowColor, 0x123456u);
    EXPECT_EQ(ProgInfo().textColor, ProgInfo().colors[20]);
    SaveSettings(Section::kBildZumWort);
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Hintergrundfarbe")), QStringLiteral("16"));
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Hintergrundbrush")), QStringLiteral("$00123456"));
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Textfarbe")), QStringLiteral("4"));

    // A palette background is saved as its colour text.
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Hintergrundfarbe=15"),
                                         QStringLiteral("Hintergrundbrush=clRed")});
    LoadSettings(Section::kBildZumWort);
    EXPECT_EQ(ProgInfo().windowColor, ProgInfo().colors[15]);
    SaveSettings(Section::kBildZumWort);
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Hintergrundbrush")), QStringLiteral("$00BFBFBF"));
}

TEST_F(ExerciseSettingsTest, SaveWritesEveryKeyInItsOrderAndSection)
{
    LoadSettings(Section::kHoerenUndSchreiben);
    SaveSettings(Section::kHoerenUndSchreiben);
    EXPECT_EQ(Ini::KeyNames(profile, Section::kHoerenUndSchreiben),
              (QStringList{"SoundnachEingabe", "Maushilfe", "Textcontrolle", "Textvorgabe", "Auto2",
                           "Auto3", "Auto4", "Mit Sound", "Textausrichtung", "Textcontrollnr",
                           "Blinken", "Funsound", "Tippton", "Positivsound", "Motivation", "Motzahl",
                           "Mit_ton", "Buchstabieren", "Felderanzahl", "Hilfebild", "Bilderanzahl",
                           QStringLiteral("Rückseite"), "Bedienung", QStringLiteral("Würfeln"),
                           "Textfarbe", "Hintergrundfarbe", "Hintergrundbrush", "Outfit", "Schrift",
                           "Stimme", "Bildhinten", "Bildhintenstapel", "Buchstabierpause",
                           "Soundpause", "Ratter", "Beam", "Zufallnegativ", "Zufallpositiv",
                           "mitArtikel", "ohneArtikelabschreiben", "TastaturLock", "Schriftart"}));
    EXPECT_EQ(Value(Section::kHoerenUndSchreiben, QStringLiteral("Ratter")), QStringLiteral("-1"));
    EXPECT_EQ(Value(Section::kHoerenUndSchreiben, QStringLiteral("Bildhinten")),
              QStringLiteral("fun\\memory\\rueck2.wmf"));
    // The umlaut keys are stored in Windows-1252.
    EXPECT_TRUE(prog.Read(QStringLiteral("protokoll/jeder.ini")).contains("R\xfc" "ckseite=1\r\n"));

    ExerciseSettings().puzzelanzahl = 25;
    SaveSettings(Section::kWelchesWortStimmt);
    const QStringList keys = Ini::KeyNames(profile, Section::kWelchesWortStimmt);
    const qsizetype felder = keys.indexOf(QStringLiteral("Felderanzahl"));
    EXPECT_EQ(keys.mid(felder, 5), (QStringList{"Felderanzahl", "Puzzelanzahl", "Aufdeckpause",
                                                "Aufdeckenmanuell", "Hilfebild"}));
    EXPECT_EQ(Value(Section::kWelchesWortStimmt, QStringLiteral("Puzzelanzahl")), QStringLiteral("25"));
    EXPECT_FALSE(keys.contains(QStringLiteral("TastaturLock")));
    EXPECT_FALSE(keys.contains(QStringLiteral("Buchstabieren")));
}

TEST_F(ExerciseSettingsTest, PhonicsSavesSpellingOutIntoTheWritingSection)
{
    WriteProfile(Section::kLautieruebung, {QStringLiteral("Buchstabieren=1")});
    LoadSettings(Section::kLautieruebung);
    SaveSettings(Section::kLautieruebung);
    EXPECT_EQ(Value(Section::kHoerenUndSchreiben, QStringLiteral("Buchstabieren")), QStringLiteral("1"));
    EXPECT_EQ(Value(Section::kLautieruebung, QStringLiteral("Buchstabieren")), QStringLiteral("1"));   // old key kept
    EXPECT_EQ(Value(Section::kLautieruebung, QStringLiteral("TastaturLock")), QStringLiteral("<none>"));
    EXPECT_EQ(Value(Section::kLautieruebung, QStringLiteral("Puzzelanzahl")), QStringLiteral("<none>"));
    EXPECT_EQ(Ini::KeyNames(profile, Section::kHoerenUndSchreiben), QStringList{"Buchstabieren"});
}

TEST_F(ExerciseSettingsTest, UnknownFontJoinsTheFontList)
{
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Schriftart=Verdana")});
    LoadSettings(Section::kBildZumWort);
    EXPECT_EQ(FontList().Names(), (QStringList{"Arial", "Comic Sans MS", "KV_Druckschrift", "Verdana"}));
    EXPECT_EQ(ExerciseSettings().schrift, 3);
    SaveSettings(Section::kBildZumWort);
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Schrift")), QStringLiteral("3"));
    EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Schriftart")), QStringLiteral("Verdana"));

    // Known names are found without regard to case and not added again.
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Schriftart=comic sans ms")});
    LoadSettings(Section::kBildZumWort);
    EXPECT_EQ(FontList().Count(), 4);
    EXPECT_EQ(ExerciseSettings().schrift, 1);
    EXPECT_EQ(FontList().Add(QStringLiteral("Andika")), 0);
}

TEST_F(ExerciseSettingsTest, OutfitIsHeldAsACharacter)
{
    struct Case {
        const char* stored;
        QChar held;
        const char* saved;
    };
    for (const Case c : {Case{"1", u'1', "1"}, Case{"0", u' ', "0"}, Case{"15", u'F', "15"}}) {
        SCOPED_TRACE(c.stored);
        WriteProfile(Section::kBildZumWort, {QStringLiteral("Outfit=") + QLatin1String(c.stored)});
        LoadSettings(Section::kBildZumWort);
        EXPECT_EQ(ExerciseSettings().outfit, c.held);
        SaveSettings(Section::kBildZumWort);
        EXPECT_EQ(Value(Section::kBildZumWort, QStringLiteral("Outfit")), QLatin1String(c.saved));
    }
}

TEST_F(ExerciseSettingsTest, GarbageValuesAreClampedOrDefaultedAndTheRestLoads)
{
    WriteProfile(Section::kWelchesWortStimmt,
                 {QStringLiteral("Textfarbe=99"), QStringLiteral("Hintergrundfarbe=-1"),
                  QStringLiteral("Outfit=abc"), QStringLiteral("Hintergrundbrush=Rosarot"),
                  QStringLiteral("Soundpause=500"), QStringLiteral("Buchstabierpause=-4"),
                  QStringLiteral("Stimme=9"), QStringLiteral("Motzahl=0"), QStringLiteral("Felderanzahl=12"),
                  QStringLiteral("Puzzelanzahl=20"), QStringLiteral("Mit Sound=xyz"),
                  QStringLiteral("Funsound=99999999999999"), QStringLiteral("Tippton= 2 Klicks"),
                  QStringLiteral("Schriftart=") + QString(300, u'S'), QStringLiteral("Bildhinten="),
                  QStringLiteral("Motivation=1")});
    LoadSettings(Section::kWelchesWortStimmt);
    const auto& s = ExerciseSettings();
    EXPECT_EQ(s.textfarbe, u'0');
    EXPECT_EQ(s.hintergrundfarbe, u'7');
    EXPECT_EQ(s.outfit, u' ');
    EXPECT_EQ(ProgInfo().windowColor, ProgInfo().colors[7]);
    EXPECT_EQ(s.soundpause, 100);
    EXPECT_EQ(s.buchstabierpause, 0);
    EXPECT_EQ(s.stimme, 5);
    EXPECT_EQ(s.motzahl, 1);
    EXPECT_EQ(s.felderanzahl, 6);
    EXPECT_EQ(s.puzzelanzahl, 9);
    EXPECT_EQ(s.mitSound, 3);        // the section's default
    EXPECT_EQ(s.funsound, INT_MAX);  // no range stated: only cut to int
    EXPECT_EQ(s.tippton, 2);
    EXPECT_EQ(s.schriftart.size(), 119);
    EXPECT_EQ(s.bildhinten, QString());
    EXPECT_EQ(s.motivation, 1);

    // An unreadable brush counts as white for the custom background.
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Hintergrundfarbe=16"),
                                         QStringLiteral("Hintergrundbrush=$GG")});
    LoadSettings(Section::kBildZumWort);
    EXPECT_EQ(ProgInfo().windowColor, 0xFFFFFFu);
}

TEST_F(ExerciseSettingsTest, DescribeTypingControl)
{
    struct Case {
        int textcontrolle, blinken, textvorgabe;
        const char* text;
    };
    const Case cases[] = {
        {0, 1, 0, "Textkontrolle: bei Enter. Fehler: blinken. \r\nErwartete Eingabe: Alles."},
        {0, 2, 1, "Textkontrolle: bei Enter. Fehler: zulassen. \r\nErwartete Eingabe: Wort ohne Artikel."},
        {2, 1, 2, "Textkontrolle: Automatisch. Fehler: blinken. \r\nErwartete Eingabe: Nur Artikel."},
        {1, 0, 3, "Textkontrolle: Automatisch. Fehler: nicht zulassen. \r\nErwartete Eingabe: Abschreiben."},
        {2, 2, 4, "Textkontrolle: Automatisch. Fehler: nicht zulassen. \r\nErwartete Eingabe: Nur 1. Buchstaben."},
        {2, 1, 5, "Textkontrolle: Automatisch. Fehler: blinken. \r\nErwartete Eingabe: Jeder 2. Buchstabe."},
        {2, 1, 6, "Textkontrolle: Automatisch. Fehler: blinken. \r\nErwartete Eingabe: Wort nach 1. Buchstaben."},
        {-1, 1, 7, "Textkontrolle: \r\nErwartete Eingabe: "},
    };
    for (const Case& c : cases) {
        auto& s = ExerciseSettings();
        s.textcontrolle = c.textcontrolle;
        s.blinken = c.blinken;
        s.textvorgabe = c.textvorgabe;
        EXPECT_EQ(DescribeTypingControl(), QString::fromUtf8(c.text));
    }
}

TEST_F(ExerciseSettingsTest, RestoreStandardSettings)
{
    CurrentSection() = Section::kBildZumWort;
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Motzahl=5")});
    const QByteArray pupil = prog.Read(QStringLiteral("protokoll/jeder.ini"));

    // Nothing to restore from.
    EXPECT_FALSE(RestoreStandardSettings());
    EXPECT_EQ(prog.Read(QStringLiteral("protokoll/jeder.ini")), pupil);

    // The first press makes the teacher's standard from the shipped file and
    // restores it: the standard replaces the whole profile and is loaded.
    prog.Write(QStringLiteral("intern/standard.ini"), "[Bild zum Wort]\r\nMotzahl=4\r\n");
    QDir(prog.Path(QStringLiteral("protokoll"))).removeRecursively();
    WriteProfile(Section::kBildZumWort, {QStringLiteral("Motzahl=5")});
    EXPECT_TRUE(RestoreStandardSettings());
    EXPECT_EQ(prog.Read(QStringLiteral("protokoll/standard.ini")), "[Bild zum Wort]\r\nMotzahl=4\r\n");
    EXPECT_EQ(prog.Read(QStringLiteral("protokoll/jeder.ini")), "[Bild zum Wort]\r\nMotzahl=4\r\n");
    EXPECT_EQ(ExerciseSettings().motzahl, 4);

    // The teacher's standard wins over the shipped one.
    prog.Write(QStringLiteral("protokoll/standard.ini"), "[Bild zum Wort]\r\nMotzahl=3\r\n");
    EXPECT_TRUE(RestoreStandardSettings());
    EXPECT_EQ(ExerciseSettings().motzahl, 3);
}

// A program folder that cannot take "Protokoll\standard.ini" (here a file is
// in the way of the folder; pupil data lives elsewhere): the shipped standard
// is restored on the first press all the same.
TEST_F(ExerciseSettingsTest, RestoreStandardSettingsWithoutAWritableProgramFolder)
{
    CurrentSection() = Section::kBildZumWort;
    prog.Write(QStringLiteral("intern/standard.ini"), "[Bild zum Wort]\r\nMotzahl=4\r\n");
    QDir(prog.Path(QStringLiteral("protokoll"))).removeRecursively();
    prog.Write(QStringLiteral("protokoll"), "kein Ordner");
    Program().currentProfilePath = prog.Write(QStringLiteral("daten/anna.ini"), "[Bild zum Wort]\r\nMotzahl=5\r\n");
    EXPECT_TRUE(RestoreStandardSettings());
    EXPECT_EQ(prog.Read(QStringLiteral("daten/anna.ini")), "[Bild zum Wort]\r\nMotzahl=4\r\n");
    EXPECT_EQ(ExerciseSettings().motzahl, 4);
}

// A profile that exists but cannot be read (here a socket, which nobody can
// open) is never replaced by a profile holding only the saved section.
TEST_F(ExerciseSettingsTest, SaveSettingsKeepsAProfileThatCannotBeRead)
{
    QDir().mkpath(prog.Path(QStringLiteral("protokoll")));
    const QString path = prog.Path(QStringLiteral("protokoll/gesperrt.ini"));
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(native.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    Program().currentProfilePath = path;
    SaveSettings(Section::kBildZumWort);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo(path).isFile()) << "the profile was replaced";
    ::close(fd);
}

} // namespace
