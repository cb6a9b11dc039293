// Rules of the writing exercise's task cycle.
#include "exercises/spiel1/task_rules.h"
#include "sound/article_cut.h"
#include "exercises/spiel1/typing_settings.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(TaskRules, MitSound)
{
    const struct {
        int value;
        bool atOnce, hidden, after;
    } cases[] = {{0, false, false, false}, {1, false, false, false}, {2, true, false, false},
                 {3, true, true, false},   {7, false, true, false},  {8, true, true, true},
                 {9, false, true, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(SoundAtOnce(c.value), c.atOnce) << c.value;
        EXPECT_EQ(PictureHidden(c.value), c.hidden) << c.value;
        EXPECT_EQ(PictureAfterAnswer(c.value), c.after) << c.value;
    }
}

TEST(TaskRules, ArticleCounts)
{
    const struct {
        int textvorgabe;
        bool mitArtikel, ohne, noise, counts;
    } cases[] = {
        {0, false, true, false, true},  {1, true, true, false, true},  {1, false, true, false, false},
        {1, false, true, true, true},   {3, true, true, false, false}, {3, true, false, false, true},
        {2, false, true, false, true},
    };
    for (const auto& c : cases) {
        TypingSettings s;
        s.textvorgabe = c.textvorgabe;
        s.mitArtikel = c.mitArtikel;
        s.ohneArtikelabschreiben = c.ohne;
        EXPECT_EQ(ArticleCounts(s, c.noise), c.counts) << c.textvorgabe << c.mitArtikel << c.noise;
    }
}

TEST(TaskRules, SpeechSequenceAndFirstPart)
{
    TempProgram program;
    program.Write("sprache/h/Hund.wav", "x");
    program.Write("sprache/der Ball.wav", "x");
    program.Write("pronomen/der.wav", "x");
    program.Write("sprache/d/der.wav", "x");
    EXPECT_EQ(SpokenText(QStringLiteral("  der   Hund ")), "der Hund");

    const QStringList whole = SpeechSequence(QStringLiteral("der Ball"));
    ASSERT_EQ(whole.size(), 1);
    EXPECT_TRUE(whole[0].endsWith(QStringLiteral("der Ball.wav")));

    const QStringList pair = SpeechSequence(QStringLiteral("der Hund"));
    ASSERT_EQ(pair.size(), 2);
    EXPECT_TRUE(pair[0].contains(QStringLiteral("pronomen"))) << pair[0].toStdString();
    EXPECT_TRUE(pair[1].endsWith(QStringLiteral("Hund.wav")));
    EXPECT_EQ(SpeechSequence(QStringLiteral("die Katze")).size(), 0);

    EXPECT_EQ(FirstSpeechPart(pair, true).play, 0);
    EXPECT_EQ(FirstSpeechPart(pair, true).next, 1);
    EXPECT_EQ(FirstSpeechPart(pair, false).play, 1);
    EXPECT_EQ(FirstSpeechPart(pair, false).next, 2);
    EXPECT_EQ(FirstSpeechPart({"x/Mein.wav", "x/Hund.wav"}, false).play, 0);
    EXPECT_EQ(FirstSpeechPart({"x/DAS.WAV", "x/Haus.wav"}, false).play, 1);
    EXPECT_EQ(FirstSpeechPart(whole, false).play, 0);
    EXPECT_EQ(FirstSpeechPart({}, false).play, -1);
}

TEST(TaskRules, TrailingArticle)
{
    EXPECT_TRUE(NamesTrailingArticle(QStringLiteral("sprache\\Hund der.wav")));
    EXPECT_TRUE(NamesTrailingArticle(QStringLiteral("Katze die.wav")));
    EXPECT_FALSE(NamesTrailingArticle(QStringLiteral("der Hund.wav")));
}

TEST(TaskRules, Stepping)
{
    EXPECT_EQ(PreviousEntry(0).position, 0);
    EXPECT_EQ(PreviousEntry(3).position, 2);
    EXPECT_EQ(NextEntry(1, 5, false).position, 2);
    EXPECT_FALSE(NextEntry(1, 5, false).restarted);
    EXPECT_EQ(NextEntry(4, 5, false).position, 0);
    EXPECT_TRUE(NextEntry(4, 5, false).restarted);
    EXPECT_EQ(NextEntry(-1, 5, false).position, 0);
    EXPECT_EQ(NextEntry(2, 5, true).position, 2);  // the same word again
    EXPECT_EQ(NextEntry(4, 5, true).position, 4);
}

TEST(TaskRules, SpellRange)
{
    // "der Hund", write position 6 (after "Hu"), word part from 4.
    const struct {
        int buchstabieren, from, to;
    } cases[] = {{1, 4, 6}, {2, 6, 8}, {3, 4, 8}, {0, 6, 8}};
    for (const auto& c : cases) {
        const SpellRange r = SpellRangeFor(c.buchstabieren, 4, 6, 8);
        EXPECT_EQ(r.from, c.from) << c.buchstabieren;
        EXPECT_EQ(r.to, c.to) << c.buchstabieren;
    }
}

TEST(TaskRules, RightAnswerBlinkSpeedsUp)
{
    const QVector<BlinkFrame> frames = RightAnswerBlink();
    ASSERT_EQ(frames.size(), 25);
    EXPECT_EQ(frames[0].ms, 70);
    EXPECT_EQ(frames[1].effect, u'2');
    EXPECT_EQ(frames[3].effect, u'1');
    EXPECT_EQ(frames[4].ms, 35);
    EXPECT_EQ(frames[23].ms, 11);
    EXPECT_EQ(frames[24].effect, u' ');
    EXPECT_EQ(frames[24].ms, 300);
}
