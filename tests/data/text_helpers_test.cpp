#include "data/spelling_map.h"
#include "data/text_helpers.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

QStringList L(std::initializer_list<const char*> items)
{
    QStringList l;
    for (const char* s : items)
        l.append(QString::fromUtf8(s));
    return l;
}

} // namespace

TEST(TextHelpers, Split)
{
    const struct {
        const char* text;
        const char* sep;
        QStringList out;
    } cases[] = {
        {"a|b|c", "|", L({"a", "b", "c"})},
        {"a|b|", "|", L({"a", "b", ""})},
        {"|a", "|", L({"", "a"})},
        {"", "|", L({""})},
        {"abc", ";", L({"abc"})},
        {"a::b", "::", L({"a", "b"})},
        {"aXbxc", "X", L({"a", "bxc"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Split(c.text, c.sep), c.out);
    }
}

TEST(TextHelpers, SplitWordsCutsOutPunctuation)
{
    const struct {
        const char* text;
        const char* seps;
        bool skipRepeats;
        QStringList out;
    } cases[] = {
        {"Haus.", " ", false, L({"Haus", "."})},
        {"Der Hund bellt.", " ", false, L({"Der", "Hund", "bellt", "."})},
        {"Hund,Katze", " ", false, L({"Hund", ",", "Katze"})},
        {"Wer? Du!", " ", false, L({"Wer", "?", "Du", "!"})},
        {"a-b:c", " ", false, L({"a", "-", "b", ":", "c"})},
        {"...", " ", false, L({".", ".", "."})},
        {".Haus", " ", false, L({".", "Haus"})},
        {"a,b,c", " ", false, L({"a", ",", "b", ",", "c"})},
        {"a  b", " ", false, L({"a", "", "b"})},
        {"a  b  c", " ", true, L({"a", "", "b", "c"})},
        {"a b a", " ", true, L({"a", "b", "a"})},  // the last piece is always added
        {"a b a ", " ", true, L({"a", "b"})},
        {"a b ", " ", false, L({"a", "b"})},       // no empty last piece
        {"a|b;c", "|;", false, L({"a", "b", "c"})},
        {"", " ", false, L({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitWords(c.text, c.seps, c.skipRepeats), c.out);
    }

    QStringList kept = L({"x"});
    SplitWords("y z", " ", false, false, kept);
    EXPECT_EQ(kept, L({"x", "y", "z"}));
    SplitWords("y", " ", false, true, kept);
    EXPECT_EQ(kept, L({"y"}));
}

TEST(TextHelpers, SmallTextOperations)
{
    EXPECT_EQ(AfterFirstBlank("der Hund bellt"), "Hund bellt");
    EXPECT_EQ(AfterFirstBlank("Hund"), "Hund");
    EXPECT_EQ(AfterFirstBlank("Hund "), "");
    EXPECT_EQ(Repeat("ab", 3), "ababab");
    EXPECT_EQ(Repeat("ab", 0), "");
    EXPECT_EQ(Repeat("ab", -2), "");
    EXPECT_EQ(TextAfter("Bild=Hund.png", "="), "Hund.png");
    EXPECT_EQ(TextAfter("a=b=c", "="), "b=c");
    EXPECT_EQ(TextAfter("abc", "="), "");
    EXPECT_EQ(TextAfter("", "="), "");
    EXPECT_EQ(TextAfter("abc", ""), "");
}

TEST(TextHelpers, PadNumber)
{
    const struct {
        int n;
        int width;
        char fill;
        const char* out;
    } cases[] = {
        {7, 3, ' ', "  7"},
        {7, 3, '0', "007"},
        {42, 3, '0', "042"},
        {100, 3, '0', "100"},
        {12345, 3, '0', "12345"},
        {0, 2, '0', "00"},
        {10, 2, '0', "10"},
        {9, 1, '0', "9"},
        {9, 0, '0', "9"},
        {-5, 3, '0', "00-5"},                    // every power of ten is greater
        {5, 25, '0', "000000000000000000000000" "5"}, // wide fields do not overflow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(PadNumber(c.n, c.width, QChar(c.fill)), QString(c.out));
    }
}

TEST(TextHelpers, SameAnswerTreatsTheTwoCharactersOfOneKeyAlike)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Hund", "hund", true},
        {"ÄPFEL", "äpfel", true},
        {"Haus.", "Haus:", true},
        {"Haus.", "haus:", true},
        {"a#b", "a'b", true},
        {"a+b", "a*b", true},
        {"a,b", "a;b", true},
        {"a-b", "a_b", true},
        {"Haus.", "Haus,", false},
        {"Haus", "Haus.", false},
        {"Hund", "Hunde", false},
        {"", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(SameAnswer(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.same);
        EXPECT_EQ(SameAnswer(QString::fromUtf8(c.b), QString::fromUtf8(c.a)), c.same);
    }
}

TEST(TextHelpers, Articles)
{
    const struct {
        const char* text;
        const char* article;
        const char* sound;
        const char* without;
        const char* noun;
    } cases[] = {
        {"der Hund", "der", "Artikel\\der.wav", "Hund", "Hund"},
        {"Die Katze", "Die", "Artikel\\Die.wav", "Katze", "Katze"},
        {"das Haus.wav", "das", "Artikel\\das.wav", "Haus.wav", "Haus.wav"},
        {"Hund der", "der", "Artikel\\der.wav", "Hund der", "Hund der"},
        {"eine Maus", "eine", "Artikel\\eine.wav", "Maus", "Maus"},
        {"der große Hund", "der", "Artikel\\der.wav", "große Hund", "der große Hund"},
        {"Hund", "", "", "Hund", "Hund"},
        {"roter Ball", "", "", "roter Ball", "roter Ball"},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ArticleOf(text), QString::fromUtf8(c.article));
        EXPECT_EQ(ArticleSoundFile(text), QString::fromUtf8(c.sound));
        EXPECT_EQ(WithoutArticle(text), QString::fromUtf8(c.without));
        EXPECT_EQ(NounOfPair(text), QString::fromUtf8(c.noun));
    }
}

TEST(TextHelpers, PunctuationNames)
{
    const struct {
        const char* mark;
        const char* name;
    } cases[] = {
        {".", "punkt"}, {",", "komma"}, {"?", "fragezeichen"}, {"!", "ausrufezeichen"},
        {"-", "bindestrich"}, {":", "doppelpunkt"}, {";", ""}, {"..", ""}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mark);
        EXPECT_EQ(PunctuationName(c.mark), QString(c.name));
        EXPECT_EQ(IsPunctuationMark(c.mark), *c.name != 0);
    }
}

class SoundFileOfWordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("sprache/H/hund.wav", "");
        prog.Write("sprache/a/b/Baum.wav", "");
        prog.Write("sprache/Straße.wav", "");
        prog.Write("sprache/x/Haus.wav", "");
        prog.Write("sprache/H/Haus.wav", "");
        prog.Write("ABC/w/punkt.wav", "");
    }
    void TearDown() override { SpellingMap().Clear(); }
    TempProgram prog;
};

TEST_F(SoundFileOfWordTest, SearchesDepthFirstAndByFirstLetter)
{
    const QString s = prog.Root() + "sprache/";
    const struct {
        const char* word;
        const char* folder;
        bool byFirstLetter;
        QString out;
    } cases[] = {
        // The result names the word as passed in, not the file's letter case.
        {"Hund", "sprache", true, s + "H/Hund.wav"},
        {"Hund", "sprache", false, s + "H/Hund.wav"},
        {"Baum", "Sprache", false, s + "a/b/Baum.wav"},
        {"Baum", "sprache", true, s + "a/b/Baum.wav"},   // no "B" folder: whole tree
        {"Haus", "sprache", true, s + "H/Haus.wav"},     // first-letter folder first
        {".", "abc", false, prog.Root() + "ABC/w/punkt.wav"},
        {"Katze", "sprache", true, ""},
        {"Hund", "missing", true, ""},
        {"", "sprache", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(SoundFileOfWord(QString::fromUtf8(c.word), c.folder, c.byFirstLetter), c.out);
    }
}

TEST_F(SoundFileOfWordTest, FallsBackToTheSharpSSpelling)
{
    EXPECT_EQ(SoundFileOfWord("Strasse", "sprache", true), "");
    SpellingMap().Add("Strasse", QString::fromUtf8("Straße"));
    EXPECT_EQ(SoundFileOfWord("Strasse", "sprache", true),
              prog.Root() + QString::fromUtf8("sprache/Straße.wav"));
    EXPECT_EQ(SoundFileOfWord("Strase", "sprache", true), "");
}

TEST(TextHelpers, FitFontSize)
{
    const QFont font(QStringLiteral("DejaVu Sans"), 40);
    const QString text = QStringLiteral("Schmetterling");
    auto heightAt = [&](int size) {
        QFont f = font;
        f.setPointSize(size);
        return QFontMetrics(f).height();
    };
    auto widthAt = [&](int size) {
        QFont f = font;
        f.setPointSize(size);
        return QFontMetrics(f).horizontalAdvance(text);
    };

    EXPECT_EQ(FitFontSize(0, 0, text, 100, font), 40);          // no limits
    EXPECT_EQ(FitFontSize(10000, 10000, text, 100, font), 40);  // never grows

    const int byHeight = FitFontSize(30, 0, text, 100, font);
    EXPECT_LT(byHeight, 40);
    EXPECT_LE(heightAt(byHeight), 30 + 2);
    EXPECT_GT(heightAt(byHeight + 2), 30);
    EXPECT_LT(FitFontSize(30, 0, text, 50, font), byHeight);
    EXPECT_EQ(FitFontSize(30, 0, text, 150, font), byHeight);   // percent limited to 100
    EXPECT_EQ(FitFontSize(30, 0, text, -7, font), FitFontSize(30, 0, text, 1, font));

    const int byWidth = FitFontSize(0, 100, text, 100, font);
    EXPECT_LT(byWidth, 40);
    EXPECT_LE(widthAt(byWidth), 100 + 10);
    // Both limits: the width is measured at the size the height gave.
    EXPECT_LE(FitFontSize(30, 100, text, 100, font), std::min(byHeight, byWidth) + 1);
    EXPECT_EQ(font.pointSize(), 40);
}
