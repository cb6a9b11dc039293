#include "platform/messages.h"
#include "sound/sound_control_string.h"
#include "support/wav_bytes.h"

#include <gtest/gtest.h>

using namespace wavbytes;

namespace {

// A control string from its fields, each left-aligned in its three places.
QString Ctl(int repeat, int volume, int balance, int duration, int start, int end)
{
    return QString::asprintf(" %-3d%-3d%-3d%-3d%-3d%-3d%-3d", repeat, volume, balance, 0, duration, start, end);
}

ProcessedSound Process(const QString& control, int channels, int bits, const QByteArray& data,
                       qint64 maxBlock = kMaxSoundBlock)
{
    auto wav = ParseWavImage(Wav(channels, 8000, bits, data));
    EXPECT_TRUE(wav.has_value());
    return ProcessSound(control, std::move(*wav), maxBlock);
}

std::vector<qint16> Played16(const ProcessedSound& p)
{
    return Read16(QByteArray(p.Data(), p.length));
}

std::vector<qint16> Range(int from, int to, int step = 1)
{
    std::vector<qint16> v;
    for (int i = from; step > 0 ? i < to : i > to; i += step)
        v.push_back(qint16(i));
    return v;
}

} // namespace

TEST(SoundControlString, ReadsFieldsByItsRule)
{
    const SoundControl d = ReadSoundControlString(kDefaultSoundControlString);
    EXPECT_EQ(d.repeat, 1);
    EXPECT_EQ(d.volume, 100);
    EXPECT_EQ(d.balance, 50);
    EXPECT_EQ(d.duration, 100);
    EXPECT_EQ(d.start, 0);
    EXPECT_EQ(d.end, 800);
    EXPECT_FALSE(d.startNotice);

    // Any other length is the default; blanks give field defaults.
    for (const QString& s : {QString(), QString("x2"), QString(23, u'9'), QString(22, u' ')}) {
        const SoundControl c = ReadSoundControlString(s);
        EXPECT_EQ(c.repeat, 1) << s.toStdString();
        EXPECT_EQ(c.volume, 100);
        EXPECT_EQ(c.end, 800);
        EXPECT_FALSE(c.startNotice);
    }

    // Numbers run into the next field and are cut to three places; a sign is taken.
    const SoundControl c = ReadSoundControlString("X3  50775 x  504400-1 ");
    EXPECT_TRUE(c.startNotice);
    EXPECT_EQ(c.repeat, 3);
    EXPECT_EQ(c.volume, 507);
    EXPECT_EQ(c.balance, 75);
    EXPECT_EQ(c.number, 0);     // "x": unreadable
    EXPECT_EQ(c.duration, 504); // "504400" from position 13
    EXPECT_EQ(c.start, 400);
    EXPECT_EQ(c.end, -1);

    EXPECT_EQ(ReadControlField("A", 0, 1, 0), 10); // one-character fields may be hexadecimal
    EXPECT_EQ(ReadControlField("G", 0, 1, 7), 7);

    const MidiControl m = ReadMidiControl(" 2" + QString(14, u' ') + "20 60 ");
    EXPECT_EQ(m.repeat, 2);
    EXPECT_EQ(m.startPercent, 20);
    EXPECT_EQ(m.endPercent, 60);
    EXPECT_EQ(ReadMidiControl(QString()).endPercent, 100);
}

TEST(SoundControlString, CutsAndReversesWholeFrames)
{
    const QByteArray ramp = Samples16(Ramp(100));
    // The default plays everything but the last two frames, untouched.
    ProcessedSound p = Process(kDefaultSoundControlString, 1, 16, ramp);
    EXPECT_EQ(Played16(p), Range(0, 98));
    EXPECT_EQ(p.repeat, 1);

    // Second half.
    EXPECT_EQ(Played16(Process(Ctl(1, 100, 50, 100, 400, 800), 1, 16, ramp)), Range(50, 98));
    // Backwards: the whole recording reversed, minus two frames at its end.
    EXPECT_EQ(Played16(Process(Ctl(1, 100, 50, 100, 800, 0), 1, 16, ramp)), Range(99, 1, -1));
    // Out-of-range positions stay inside the data.
    EXPECT_EQ(Played16(Process(Ctl(1, 100, 50, 100, -50, 999), 1, 16, ramp)), Range(0, 98));
    // Too short to lose two frames: nothing to play, but no wrap-around.
    EXPECT_EQ(Process(kDefaultSoundControlString, 1, 16, Samples16({5})).length, 0);

    // Stereo reverses sample by sample, so the channels change sides.
    p = Process(Ctl(1, 100, 50, 100, 800, 0), 2, 16, Samples16({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{8, 7, 6, 5}));
}

TEST(SoundControlString, GainsFollowVolumeAndBalance)
{
    const ChannelGains g = GainsFor(100, 75);
    EXPECT_EQ(g.left, 1344); // (25 * 100 / 75 = 33) * 64 / 100 = 21, times 64
    EXPECT_EQ(g.right, 4096);
    EXPECT_EQ(GainsFor(100, 25).right, 1344);
    EXPECT_EQ(GainsFor(50, 50).mono, 32);
    EXPECT_EQ(GainsFor(100, 0).right, 0);
    EXPECT_EQ(GainsFor(100, 150).left, 0); // beyond the scale counts as its end

    // 16-bit stereo, balance 75: the left channel scaled and truncated toward zero.
    ProcessedSound p = Process(Ctl(1, 100, 75, 100, 0, 800), 2, 16,
                               Samples16({1000, 1000, -1000, -1000, 7, 7, 0, 0, 0, 0}));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{328, 1000, -328, -1000, 2, 7}));

    // Gain 2048 halves by a shift (rounding down), other gains divide.
    p = Process(Ctl(1, 50, 50, 100, 0, 800), 2, 16, Samples16({-3, 3, 0, 0, 0, 0}));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{-2, 1}));
    // 16-bit mono: s * v / 64; loud volumes clip instead of wrapping around.
    p = Process(Ctl(1, 300, 50, 100, 0, 800), 1, 16, Samples16({-3, 100, 20000, 0, 0}));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{-9, 300, 32767}));

    // 8-bit: around 128; volume 0 is silence.
    p = Process(Ctl(1, 0, 50, 100, 0, 800), 1, 8, QByteArray("\x00\x40\xff\x10\x10", 5));
    EXPECT_EQ(QByteArray(p.Data(), p.length), QByteArray("\x80\x80\x80"));
    p = Process(Ctl(1, 100, 100, 100, 0, 800), 2, 8, QByteArray("\x00\xff\xc0\x40\x10\x10\x10\x10", 8));
    EXPECT_EQ(QByteArray(p.Data(), p.length), QByteArray("\x80\xff\x80\x40"));
}

TEST(SoundControlString, DurationShortensAndLengthens)
{
    EXPECT_EQ(StretchRatioFor(16).n, 10);
    const std::pair<int, StretchRatio> table[] = {
        {16, {1, 10}}, {17, {1, 5}}, {50, {1, 2}}, {96, {14, 15}}, {97, {1, 1}},  {109, {1, 1}}, {110, {5, 4}},
        {139, {5, 4}}, {140, {3, 2}}, {200, {2, 1}}, {229, {2, 1}}, {230, {3, 1}}, {309, {3, 1}}, {310, {1, 1}},
        {-5, {1, 10}}};
    for (const auto& [d, r] : table) {
        EXPECT_EQ(StretchRatioFor(d).k, r.k) << d;
        EXPECT_EQ(StretchRatioFor(d).n, r.n) << d;
    }

    const QByteArray ramp = Samples16(Ramp(12));
    // Duration 50 keeps the first frame of every two (of the ten left after the
    // cut) and ends one frame early.
    EXPECT_EQ(Played16(Process(Ctl(1, 100, 50, 50, 0, 800), 1, 16, ramp)), (std::vector<qint16>{0, 2, 4, 6}));
    // Duration 200 writes every frame twice into a new block.
    ProcessedSound p = Process(Ctl(1, 100, 50, 200, 0, 800), 1, 16, Samples16(Ramp(5)));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{0, 0, 1, 1, 2}));
    EXPECT_EQ(p.start, 0);
    // 3 : 2 repeats the last frame of each group.
    p = Process(Ctl(1, 100, 50, 150, 0, 800), 1, 16, Samples16(Ramp(6)));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{0, 1, 1, 2, 3}));

    // Without memory for the longer block the sound plays unstretched.
    p = Process(Ctl(1, 100, 50, 200, 0, 800), 1, 16, Samples16(Ramp(5)), 8);
    EXPECT_TRUE(p.stretchRefused);
    EXPECT_EQ(Played16(p), (std::vector<qint16>{0, 1, 2}));
}

TEST(SoundControlString, RepeatCopiesUpToTwoMebibytes)
{
    const QByteArray mib(1048576 + 4, '\x11'); // one MiB after dropping two frames
    ProcessedSound p = Process(Ctl(2, 100, 50, 100, 0, 800), 1, 16, mib);
    EXPECT_EQ(p.length, 2097152);
    EXPECT_EQ(p.repeat, 1);
    p = Process(Ctl(3, 100, 50, 100, 0, 800), 1, 16, mib);
    EXPECT_EQ(p.length, 1048576);
    EXPECT_EQ(p.repeat, 3);

    p = Process(Ctl(3, 100, 50, 100, 0, 800), 1, 16, Samples16({1, 2, 3, 0, 0}));
    EXPECT_EQ(Played16(p), (std::vector<qint16>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(p.repeat, 1);
}

TEST(SoundControlString, FourBitDataIsPassedOnWithAMessage)
{
    QString seen;
    SetMessageHook([&](const MessageRequest& r) {
        seen = r.title + "|" + r.text;
        return Answer::Ok;
    });
    const ProcessedSound p = Process(Ctl(1, 0, 50, 200, 800, 0), 1, 4, QByteArray("\x12\x34\x56\x78", 4));
    SetMessageHook({});
    EXPECT_EQ(seen, "Sound kann nicht abgespielt werden!|Kein gültiges Wav-Format!");
    EXPECT_EQ(QByteArray(p.Data(), p.length), QByteArray("\x12\x34\x56\x78"));
}

TEST(SoundControlString, WideFramesAreRefusedOnReadingAndNeverCopied)
{
    // A file claiming more than 64 bits per sample or more than eight
    // channels is no WAV the player reads.
    EXPECT_FALSE(ParseWavImage(Wav(1, 8000, 128, QByteArray(512, 'x'))).has_value());
    EXPECT_FALSE(ParseWavImage(Wav(9, 8000, 16, QByteArray(512, 'x'))).has_value());

    // Samples wider than 16 bits that reach the processing directly are passed
    // on unprocessed (backwards here, which copies samples), with the message.
    int messages = 0;
    SetMessageHook([&](const MessageRequest&) {
        ++messages;
        return Answer::Ok;
    });
    QByteArray data;
    for (int i = 0; i < 96; ++i)
        data += char(i);
    for (int bits : {24, 32, 64}) {
        const ProcessedSound p = Process(Ctl(1, 100, 50, 100, 800, 0), 2, bits, data);
        EXPECT_EQ(QByteArray(p.Data(), p.length), data) << bits;
    }
    SetMessageHook({});
    EXPECT_EQ(messages, 3);
}
