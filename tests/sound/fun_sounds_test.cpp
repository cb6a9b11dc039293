#include "data/exercise_settings.h"
#include "platform/random.h"
#include "sound/button_sound_player.h"
#include "sound/fun_sounds.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

#include <set>

using namespace wavbytes;

namespace {

// A tiny sound whose one sample tells which file it was.
QByteArray Marked(int mark)
{
    return Wav(1, 8000, 16, Samples16({qint16(mark), qint16(mark)}));
}

class FunSoundsTest : public ::testing::Test {
protected:
    FunSoundsTest()
    {
        ExerciseSettings() = ExerciseSettingsRecord{};
        SeedRandom(7);
    }
    ~FunSoundsTest() override { FunSounds() = FunSoundList{}; }

    void WriteFeedbackFolders()
    {
        for (int i = 0; i < 3; ++i)
            prog.Write(QString("fun\\positiv\\lob%1.wav").arg(i), Marked(100 + i));
        for (int i = 0; i < 5; ++i)
            prog.Write(QString("fun\\negativ\\Fehler%1.WAV").arg(i), Marked(200 + i));
        prog.Write("fun\\negativ\\liesmich.txt", "x");
    }
    int LastMark() const { return Read16(device.LastData(AudioChannel::Simple)).at(0); }

    FakeClock clock;
    FakeAudioDevice device{clock};
    TempProgram prog;
};

} // namespace

TEST_F(FunSoundsTest, ListsPraiseAndErrorSoundsSideBySide)
{
    WriteFeedbackFolders();
    LoadFunSounds();
    const FunSoundList& fun = FunSounds();
    ASSERT_TRUE(fun.list);
    EXPECT_EQ(fun.list->title, "Funsounds");
    EXPECT_EQ(fun.praiseCount, 3);
    EXPECT_EQ(fun.errorCount, 5);
    ASSERT_EQ(fun.list->Count(), 5);
    EXPECT_EQ(fun.list->Entry(0)->Field(3), "POSITIV\\LOB0.WAV");
    EXPECT_EQ(fun.list->Entry(0)->Field(4), "NEGATIV\\FEHLER0.WAV");
    EXPECT_EQ(fun.list->Entry(2)->Field(3), "POSITIV\\LOB2.WAV");
    EXPECT_EQ(fun.list->Entry(3)->Field(3), "");
    EXPECT_EQ(fun.list->Entry(4)->Field(4), "NEGATIV\\FEHLER4.WAV");

    // Praise never picks entries 3 and 4; every pick plays its own file.
    std::set<int> beams, ratters;
    for (int i = 0; i < 60; ++i) {
        PlayRandomFunSound(Feedback::Praise);
        const int beam = ExerciseSettings().beam;
        beams.insert(beam);
        EXPECT_EQ(LastMark(), 100 + beam);
        PlayRandomFunSound(Feedback::Error);
        ratters.insert(ExerciseSettings().ratter);
        EXPECT_EQ(LastMark(), 200 + ExerciseSettings().ratter);
    }
    EXPECT_EQ(beams, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(ratters, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST_F(FunSoundsTest, SettingsSilenceTheChoice)
{
    WriteFeedbackFolders();
    LoadFunSounds();
    // Positivsound 0: a praise is chosen, but nothing sounds.
    ExerciseSettings().positivsound = 0;
    PlayRandomFunSound(Feedback::Praise);
    EXPECT_NE(ExerciseSettings().beam, -1);
    // A negative setting does not even choose.
    ExerciseSettings().funsound = -1;
    PlayRandomFunSound(Feedback::Error);
    EXPECT_EQ(ExerciseSettings().ratter, -1);
    EXPECT_TRUE(device.plays.empty());

    // Empty folders: counts 0, nothing chosen or played.
    FunSounds() = FunSoundList{};
    TempProgram empty;
    LoadFunSounds();
    EXPECT_EQ(FunSounds().praiseCount, 0);
    EXPECT_EQ(FunSounds().errorCount, 0);
    ExerciseSettings() = ExerciseSettingsRecord{};
    PlayRandomFunSound(Feedback::Praise);
    PlayRandomFunSound(Feedback::Error);
    EXPECT_EQ(ExerciseSettings().beam, -1);
    EXPECT_TRUE(device.plays.empty());
}

TEST_F(FunSoundsTest, PraiseWaitsHalfASecondForAButtonSound)
{
    WriteFeedbackFolders();
    LoadFunSounds();
    prog.Write("wort.wav", Wav(1, 8000, 16, Samples16(Noise(8002))));
    QObject owner;
    ButtonSoundPlayer word(&owner, 1);
    ASSERT_TRUE(word.PlaySoundFile(QString("wort.wav")));
    const qint64 before = clock.NowMs();
    PlayRandomFunSound(Feedback::Praise);
    EXPECT_EQ(clock.NowMs() - before, 500);
    EXPECT_EQ(device.PlayCount(AudioChannel::Simple), 1);
    const qint64 again = clock.NowMs();
    PlayRandomFunSound(Feedback::Error); // error sounds do not wait
    EXPECT_EQ(clock.NowMs(), again);
}

TEST_F(FunSoundsTest, PlayFunSoundNamesFilesInFun)
{
    prog.Write("fun\\gewonnen.wav", Marked(1));
    prog.Write("fun\\#33.wav", Marked(33));
    prog.Write("fun\\positiv\\JUHU.wav", Marked(5));
    QObject owner;
    ButtonSoundPlayer help(&owner, 99);

    EXPECT_FALSE(PlayFunSound(0, "gewonnen", &help));
    EXPECT_FALSE(PlayFunSound(1, "", &help));
    EXPECT_FALSE(help.IsPlaying());
    EXPECT_TRUE(PlayFunSound(1, "gewonnen", &help));
    EXPECT_TRUE(help.IsPlaying());
    EXPECT_EQ(LastMark(), 1);
    EXPECT_TRUE(PlayFunSound(2, "#33"));
    EXPECT_EQ(LastMark(), 33);
    EXPECT_TRUE(PlayFunSound(1, "POSITIV\\JUHU.WAV"));
    EXPECT_EQ(LastMark(), 5);
    EXPECT_FALSE(PlayFunSound(1, "holz"));
    EXPECT_FALSE(device.IsSounding(AudioChannel::Simple)); // the last one is cut off
}
