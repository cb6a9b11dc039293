#include "platform/messages.h"
#include "sound/button_sound_player.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

using namespace wavbytes;

namespace {

using Cmd = CommandRecorder::Command;

class ButtonSoundPlayerTest : public ::testing::Test {
protected:
    ButtonSoundPlayerTest()
    {
        // Half a second each at 8 kHz (the last two frames are cut off).
        prog.Write("sprache\\hund.wav", Wav(1, 8000, 16, Samples16(Noise(4002))));
        prog.Write("sprache\\katze.wav", Wav(1, 8000, 16, Samples16(Noise(4002))));
        SetMessageHook([this](const MessageRequest& r) {
            messages.push_back(r.title + "|" + r.text);
            return Answer::Ok;
        });
    }
    ~ButtonSoundPlayerTest() override { SetMessageHook({}); }

    void Play(qint64 ms)
    {
        clock.Advance(ms);
        DrainEvents();
    }

    FakeClock clock;
    FakeAudioDevice device{clock};
    TempProgram prog;
    CommandRecorder owner;
    std::vector<QString> messages;
};

} // namespace

TEST_F(ButtonSoundPlayerTest, PlaysAndReportsTheEndAsCommand1000)
{
    ButtonSoundPlayer word(&owner, 120);
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_TRUE(word.IsPlaying());
    EXPECT_EQ(PlayingButton(), &word);
    EXPECT_EQ(device.LastData(AudioChannel::Button).size(), 8000);
    Play(400);
    EXPECT_TRUE(IsSoundPlaying());
    EXPECT_TRUE(owner.commands.empty());
    Play(100);
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(word.IsPlaying());
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 120}}));
}

TEST_F(ButtonSoundPlayerTest, SecondWordIsDroppedWhileOnePlaysAndPlaysAfterAStop)
{
    ButtonSoundPlayer first(&owner, 1);
    ButtonSoundPlayer second(&owner, 2);
    ASSERT_TRUE(first.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_FALSE(second.PlaySoundFile(QString("sprache\\katze.wav")));
    EXPECT_EQ(device.plays.size(), 1u);
    DrainEvents();
    EXPECT_TRUE(owner.commands.empty());

    SoundStopRequest();
    EXPECT_FALSE(IsSoundPlaying());
    ASSERT_TRUE(second.PlaySoundFile(QString("sprache\\katze.wav")));
    EXPECT_EQ(PlayingButton(), &second);
    Play(1000);
    // The stopped sound sends nothing; only the second one reports its end.
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 2}}));
}

TEST_F(ButtonSoundPlayerTest, MissingNameStopsTheSoundAndAnswersBeforeReturning)
{
    ButtonSoundPlayer word(&owner, 1);
    ButtonSoundPlayer other(&owner, 7);
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    other.SetPlaying(true);
    EXPECT_FALSE(other.PlaySoundFile(QString("sprache\\nichtda.wav")));
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 7}})); // sent, not queued
    EXPECT_FALSE(other.IsPlaying());
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(device.IsSounding(AudioChannel::Button));
    Play(1000);
    EXPECT_EQ(owner.commands.size(), 1u); // the stopped sound stays silent
}

TEST_F(ButtonSoundPlayerTest, RepeatByRewritingGivesOneSoundFinished)
{
    // 1 MiB of data after the cut: three copies would pass 2 MiB, so the
    // buffer is written three times.
    prog.Write("lang.wav", Wav(1, 8000, 16, QByteArray(1048576 + 4, '\0')));
    ButtonSoundPlayer word(&owner, 3);
    word.SetSoundControlString(" 3  10050             ");
    ASSERT_TRUE(word.PlaySoundFile(QString("lang.wav")));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(device.PlayCount(AudioChannel::Button), i + 1);
        EXPECT_TRUE(owner.commands.empty());
        Play(65536); // 524288 frames at 8 kHz
    }
    EXPECT_EQ(device.PlayCount(AudioChannel::Button), 3);
    EXPECT_EQ(word.RepeatCounter(), 3);
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 3}}));

    // A short sound is repeated by copying: one write of three copies.
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_EQ(device.LastData(AudioChannel::Button).size(), 3 * 8000);
    Play(1500);
    EXPECT_EQ(owner.commands.size(), 2u);
}

TEST_F(ButtonSoundPlayerTest, StartNoticeGoesToTheOwnerWhenAsked)
{
    ButtonSoundPlayer word(&owner, 1);
    word.SetSoundControlString("S1  10050             ");
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_EQ(owner.noticeFlags, std::vector<int>{0});
}

TEST_F(ButtonSoundPlayerTest, UnplayableFilesEndAsThePartsSay)
{
    // No data chunk; and a fmt chunk whose size runs past the end of the file.
    prog.Write("ohnedaten.wav", Riff(Chunk("fmt ", Fmt(1, 8000, 16)) + Chunk("LIST", QByteArray(30, 'x'))));
    QByteArray lying = Wav(1, 8000, 16, QByteArray(40, '\0'));
    lying[16] = '\xff';
    lying[17] = '\xff';
    prog.Write("kaputt.wav", lying);
    prog.Write("kurz.wav", Wav(1, 8000, 16, QByteArray()).left(39));
    prog.Write("vierbit.wav", Wav(1, 8000, 4, QByteArray(100, '\x11')));
    ButtonSoundPlayer word(&owner, 5);

    // Malformed or too short: SoundFinished is queued, nothing plays.
    for (const char* name : {"ohnedaten.wav", "kaputt.wav", "kurz.wav"}) {
        owner.commands.clear();
        EXPECT_FALSE(word.PlaySoundFile(QString(name)));
        EXPECT_TRUE(owner.commands.empty()) << name;
        DrainEvents();
        EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 5}})) << name;
    }
    // 4-bit data: the format message, then the device refuses it: no command.
    owner.commands.clear();
    EXPECT_FALSE(word.PlaySoundFile(QString("vierbit.wav")));
    DrainEvents();
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(messages, std::vector<QString>{"Sound kann nicht abgespielt werden!|Kein gültiges Wav-Format!"});
    EXPECT_TRUE(device.plays.empty());
    EXPECT_FALSE(IsSoundPlaying());
}

TEST_F(ButtonSoundPlayerTest, WithoutADeviceEveryRequestEndsAtOnce)
{
    device.available = false;
    ButtonSoundPlayer word(&owner, 9);
    EXPECT_FALSE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_TRUE(WaitForSoundEnd());
    DrainEvents();
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 9}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ButtonSoundPlayerTest, RefusedWritesShowTheirMessageAndLeaveNothingPlaying)
{
    ButtonSoundPlayer word(&owner, 1);
    device.nextResult = PlayResult::Refused;
    EXPECT_FALSE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    device.nextResult = PlayResult::NotOpen;
    EXPECT_FALSE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_EQ(messages, (std::vector<QString>{"Fehler bei Function Waveoutwrite|Gerät verweigert",
                                              "Fehler beim Abspielen einer Wave-Datei |Wave ist nicht geöffnet "}));
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(word.IsPlaying());
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
}

TEST_F(ButtonSoundPlayerTest, NamesWithoutExtension)
{
    // A number is a beep and an immediate answer.
    prog.Write("42", "x");
    ButtonSoundPlayer word(&owner, 4);
    EXPECT_FALSE(word.PlaySoundFile(QString("42")));
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 4}}));

    // Any other name is tried as its short form with ".wav".
    prog.Write("Äpfel", "x");
    prog.Write("aepfel.wav", Wav(1, 8000, 16, Samples16(Noise(102))));
    ASSERT_TRUE(word.PlaySoundFile(QString("Äpfel")));
    EXPECT_EQ(device.LastData(AudioChannel::Button).size(), 200);

    const std::pair<QString, QString> names[] = {{"Äpfel", "aepfel"},       {"Straßenbahn", "strassen"},
                                                 {"AB.CDEFGH", "ab_cdefg"}, {"  Öl", "oel"},
                                                 {"   ", ""},               {"Müllers Kühe", "muellers"}};
    for (const auto& [name, shortName] : names)
        EXPECT_EQ(ShortSoundName(name), shortName) << name.toStdString();
}

TEST_F(ButtonSoundPlayerTest, MidiIsMeasuredAndAnsweredAtOnce)
{
    prog.Write("lied.mid", QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x04\0\xff\x2f\0", 26));
    ButtonSoundPlayer word(&owner, 6);
    EXPECT_FALSE(word.PlaySoundFile(QString("lied.mid")));
    EXPECT_FALSE(IsSoundPlaying());
    DrainEvents();
    EXPECT_EQ(owner.commands, (std::vector<Cmd>{{1000, 6}}));
}

TEST_F(ButtonSoundPlayerTest, WaitForSoundEndRunsUntilTheEnd)
{
    ButtonSoundPlayer word(&owner, 1);
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_FALSE(WaitForSoundEnd(3)); // 300 ms are not enough
    const qint64 before = clock.NowMs();
    EXPECT_TRUE(WaitForSoundEnd());
    EXPECT_EQ(clock.NowMs() - before, 200);
    DrainEvents();
    EXPECT_EQ(owner.commands.size(), 1u);
}

TEST_F(ButtonSoundPlayerTest, ReleaseFlagFreesTheKeptSound)
{
    ButtonSoundPlayer word(&owner, 1);
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    Play(600);
    EXPECT_EQ(word.Loaded().length, 8000); // kept after the end
    word.SetReleaseFlag(true);
    ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    EXPECT_FALSE(word.ReleaseFlag()); // every load clears it
    word.SetReleaseFlag(true);
    Play(600);
    EXPECT_EQ(word.Loaded().length, 0);
}

TEST_F(ButtonSoundPlayerTest, DestroyingThePlayingButtonSilencesIt)
{
    {
        ButtonSoundPlayer word(&owner, 1);
        ASSERT_TRUE(word.PlaySoundFile(QString("sprache\\hund.wav")));
    }
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(device.IsSounding(AudioChannel::Button));
    Play(1000);
    EXPECT_TRUE(owner.commands.empty());
}
