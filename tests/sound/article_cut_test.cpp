// Choosing how a recording with a trailing article in its name is played.
#include "sound/article_cut.h"
#include "sound/twav.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

using namespace wavbytes;

TEST(ArticleCut, OnlyRecordingsNamedWithTheirArticleBehindAreCut)
{
    EXPECT_TRUE(NamesTrailingArticle("Sounds\\Hund der.wav"));
    EXPECT_TRUE(NamesTrailingArticle("Sounds\\Katze die.wav"));
    EXPECT_TRUE(NamesTrailingArticle("Sounds\\Haus das.WAV"));
    EXPECT_FALSE(NamesTrailingArticle("Sounds\\der Hund.wav"));
    EXPECT_FALSE(NamesTrailingArticle("Sounds\\Hund Der.wav"));
    EXPECT_FALSE(NamesTrailingArticle("Sounds\\Hunder.wav"));

    const struct {
        bool exists, trailing;
        std::optional<int> pause;
        int length;
        RecordingPlay play;
    } cases[] = {
        {true, true, 320, 800, {false, 320, 800}},
        {true, true, std::nullopt, 800, {false, 25, 800}},  // the pause not found: 25
        {true, true, 2048, 1000, {true, 0, 0}},             // shorter than the pause: whole
        {true, true, 1000, 1000, {true, 0, 0}},             // no pause: the end, whole
        {true, true, 320, -1, {true, 0, 0}},                // not readable as WAV
        {true, false, 320, 800, {true, 0, 0}},
        {false, true, 320, 800, {true, 0, 0}},
    };
    for (const auto& c : cases) {
        const RecordingPlay p = ChooseRecordingPlay(c.exists, c.trailing, c.pause, c.length);
        EXPECT_EQ(p.whole, c.play.whole) << c.length;
        EXPECT_EQ(p.fromMs, c.play.fromMs) << c.length;
        EXPECT_EQ(p.toMs, c.play.toMs) << c.length;
    }
}

TEST(ArticleCut, MeasuresTheRecording)
{
    TempProgram prog;
    const int rate = 44100;
    std::vector<qint16> spoken = Noise(rate * 3 / 10);       // the article, 300 ms
    spoken.resize(spoken.size() + size_t(rate * 4 / 100), 0); // 40 ms of silence
    const auto noun = Noise(rate / 2);                        // the noun, 500 ms
    spoken.insert(spoken.end(), noun.begin(), noun.end());
    prog.Write("Sounds/Hund der.wav", Wav(1, rate, 16, Samples16(spoken)));
    prog.Write("Sounds/Hund.wav", Wav(1, rate, 16, Samples16(spoken)));
    // No pause at all: the search gives the end of the file back.
    prog.Write("Sounds/Maus die.wav", Wav(1, rate, 16, Samples16(Noise(rate))));
    TWAV wav;

    const RecordingPlay cut = ChooseRecordingPlay(wav, "Sounds\\Hund der.wav");
    EXPECT_FALSE(cut.whole);
    EXPECT_GT(cut.fromMs, 300);
    EXPECT_LT(cut.fromMs, 340);
    EXPECT_EQ(cut.toMs, 840);
    EXPECT_TRUE(ChooseRecordingPlay(wav, "Sounds\\Hund.wav").whole);
    EXPECT_TRUE(ChooseRecordingPlay(wav, "Sounds\\Maus die.wav").whole);
    EXPECT_TRUE(ChooseRecordingPlay(wav, "Sounds\\Kuh die.wav").whole);  // missing
    EXPECT_TRUE(ChooseRecordingPlay(wav, "").whole);
}
