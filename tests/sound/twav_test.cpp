#include "sound/adpcm.h"
#include "sound/twav.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

using namespace wavbytes;

namespace {

std::vector<qint16> Silence(int frames)
{
    return std::vector<qint16>(size_t(frames), 0);
}

std::vector<qint16> Join(std::initializer_list<std::vector<qint16>> parts)
{
    std::vector<qint16> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

QByteArray To8Bit(const std::vector<qint16>& s)
{
    QByteArray b;
    for (qint16 v : s)
        b += char((v >> 8) + 128);
    return b;
}

QByteArray ImaWav(const std::vector<qint16>& s, int rate)
{
    return Riff(Chunk("fmt ", Fmt(1, rate, 4, kFormatImaAdpcm, 256)) + Chunk("data", ImaAdpcmMono(s)));
}

} // namespace

TEST(TWAV, GetLengthMs)
{
    TempProgram prog;
    QByteArray lyingSize = Wav(1, 1000, 16, QByteArray(200, '\0'));
    lyingSize[40] = '\xff'; // data size far beyond the file
    const std::pair<QByteArray, int> files[] = {
        {Wav(1, 44100, 16, QByteArray(88200, '\0')), 1000},
        {Wav(2, 22050, 8, QByteArray(22050, '\x80')), 500},
        {Wav(1, 8000, 4, QByteArray(4000, '\0')), 1000},
        {Wav(1, 11025, 0, QByteArray(22050, '\0')), 1000}, // no bit count: 16 bits
        {lyingSize, 100},
        {Riff(Chunk("fmt ", Fmt(1, 44100, 16))), -1},  // no data chunk
        {Wav(1, 44100, 12, QByteArray(100, '\0')), -1}, // bits neither 4, 8 nor 16
        {Wav(0, 44100, 16, QByteArray(100, '\0')), -1},
        {Wav(1, 0, 16, QByteArray(100, '\0')), -1},
        {Riff(Chunk("fmtx", Fmt(1, 8000, 16)) + Chunk("data", QByteArray(16, '\0'))), -1},
        {QByteArray("RIFX....WAVE"), -1},
    };
    TWAV wav;
    int i = 0;
    for (const auto& [bytes, ms] : files) {
        const QString name = QString("s%1.wav").arg(i++);
        prog.Write(name, bytes);
        EXPECT_EQ(wav.GetLengthMs(name), ms) << name.toStdString();
    }
    EXPECT_EQ(wav.GetLengthMs("fehlt.wav"), -1);
}

TEST(TWAV, FindPauseAfterFindsTheGapBehindTheArticle)
{
    TempProgram prog;
    const int rate = 44100;
    // "der" (300 ms), 40 ms of silence, "Hund" (500 ms).
    const auto spoken = Join({Noise(rate * 3 / 10), Silence(rate * 4 / 100), Noise(rate / 2)});
    prog.Write("ohne.wav", Wav(1, rate, 16, Samples16(Noise(rate))));
    prog.Write("der hund.wav", Wav(1, rate, 16, Samples16(spoken)));
    prog.Write("stereo.wav", Wav(2, rate, 16, Samples16(Join({spoken, spoken}))));
    prog.Write("acht.wav", Wav(1, rate, 8, To8Bit(spoken)));
    prog.Write("ima.wav", ImaWav(spoken, rate));
    TWAV wav;

    int gap = 25;
    // Without a pause: the end of the recording, in the unit asked for.
    EXPECT_EQ(wav.FindPauseAfter("ohne.wav", 2048, true, gap, 1), 1000);
    EXPECT_EQ(wav.FindPauseAfter("ohne.wav", 2048, false, gap, 1), rate);
    EXPECT_EQ(gap, 25);
    EXPECT_EQ(wav.FindPauseAfter("fehlt.wav", 2048, true, gap, 1), std::nullopt);

    for (const char* name : {"der hund.wav", "acht.wav", "ima.wav"}) {
        gap = 25;
        const auto at = wav.FindPauseAfter(name, 2048, true, gap, 1);
        ASSERT_TRUE(at.has_value()) << name;
        EXPECT_GT(*at, 300) << name;
        EXPECT_LT(*at, 340) << name;
        EXPECT_GT(gap, rate * 25 / 1000) << name; // frames of the quiet stretch
    }
    // In frames when asked, and on the first channel of a stereo recording.
    gap = 25;
    const auto frames = wav.FindPauseAfter("der hund.wav", 2048, false, gap, 1);
    ASSERT_TRUE(frames.has_value());
    EXPECT_GT(*frames, rate * 3 / 10);
    EXPECT_LT(*frames, rate * 34 / 100);
}

TEST(Adpcm, DecodesBothFourBitFormats)
{
    // IMA: the reference encoder's output comes back close to the input.
    const auto tone = Noise(3000, 8000);
    WaveFormat ima{kFormatImaAdpcm, 1, 8000, 4000, 256, 4};
    const QByteArray encoded = ImaAdpcmMono(tone);
    const auto decoded = DecodeAdpcm(ima, encoded.constData(), encoded.size());
    ASSERT_GE(decoded.size(), tone.size());
    double error = 0;
    for (size_t i = 0; i < tone.size(); ++i)
        error += std::abs(decoded[i] - tone[i]);
    EXPECT_LT(error / tone.size(), 1500);

    // MS ADPCM: header (predictor 0, delta 16, sample1 100, sample2 50), then
    // nibbles 0 and 1: samples 50, 100, 100, 116.
    const char block[] = {0, 16, 0, 100, 0, 50, 0, 0x01};
    WaveFormat ms{kFormatMsAdpcm, 1, 8000, 4000, 8, 4};
    EXPECT_EQ(DecodeAdpcm(ms, block, sizeof block), (std::vector<qint16>{50, 100, 100, 116}));
    // Not an ADPCM layout, or a block shorter than its header: nothing.
    EXPECT_TRUE(DecodeAdpcm(WaveFormat{1, 1, 8000, 0, 2, 16}, block, sizeof block).empty());
    EXPECT_TRUE(DecodeAdpcm(ms, block, 3).empty());
}

TEST(TWAV, PlayRangePlaysAPartAndNotifies)
{
    FakeClock clock;
    FakeAudioDevice device(clock);
    TempProgram prog;
    prog.Write("wort.wav", Wav(1, 1000, 16, Samples16(Ramp(1000))));
    prog.Write("ima.wav", ImaWav(Noise(4000), 8000));
    CommandRecorder window;
    TWAV wav;

    ASSERT_TRUE(wav.PlayRange(&window, "wort.wav", 250, 1000));
    EXPECT_TRUE(wav.Busy());
    const auto ramp = Ramp(1000);
    EXPECT_EQ(Read16(device.LastData(AudioChannel::Range)), std::vector<qint16>(ramp.begin() + 250, ramp.end()));
    EXPECT_FALSE(wav.PlayRange(&window, "wort.wav", 0, 100)); // busy
    clock.Advance(750);
    DrainEvents();
    EXPECT_EQ(window.noticeFlags, std::vector<int>{MediaNoticeEvent::kSuccessful});
    EXPECT_FALSE(wav.Busy());

    // Closing the devices silences the part without a notice.
    ASSERT_TRUE(wav.PlayRange(&window, "ima.wav", 100, 200));
    EXPECT_EQ(device.LastData(AudioChannel::Range).size(), 1600); // decoded to 16 bits
    EXPECT_TRUE(wav.CloseAllDevices());
    EXPECT_FALSE(wav.Busy());
    EXPECT_EQ(wav.LastDevice(), 0);
    clock.Advance(1000);
    DrainEvents();
    EXPECT_EQ(window.noticeFlags.size(), 1u);

    EXPECT_FALSE(wav.PlayRange(&window, "fehlt.wav", 0, 100));
    EXPECT_FALSE(wav.PlayRange(&window, "wort.wav", 500, 500)); // empty part
}
