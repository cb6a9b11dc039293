#include "sound/simple_sound.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

using namespace wavbytes;

TEST(SimpleSound, NextSoundCutsThePreviousAndSyncWaitsForTheEnd)
{
    FakeClock clock;
    FakeAudioDevice device(clock);
    TempProgram prog;
    prog.Write("fun\\gewonnen.wav", Wav(1, 8000, 16, Samples16(Noise(4000))));
    prog.Write("fun\\verloren.wav", Wav(1, 8000, 8, QByteArray(800, '\x90')));

    ASSERT_TRUE(PlaySimpleSound("fun\\gewonnen.wav"));
    EXPECT_TRUE(IsSimpleSoundPlaying());
    ASSERT_TRUE(PlaySimpleSound("FUN\\Verloren.WAV"));
    EXPECT_EQ(device.PlayCount(AudioChannel::Simple), 2);
    EXPECT_EQ(device.LastData(AudioChannel::Simple), QByteArray(800, '\x90'));
    clock.Advance(100);
    EXPECT_FALSE(IsSimpleSoundPlaying()); // the first one is gone with the second

    const qint64 start = clock.NowMs();
    ASSERT_TRUE(PlaySimpleSound("fun\\gewonnen.wav", SimpleSoundMode::Sync));
    EXPECT_FALSE(IsSimpleSoundPlaying());
    EXPECT_GE(clock.NowMs() - start, 500);
    EXPECT_LT(clock.NowMs() - start, 520);

    ASSERT_TRUE(PlaySimpleSound("fun\\gewonnen.wav"));
    EXPECT_FALSE(PlaySimpleSound("fun\\fehlt.wav"));
    EXPECT_FALSE(IsSimpleSoundPlaying()); // a missing file still silences the last
    device.available = false;
    FakeAudioDevice none;
    none.available = false;
    EXPECT_FALSE(PlaySimpleSound("fun\\gewonnen.wav"));
}
