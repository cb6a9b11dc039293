// The word display's letters, colours and marks from the typing control.
#include "exercises/spiel1/key_classes.h"
#include "exercises/spiel1/word_display.h"
#include "support/fake_typing_host.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    FakeTypingHost host;
    TypingControl t{host};
    Fixture(const QString& word, int textvorgabe)
    {
        t.Settings().textcontrolle = 1;
        t.Settings().auto3 = 1;
        t.Settings().textvorgabe = textvorgabe;
        t.SetWord(word);
        t.PrepareLine(QString());
    }
    void Type(const QString& s)
    {
        for (const QChar c : s) {
            t.EditorKeyDown(KeyOfChar(c));
            t.EditKey(KeyOfChar(c), QString(c));
        }
    }
    WordDisplayLook Look(int spellFrom = 0, int spellTo = 0) const
    {
        return LookOfWord(t.DisplayLetters(), t.DisplayWord(), u'0', t.WritePosition(), spellFrom, spellTo);
    }
};

} // namespace

TEST(WordDisplay, TemplateGivenAndTypedLetters)
{
    Fixture f(QStringLiteral("der Hund"), 1);
    f.Type("Hu");
    const WordDisplayLook look = f.Look();
    EXPECT_EQ(look.caption, "der Hund ");
    EXPECT_EQ(look.sample, "der Hund ");
    EXPECT_EQ(look.hidden, "      ggg");
    EXPECT_EQ(look.underline, "      __ ");
    EXPECT_EQ(look.colors, "000000000");
    EXPECT_EQ(look.cursor, 6);
    EXPECT_EQ(look.markStart, -1);
}

TEST(WordDisplay, CopyingGreysTheLettersStillToType)
{
    Fixture f(QStringLiteral("Hund"), 3);
    f.Type("H");
    EXPECT_EQ(f.Look().colors, "0EEE0");
    EXPECT_EQ(f.Look().hidden, "    g");
}

TEST(WordDisplay, WrongLetterInRedAndSpelledPartMarked)
{
    Fixture f(QStringLiteral("Hund"), 0);
    f.Type("Hx");
    f.t.MarkWrongLetters(true);
    const WordDisplayLook look = f.Look(0, 2);
    EXPECT_EQ(look.colors, "01000");
    EXPECT_EQ(look.hidden, "  ggg");
    EXPECT_EQ(look.markStart, 0);
    EXPECT_EQ(look.markCount, 2);
    EXPECT_EQ(LookOfWord(f.t.DisplayLetters(), f.t.DisplayWord(), u'1', 1, 0, 0).colors[1], u'5');
}

TEST(WordDisplay, TextShownLetterByLetter)
{
    const WordDisplayLook look = LookOfText(QStringLiteral("Taste"), 2);
    EXPECT_EQ(look.caption, "Taste");
    EXPECT_EQ(look.hidden, "  ggg");
    EXPECT_EQ(look.cursor, -1);
}
