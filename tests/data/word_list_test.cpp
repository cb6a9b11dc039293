#include "data/word_list.h"

#include "data/spelling_map.h"
#include "data/text_helpers.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

QByteArray Cp(const QString& text)
{
    return EncodeCp1252(text);
}

class WordListTest : public ::testing::Test {
protected:
    // Writes listen\<name> with the given lines (CR LF) and loads it.
    std::unique_ptr<tmoiel> LoadLines(const QStringList& lines, bool exerciseMode,
                                      const QString& name = QStringLiteral("listen\\test.txt"))
    {
        prog.Write(name, Cp(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        std::unique_ptr<tmoiel> list;
        EXPECT_TRUE(Load(list, name, exerciseMode));
        EXPECT_NE(list, nullptr);
        return list;
    }

    TempProgram prog;
};

TEST_F(WordListTest, MissingFileGivesAnEmptyListAndSuccess)
{
    std::unique_ptr<tmoiel> list;
    ASSERT_TRUE(Load(list, QStringLiteral("listen\\fehlt.txt"), true));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->title, QStringLiteral("untitled"));
    EXPECT_TRUE(list->header2.isEmpty());
    EXPECT_EQ(list->Count(), 0);
    EXPECT_TRUE(list->fileName.isEmpty());
    EXPECT_FALSE(list->SaveBack());
}

TEST_F(WordListTest, FolderInPlaceOfTheFileEmptiesTheSlotAndFails)
{
    QDir().mkpath(prog.Path(QStringLiteral("listen/ordner.txt")));
    auto list = std::make_unique<tmoiel>(QStringLiteral("alt"));
    EXPECT_FALSE(Load(list, QStringLiteral("listen\\ordner.txt"), true));
    EXPECT_EQ(list, nullptr);
}

TEST_F(WordListTest, OneLineFileHasOnlyTheTitle)
{
    auto list = LoadLines({QStringLiteral("Tiere")}, true);
    EXPECT_EQ(list->title, QStringLiteral("Tiere"));
    EXPECT_TRUE(list->header2.isEmpty());
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(WordListTest, RowFieldsNotesAndSlots)
{
    auto list = LoadLines({QStringLiteral("Tiere"), QStringLiteral("Klasse 1"),
                           QStringLiteral("HUND;4 100 7  1;hund.wmf;sprache\\hund.wav;fun\\bellen.wav;der Hund")},
                          false);
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->header2, QStringLiteral("Klasse 1"));
    const WordEntry* e = list->Entry(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->fields[FieldWritten], QStringLiteral("HUND"));
    EXPECT_EQ(e->fields[FieldPicture], QStringLiteral("hund.wmf"));
    EXPECT_EQ(e->fields[FieldWord], QStringLiteral("der Hund"));
    EXPECT_EQ(e->slots[FieldStyle], QStringLiteral("4 100 7  1"));
    EXPECT_EQ(e->slots[FieldPicture], QStringLiteral("4 100 7  1"));
    EXPECT_EQ(e->notes[FieldWord], QStringLiteral("Deutsches Wort"));
    EXPECT_TRUE(e->notes[FieldPicture].isEmpty());
    EXPECT_EQ(list->Text(0), QStringLiteral("HUND;4 100 7  1;hund.wmf;sprache\\hund.wav;fun\\bellen.wav;der Hund"));
    EXPECT_EQ(list->Entry(1), nullptr);
    EXPECT_EQ(list->Entry(-1), nullptr);
    EXPECT_FALSE(Valid(nullptr, 0));
    EXPECT_TRUE(Valid(list.get(), 0));
}

TEST_F(WordListTest, NewEntryHasOnlyThePictureStyle)
{
    const WordEntry e;
    for (int i = 0; i < WordEntry::kFieldCount; ++i) {
        EXPECT_TRUE(e.fields[size_t(i)].isEmpty());
        EXPECT_TRUE(e.notes[size_t(i)].isEmpty());
        EXPECT_EQ(e.slots[size_t(i)].isEmpty(), i != FieldPicture);
        EXPECT_FALSE(e.HasAttached(i));
    }
    EXPECT_EQ(e.slots[FieldPicture], QStringLiteral("8 100xx 11"));
}

TEST_F(WordListTest, ExerciseModeCopiesTheWordAndClearsAnEqualNoise)
{
    const QStringList lines = {QStringLiteral("T"), QStringLiteral("H"),
                               QStringLiteral("x;s;p;a.wav;a.wav;Ball")};
    struct Case {
        bool exerciseMode;
        const char* written;
        const char* noise;
    };
    for (const Case c : {Case{true, "Ball", ""}, Case{false, "x", "a.wav"}}) {
        SCOPED_TRACE(c.exerciseMode);
        auto list = LoadLines(lines, c.exerciseMode);
        ASSERT_EQ(list->Count(), 1);
        EXPECT_EQ(list->Entry(0)->fields[FieldWritten], QLatin1String(c.written));
        EXPECT_EQ(list->Entry(0)->fields[FieldNoise], QLatin1String(c.noise));
        EXPECT_EQ(list->Entry(0)->fields[FieldSpeech], QStringLiteral("a.wav"));
    }
}

TEST_F(WordListTest, PictureFieldGetsThePictureFolderOnlyWhenFoundThere)
{
    prog.Write(QStringLiteral("Bilder\\hund.wmf"), "x");
    prog.Write(QStringLiteral("Bilder\\Katze.BMP"), "x");
    prog.Write(QStringLiteral("maus.wmf"), "x");
    prog.Write(QStringLiteral("Bilder\\maus.wmf"), "x");
    auto list = LoadLines({QStringLiteral("T"), QStringLiteral("H"),
                           QStringLiteral("a;s;hund.wmf;;;Hund"),
                           QStringLiteral("a;s;katze.bmp;;;Katze"),
                           QStringLiteral("a;s;maus.wmf;;;Maus"),
                           QStringLiteral("a;s;Igel;;;Igel"),
                           QStringLiteral("a;s;;;;leer")},
                          true);
    ASSERT_EQ(list->Count(), 5);
    EXPECT_EQ(list->Entry(0)->fields[FieldPicture], QStringLiteral("Bilder\\hund.wmf"));
    EXPECT_EQ(list->Entry(1)->fields[FieldPicture], QStringLiteral("Bilder\\katze.bmp"));
    EXPECT_EQ(list->Entry(2)->fields[FieldPicture], QStringLiteral("maus.wmf"));
    EXPECT_EQ(list->Entry(3)->fields[FieldPicture], QStringLiteral("Igel"));
    EXPECT_EQ(list->Entry(4)->fields[FieldPicture], QString());   // the folder itself is no file
}

TEST_F(WordListTest, FontMarkerSplitsThePictureText)
{
    auto list = LoadLines({QStringLiteral("T"), QStringLiteral("H"),
                           QStringLiteral("a;s;Hund Schrift in: Comic Sans MS;;;Hund"),
                           QStringLiteral("a;s;Ball;;;Ball")},
                          true);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Entry(0)->fields[FieldPicture], QStringLiteral("Hund "));
    EXPECT_EQ(list->Entry(0)->notes[FieldPicture], QStringLiteral("Comic Sans MS"));
    EXPECT_TRUE(list->Entry(1)->notes[FieldPicture].isEmpty());
}

TEST_F(WordListTest, RowsWithTooFewFieldsAreDroppedAndExtraFieldsLostOnSave)
{
    auto list = LoadLines({QStringLiteral("T"), QStringLiteral("H"),
                           QStringLiteral("a;b;c;d;e;f;g"),   // seven fields
                           QStringLiteral("a;b;c;d;e"),       // five fields
                           QString(),                          // empty line
                           QStringLiteral(";"),
                           QStringLiteral(";;;;;"),            // six empty fields
                           QStringLiteral("1;2;3;4;5;6;")},   // trailing ";": seven fields
                          false);
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Entry(0)->fields[FieldWord], QStringLiteral("f"));
    EXPECT_EQ(list->Entry(1)->fields[FieldWord], QString());
    EXPECT_EQ(list->Entry(2)->fields[FieldWord], QStringLiteral("6"));
    ASSERT_TRUE(list->Save(QStringLiteral("listen\\neu\\kopie.txt")));
    EXPECT_EQ(prog.Read(QStringLiteral("listen/neu/kopie.txt")),
              QByteArray("T\r\nH\r\na;b;c;d;e;f\r\n;;;;;\r\n1;2;3;4;5;6\r\n"));
}

TEST_F(WordListTest, OddBytesAndLineEndsSurviveLoadAndSave)
{
    // LF-only line ends, bytes 0x80..0x9F (some unassigned) and a long field.
    QByteArray bytes = "Titel \x80\x81\x9f\nZweite\nx;s;p;a;b;Stra\xdf" "e \x8d\x90;mehr\n";
    const QByteArray longField(70000, 'w');
    bytes += "a;s;p;a;b;" + longField + "\n";
    prog.Write(QStringLiteral("listen\\odd.txt"), bytes);
    std::unique_ptr<tmoiel> list;
    ASSERT_TRUE(Load(list, QStringLiteral("listen\\odd.txt"), false));
    ASSERT_EQ(list->Count(), 2);
    ASSERT_TRUE(list->SaveBack());
    EXPECT_EQ(prog.Read(QStringLiteral("listen/odd.txt")),
              "Titel \x80\x81\x9f\r\nZweite\r\nx;s;p;a;b;Stra\xdf" "e \x8d\x90\r\na;s;p;a;b;" + longField + "\r\n");
}

TEST_F(WordListTest, SaveWritesItemsWithoutEntryAsTheirTextAndSaveBackNeedsTheFile)
{
    tmoiel list(QStringLiteral("Fehlerliste"));
    auto e = std::make_shared<WordEntry>();
    e->fields = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                 QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")};
    list.Append(e);
    list.Insert(0, nullptr, QStringLiteral("frei;text"));
    ASSERT_TRUE(list.Save(QStringLiteral("x.txt")));
    EXPECT_EQ(prog.Read(QStringLiteral("x.txt")), QByteArray("Fehlerliste\r\n\r\nfrei;text\r\na;b;c;d;e;f\r\n"));
    EXPECT_FALSE(list.SaveBack());   // never loaded from a file

    std::unique_ptr<tmoiel> loaded;
    ASSERT_TRUE(Load(loaded, QStringLiteral("x.txt"), true));
    QFile::remove(prog.Path(QStringLiteral("x.txt")));
    EXPECT_FALSE(loaded->SaveBack());
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("x.txt"))));
}

TEST_F(WordListTest, SwissSpellingConvertsWordsAndFillsTheSpellingMap)
{
    SpellingMap().Clear();
    auto list = LoadLines({QStringLiteral("T"), QStringLiteral("H"),
                           QStringLiteral("x;s;p;a;b;Straße"),
                           QStringLiteral("x;s;p;a;b;die große Straße"),
                           QStringLiteral("x;s;p;a;b;Wasser")},
                          true);
    ToSwissSpelling(list.get());
    EXPECT_EQ(list->Entry(0)->fields[FieldWord], QStringLiteral("Strasse"));
    EXPECT_EQ(list->Entry(0)->fields[FieldWritten], QStringLiteral("Strasse"));
    EXPECT_EQ(list->Entry(1)->fields[FieldWord], QStringLiteral("die grosse Strasse"));
    EXPECT_EQ(list->Entry(2)->fields[FieldWord], QStringLiteral("Wasser"));
    EXPECT_EQ(SpellingMap().Lines(), (QStringList{QStringLiteral("grosse=große"),
                                                  QStringLiteral("Strasse=Straße")}));
    ToSwissSpelling(nullptr);

    // The spoken-word look-up finds the recording under its sharp-s name.
    prog.Write(QStringLiteral("sprache\\Straße.wav"), "RIFF");
    EXPECT_TRUE(SoundFileOfWord(QStringLiteral("Strasse"), QStringLiteral("sprache"), false)
                    .endsWith(QStringLiteral("Straße.wav")));
    SpellingMap().Clear();
}

TEST_F(WordListTest, FindInFields)
{
    WordEntry e;
    e.fields = {QStringLiteral("Hund"), QString(), QStringLiteral("bilder\\hund.wmf"),
                QStringLiteral("sprache\\Hund.wav"), QString(), QStringLiteral("der Hund")};
    struct Case {
        const char* text;
        int mode, first, last;
        bool caseSensitive;
        int expected;
    };
    const Case cases[] = {
        {"Hund", FindFieldEqualsText, 0, 5, true, 0},
        {"hund", FindFieldEqualsText, 0, 5, true, kNotFound},
        {"hund", FindFieldEqualsText, 0, 5, false, 0},
        {"der Hund", FindFieldEqualsText, 1, 5, true, 5},
        {"hund", FindFieldContainsText, 1, 5, true, 2},
        {"Hund", FindFieldContainsText, 1, 4, true, 3},
        {"Hund", FindFieldContainsText, -7, 99, true, 0},     // clamped to 0..5
        {"Hund", FindFieldContainsText, 4, 3, true, kNotFound},
        {"ein Hund bellt", FindTextContainsField, 1, 5, true, kNotFound},
        {"ich sah der Hund", FindTextContainsField, 1, 5, true, 5},
        {"", FindFieldContainsText, 1, 5, true, 2},          // empty fields are skipped
        {"Hund", 7, 0, 5, true, kNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FindInFields(e, QString::fromUtf8(c.text), c.mode, c.first, c.last, c.caseSensitive),
                  c.expected);
    }
    EXPECT_EQ(FindInFields(e, QString(), FindFieldContainsText, 0, 5, true), kNotFound);
}

struct Picture {
    explicit Picture(bool* freed) : freed(freed) {}
    ~Picture() { *freed = true; }
    bool* freed;
};

TEST_F(WordListTest, SharedEntriesAndAttachmentsLiveAsLongAsTheirLastHolder)
{
    bool freed = false;
    auto words = std::make_unique<tmoiel>();
    auto errors = std::make_unique<tmoiel>(QStringLiteral("Fehlerliste"));
    {
        auto e = std::make_shared<WordEntry>();
        e->Attach(FieldPicture, std::make_shared<Picture>(&freed));
        words->Append(e);
        errors->Insert(0, e);
    }
    WordEntry* shared = words->Entry(0);
    EXPECT_EQ(errors->IndexOf(shared), 0);
    EXPECT_NE(shared->Attached<Picture>(FieldPicture), nullptr);
    EXPECT_EQ(shared->Attached<QString>(FieldPicture), nullptr);   // other type
    EXPECT_EQ(shared->Attached<Picture>(FieldSpeech), nullptr);
    EXPECT_EQ(shared->Attached<Picture>(9), nullptr);

    words.reset();
    EXPECT_FALSE(freed);
    EXPECT_EQ(errors->Entry(0)->Attached<Picture>(FieldPicture)->freed, &freed);
    errors->Remove(0);
    EXPECT_TRUE(freed);
}

} // namespace
