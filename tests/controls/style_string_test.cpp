#include "controls/style_string.h"

#include <gtest/gtest.h>

TEST(StyleString, ExamplesParseAsTheProgramUsesThem)
{
    struct Case { const char* code; bool opaque; int bg, pictureMirror, textMirror, percent; bool stretch;
                  int align; LetterEffect effect; int color; };
    const Case cases[] = {
        {"f 90 xx 11", true, 15, -1, -1, 90, true, 4, LetterEffect::Plain, 1},
        {"0 98 x4x11", true, 0, -1, -1, 98, true, 4, LetterEffect::Bold, 1},
        {"4 100 7  1", true, 4, -1, -1, 100, false, 7, LetterEffect::Plain, -1},
        {"E3100x41F1", true, 14, 3, -1, 100, true, 4, LetterEffect::Raised, 15},
        {"03100x0011", true, 0, 3, -1, 100, true, 0, LetterEffect::Plain, 1},
        {"z150  822 ", true, -1, 1, 1, 50, false, 8, LetterEffect::Engraved, 2},   // "z": window colour
        {"123456789", false, -1, -1, -1, 100, false, 4, LetterEffect::Plain, -1},    // 9 characters
        {"0 0   4 11", true, 0, -1, -1, 1, false, 4, LetterEffect::Plain, 1},       // "0  " scale: 1 %
        {" 0x9 ?9 g ", false, -1, 0, 0, 100, true, 4, LetterEffect::Plain, -1},     // unreadable size, bad align
        {"", false, -1, -1, -1, 100, false, 4, LetterEffect::Plain, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const StyleString s = StyleString::Parse(QString::fromLatin1(c.code));
        EXPECT_EQ(s.text.size(), 10);
        EXPECT_EQ(s.opaque, c.opaque);
        EXPECT_EQ(s.background, c.bg);
        EXPECT_EQ(s.pictureMirror, c.pictureMirror);
        EXPECT_EQ(s.textMirror, c.textMirror);
        EXPECT_EQ(s.percent, c.percent);
        EXPECT_EQ(s.stretch, c.stretch);
        EXPECT_EQ(s.alignment, c.align);
        EXPECT_EQ(s.effect, c.effect);
        EXPECT_EQ(s.textColor, c.color);
    }
    EXPECT_EQ(StyleString::Parse(QStringLiteral("123456789")).text, QString(10, u' '));
    EXPECT_EQ(StyleString::Parse(QStringLiteral("0 5  x4 11")).percent, 5);
}

#include "controls/pstrcollection.h"

TEST(Pstrcollection, ItemsBeyondTheEndAreNothing)
{
    const pstrcollection list{QStringLiteral("a"), QStringLiteral("b")};
    ASSERT_NE(list.Item(1), nullptr);
    EXPECT_EQ(*list.Item(1), QStringLiteral("b"));
    EXPECT_EQ(list.Item(2), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);
}
