// Recordings in the encodings recorders and editors write: each plays on a
// button and on the range channel and measures alike.
#include "sound/adpcm.h"
#include "sound/button_sound_player.h"
#include "sound/twav.h"
#include "sound/wav_decoding.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

using namespace wavbytes;

namespace {

constexpr int kRate = 8000;

// "der" (300 ms), 40 ms of silence, "Hund" (500 ms).
std::vector<qint16> Spoken()
{
    std::vector<qint16> s = Noise(kRate * 3 / 10, 9000);
    s.resize(s.size() + kRate * 4 / 100, 0);
    const auto noun = Noise(kRate / 2, 9000);
    s.insert(s.end(), noun.begin(), noun.end());
    return s;
}

QByteArray Extensible(int channels, int bits, quint16 subFormat, int validBits = -1)
{
    QByteArray f = Fmt(channels, kRate, bits, 0xFFFE);
    PutU16(f, 22);
    PutU16(f, quint16(validBits < 0 ? bits : validBits));
    PutU32(f, channels == 1 ? 4 : 3);
    PutU16(f, subFormat);
    f += QByteArray::fromHex("000000001000800000aa00389b71");
    return f;
}

quint8 ToMuLaw(qint16 sample)
{
    // The reference encoder of G.711 mu-law.
    int s = sample;
    const int sign = s < 0 ? 0x80 : 0;
    s = std::min(std::abs(s), 32635) + 0x84;
    int exponent = 7;
    for (int mask = 0x4000; exponent > 0 && !(s & mask); mask >>= 1)
        --exponent;
    return quint8(~(sign | (exponent << 4) | ((s >> (exponent + 3)) & 0x0f)));
}

quint8 ToALaw(qint16 sample)
{
    int s = sample;
    const int sign = s >= 0 ? 0x80 : 0;
    s = std::min(std::abs(s), 32767) >> 3;
    int exponent = 0;
    while (exponent < 7 && s >= (32 << exponent))
        ++exponent;
    const int mantissa = exponent == 0 ? (s >> 1) & 0x0f : (s >> exponent) & 0x0f;
    return quint8((sign | (exponent << 4) | mantissa) ^ 0x55);
}

struct Encoded {
    const char* name;
    QByteArray file;
};

std::vector<Encoded> Encodings(const std::vector<qint16>& s)
{
    QByteArray pcm24, pcm32, float32, float64, alaw, mulaw;
    for (qint16 v : s) {
        pcm24 += char(0x5a);
        PutU16(pcm24, quint16(v));
        PutU16(pcm32, 0x1234);
        PutU16(pcm32, quint16(v));
        char x[8];
        qToLittleEndian<float>(float(v / 32767.0), x);
        float32.append(x, 4);
        qToLittleEndian<double>(v / 32767.0, x);
        float64.append(x, 8);
        alaw += char(ToALaw(v));
        mulaw += char(ToMuLaw(v));
    }
    QByteArray fact;
    PutU32(fact, quint32(s.size()));
    return {
        {"pcm16", Wav(1, kRate, 16, Samples16(s))},
        {"pcm24", Riff(Chunk("fmt ", Fmt(1, kRate, 24)) + Chunk("data", pcm24))},
        {"pcm32", Riff(Chunk("fmt ", Fmt(1, kRate, 32)) + Chunk("data", pcm32))},
        {"float32", Riff(Chunk("fmt ", Fmt(1, kRate, 32, kFormatFloat)) + Chunk("data", float32))},
        {"float64", Riff(Chunk("fmt ", Fmt(1, kRate, 64, kFormatFloat)) + Chunk("data", float64))},
        {"ext16", Riff(Chunk("fmt ", Extensible(1, 16, kFormatPcm)) + Chunk("data", Samples16(s)))},
        {"ext24of20", Riff(Chunk("fmt ", Extensible(1, 24, kFormatPcm, 20)) + Chunk("data", pcm24))},
        {"extfloat", Riff(Chunk("fmt ", Extensible(1, 32, kFormatFloat)) + Chunk("data", float32))},
        {"alaw", Riff(Chunk("fmt ", Fmt(1, kRate, 8, kFormatALaw)) + Chunk("data", alaw))},
        {"mulaw", Riff(Chunk("fmt ", Fmt(1, kRate, 8, kFormatMuLaw)) + Chunk("data", mulaw))},
        {"ima", Riff(Chunk("fmt ", Fmt(1, kRate, 4, kFormatImaAdpcm, 256)) + Chunk("fact", fact) +
                     Chunk("data", ImaAdpcmMono(s)))},
    };
}

} // namespace

TEST(WavDecoding, SamplesOfEveryEncodingComeOutOnTheSixteenBitScale)
{
    EXPECT_EQ(ALawSample(0xD5), 8);
    EXPECT_EQ(ALawSample(0x55), -8);
    EXPECT_EQ(ALawSample(0xAA), 32256);
    EXPECT_EQ(MuLawSample(0xFF), 0);
    EXPECT_EQ(MuLawSample(0x80), 32124);
    EXPECT_EQ(MuLawSample(0x00), -32124);

    // 24 bits: the top two bytes; floats clipped, NaN silent.
    QByteArray pcm24 = QByteArray::fromHex("ffff7f" "000080" "000100");
    auto w24 = ParsePlayableWav(Riff(Chunk("fmt ", Fmt(1, kRate, 24)) + Chunk("data", pcm24)));
    ASSERT_TRUE(w24);
    EXPECT_EQ(Read16(QByteArray(w24->Data(), w24->dataLength)), (std::vector<qint16>{32767, -32768, 1}));
    QByteArray floats;
    for (float v : {1.5f, -2.0f, 0.5f, std::nanf("")}) {
        char x[4];
        qToLittleEndian<float>(v, x);
        floats.append(x, 4);
    }
    auto wf = ParsePlayableWav(Riff(Chunk("fmt ", Fmt(2, kRate, 32, kFormatFloat)) + Chunk("data", floats)));
    ASSERT_TRUE(wf);
    EXPECT_EQ(wf->format.formatTag, kFormatPcm);
    EXPECT_EQ(wf->format.channels, 2);
    EXPECT_EQ(Read16(QByteArray(wf->Data(), wf->dataLength)), (std::vector<qint16>{32767, -32767, 16384, 0}));

    // What the program cannot play is refused on loading.
    for (const QByteArray& file : {Riff(Chunk("fmt ", Fmt(1, kRate, 16, 0x55)) + Chunk("data", QByteArray(64, 0))),
                                   Riff(Chunk("fmt ", Fmt(1, kRate, 20)) + Chunk("data", QByteArray(60, 0))),
                                   Riff(Chunk("fmt ", Fmt(1, kRate, 16, kFormatFloat)) + Chunk("data", QByteArray(64, 0))),
                                   Riff(Chunk("fmt ", Extensible(1, 16, 0x55)) + Chunk("data", QByteArray(64, 0)))})
        EXPECT_FALSE(ParsePlayableWav(file).has_value());
}

TEST(WavDecoding, LengthPauseRangeAndButtonAgreeAcrossEncodings)
{
    FakeClock clock;
    FakeAudioDevice device(clock);
    TempProgram prog;
    const auto spoken = Spoken();
    const int lengthMs = int(spoken.size() * 1000 / kRate);
    CommandRecorder window;
    TWAV wav;
    for (const Encoded& e : Encodings(spoken)) {
        const QString name = QString("%1 der.wav").arg(e.name);
        prog.Write(name, e.file);
        EXPECT_EQ(wav.GetLengthMs(name), lengthMs) << e.name;

        int gap = 25;
        const auto pause = wav.FindPauseAfter(name, 2048, true, gap, 1);
        ASSERT_TRUE(pause.has_value()) << e.name;
        EXPECT_GT(*pause, 300) << e.name;
        EXPECT_LT(*pause, 340) << e.name;

        device.plays.clear();
        ASSERT_TRUE(wav.PlayRange(&window, name, 100, 300)) << e.name;
        ASSERT_EQ(device.plays.size(), 1u);
        EXPECT_EQ(device.plays[0].clip->Frames(), kRate / 5) << e.name;
        wav.CloseAllDevices();

        // A drawn button plays it too: the whole recording but its last two frames.
        device.plays.clear();
        ButtonSoundPlayer button(&window, 7);
        EXPECT_TRUE(button.PlaySoundFile(name)) << e.name;
        ASSERT_EQ(device.plays.size(), 1u) << e.name;
        EXPECT_EQ(device.plays[0].clip->Format().bitsPerSample, 16);
        EXPECT_EQ(device.plays[0].clip->Frames(), qint64(spoken.size()) - 2) << e.name;
        button.StopRequest();
    }
}
