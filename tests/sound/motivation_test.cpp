#include "data/exercise_settings.h"
#include "data/program_state.h"
#include "platform/random.h"
#include "sound/button_sound_player.h"
#include "sound/motivation.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

#include <set>

using namespace wavbytes;

namespace {

class MotivationTest : public ::testing::Test {
protected:
    MotivationTest()
    {
        ExerciseSettings() = ExerciseSettingsRecord{};
        SeedRandom(11);
        // Rows r = 0..5: sounds "m<r>_<voice>.wav", texts "Text <r> <voice>".
        QByteArray table = "Motivation\r\nintern\r\n";
        for (int r = 0; r < 6; ++r) {
            QByteArray row;
            for (int v = 0; v < 3; ++v) {
                const QByteArray name = "sprache\\m" + QByteArray::number(r) + "_" + QByteArray::number(v) + ".wav";
                prog.Write(QString::fromLatin1(name), Wav(1, 8000, 16, Samples16({qint16(r * 10 + v), 0, 0, 0})));
                row += name + ";";
            }
            row += "Text " + QByteArray::number(r) + " 0;Text " + QByteArray::number(r) + " 1;Gro\xdf" "e " +
                   QByteArray::number(r) + "\r\n";
            table += row;
        }
        prog.Write("intern\\motiv.txt", table);
        prog.Write("intern\\hinweis.txt", table);
        praise = LoadFeedbackTable(kPraiseTable);
        hints = LoadFeedbackTable(kHintTable);
    }

    // The sample that marks the last sound on the button channel: row * 10 + voice.
    int LastMark() const
    {
        const auto s = Read16(device.LastData(AudioChannel::Button));
        return s.empty() ? -1 : s[0];
    }
    void EndSound()
    {
        SoundStopRequest();
        device.plays.clear();
    }

    FakeClock clock;
    FakeAudioDevice device{clock};
    TempProgram prog;
    QObject owner;
    ButtonSoundPlayer help{&owner, 4};
    std::unique_ptr<tmoiel> praise, hints;
};

} // namespace

TEST_F(MotivationTest, PicksInTheRangeAndPlaysTheVoice)
{
    ASSERT_EQ(praise->Count(), 6);
    std::set<int> seen;
    for (int i = 0; i < 80; ++i) {
        const int index = PickMotivation(praise.get(), 0, -1, 0, &help);
        seen.insert(index);
        EXPECT_EQ(LastMark(), index * 10);
        EndSound();
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(PickHint(hints.get(), 2, 3, 0, &help), 2);
        EndSound();
    }
    // A highest below the lowest is raised to it; beyond the table it is the count.
    EXPECT_EQ(PickHint(hints.get(), 5, 1, 0, &help), 5);
    EndSound();
    EXPECT_EQ(PickMotivation(praise.get(), 5, 99, 0, &help), 5);
    EndSound();

    // Stimme 4: voice 1, the sound of field 1 and the text of field 4.
    const int index = PickMotivation(praise.get(), 3, 4, 4, &help);
    EXPECT_EQ(LastMark(), 31);
    EXPECT_EQ(MotivationText(praise.get(), index, 4), "Text 3 1");
    EXPECT_EQ(HintText(hints.get(), 0, 2), "Große 0");
    EXPECT_EQ(HintText(hints.get(), 6, 0), "");
    EXPECT_EQ(MotivationText(nullptr, 0, 0), "");
}

TEST_F(MotivationTest, SettingsDecideWhatSounds)
{
    // SoundnachEingabe 1 silences praise, not hints.
    ExerciseSettings().soundnachEingabe = 1;
    PickMotivation(praise.get(), 0, -1, 0, &help);
    EXPECT_TRUE(device.plays.empty());
    EXPECT_TRUE(help.IsPlaying()); // still marked as playing
    PickHint(hints.get(), 1, 2, 0, &help);
    EXPECT_EQ(LastMark(), 10);
    EndSound();

    // Mit_ton 0: no sound at all, and the button is not marked.
    ExerciseSettings() = ExerciseSettingsRecord{};
    ExerciseSettings().mitTon = 0;
    help.SetPlaying(false);
    PickMotivation(praise.get(), 0, -1, 0, &help);
    PickHint(hints.get(), 0, -1, 0, &help);
    EXPECT_TRUE(device.plays.empty());
    EXPECT_FALSE(help.IsPlaying());

    // An empty table: result 0, nothing happens.
    tmoiel empty;
    ExerciseSettings().mitTon = 1;
    EXPECT_EQ(PickMotivation(&empty, 3, 5, 0, &help), 0);
    EXPECT_EQ(PickHint(nullptr, 3, 5, 0, &help), 0);
    EXPECT_TRUE(device.plays.empty());
    EXPECT_TRUE(LoadFeedbackTable("intern\\fehlt.txt")->IsEmpty());
}

TEST_F(MotivationTest, PraiseWaitsUpToTwiceSixHundredMillisecondsForASound)
{
    prog.Write("lang.wav", Wav(1, 8000, 16, Samples16(Noise(8000 * 3))));
    ButtonSoundPlayer word(&owner, 1);
    ASSERT_TRUE(word.PlaySoundFile(QString("lang.wav")));
    qint64 before = clock.NowMs();
    PickMotivation(praise.get(), 0, -1, 0, &help);
    EXPECT_EQ(clock.NowMs() - before, 1200);
    EXPECT_EQ(device.PlayCount(AudioChannel::Button), 1); // still sounding: the praise is dropped

    EndSound();
    before = clock.NowMs();
    PickHint(hints.get(), 0, -1, 0, &help);
    EXPECT_EQ(clock.NowMs(), before);
}

TEST_F(MotivationTest, SwissModeSpellsTheTextsWithDoubleS)
{
    Program().swissMode = true;
    const auto swiss = LoadFeedbackTable(kHintTable);
    Program().swissMode = false;
    EXPECT_EQ(HintText(swiss.get(), 0, 2), "Grosse 0");
}
