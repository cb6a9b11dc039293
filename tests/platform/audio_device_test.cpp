// The end reporting every device shares, through the fake device, and the
// real SDL device on SDL's headless drivers.
#include "platform/audio_device.h"
#include "platform/audio_sdl_device.h"
#include "support/command_recorder.h"
#include "support/fake_audio_device.h"
#include "support/wav_bytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const PcmFormat kMono8k{1, 1, 8000, 16};

AudioClipPtr Clip(AudioDevice& device, int frames, const PcmFormat& format = kMono8k)
{
    const QByteArray data(frames * format.BytesPerFrame(), '\x01');
    return device.Convert(format, data.constData(), data.size());
}

// Runs events until done() or two seconds have passed.
bool WaitReal(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    return done();
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

} // namespace

TEST(AudioDevice, EndsArriveQueuedAndNeverForStoppedOrReplacedClips)
{
    FakeAudioDevice device;
    ASSERT_TRUE(device.Open());
    int ends[3] = {0, 0, 0};
    auto count = [&](int i) { return [&ends, i] { ++ends[i]; }; };

    ASSERT_EQ(device.Play(AudioChannel::Button, Clip(device, 800), count(0)), PlayResult::Started);
    ASSERT_EQ(device.Play(AudioChannel::Simple, Clip(device, 800), count(1)), PlayResult::Started);
    ASSERT_EQ(device.Play(AudioChannel::Range, Clip(device, 800), count(2)), PlayResult::Started);
    device.Advance(100);
    EXPECT_FALSE(device.IsSounding(AudioChannel::Button));
    EXPECT_EQ(ends[0], 0); // reported, but handled only when the queue runs
    device.Stop(AudioChannel::Simple);
    EXPECT_EQ(device.Play(AudioChannel::Range, Clip(device, 8000), count(2)), PlayResult::Started);
    DrainEvents();
    EXPECT_EQ(ends[0], 1);
    EXPECT_EQ(ends[1], 0); // stopped after it ran out: dropped
    EXPECT_EQ(ends[2], 0); // replaced: only the new clip's end counts
    device.Advance(1000);
    DrainEvents();
    EXPECT_EQ(ends[2], 1);

    // A refused clip leaves the channel with the one it played, end and all.
    ASSERT_EQ(device.Play(AudioChannel::Button, Clip(device, 800), count(0)), PlayResult::Started);
    device.nextResult = PlayResult::Refused;
    EXPECT_EQ(device.Play(AudioChannel::Button, Clip(device, 800), count(1)), PlayResult::Refused);
    device.Advance(100);
    DrainEvents();
    EXPECT_EQ(ends[0], 2);
    EXPECT_EQ(ends[1], 0);

    // Formats the device cannot take, and no device at all.
    EXPECT_EQ(device.Convert(PcmFormat{1, 1, 8000, 4}, "ab", 2), nullptr);
    EXPECT_EQ(device.Convert(PcmFormat{2, 1, 8000, 16}, "ab", 2), nullptr);
    EXPECT_EQ(device.Convert(PcmFormat{1, 0, 8000, 16}, "ab", 2), nullptr);
    EXPECT_EQ(Clip(device, 3, PcmFormat{1, 2, 8000, 16})->Bytes().size(), 12);
    FakeAudioDevice none;
    none.available = false;
    EXPECT_FALSE(none.Open());
    EXPECT_EQ(Clip(none, 10), nullptr);
    EXPECT_EQ(none.Play(AudioChannel::Button, Clip(device, 10), {}), PlayResult::NotOpen);
}

TEST(SdlAudioDevice, DummyDriverPlaysAndReportsTheEnd)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "SDL audio already started in this process";
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SdlAudioDevice device;
    ASSERT_TRUE(device.Open()) << device.LastError().toStdString();
    EXPECT_EQ(device.DeviceFormat().bitsPerSample, 16);
    // 8 kHz mono 8-bit is resampled to the device format.
    const QByteArray data(400, '\xc0');
    const AudioClipPtr clip = device.Convert(PcmFormat{1, 1, 8000, 8}, data.constData(), data.size());
    ASSERT_NE(clip, nullptr);
    EXPECT_NEAR(clip->DurationUs(), 50000, 2000);
    bool ended = false;
    ASSERT_EQ(device.Play(AudioChannel::Simple, clip, [&] { ended = true; }), PlayResult::Started);
    EXPECT_TRUE(WaitReal([&] { return ended; }));
    EXPECT_GT(device.FirstSampleNs(AudioChannel::Simple), 0);
    EXPECT_FALSE(device.IsSounding(AudioChannel::Simple));
}

TEST(SdlAudioDevice, DiskDriverReceivesTheMixedSamples)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "SDL audio already started in this process";
    QTemporaryDir dir;
    const QString out = dir.filePath("out.raw");
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", QFile::encodeName(out));
    QByteArray expected;
    {
        SdlAudioDevice device;
        ASSERT_TRUE(device.Open()) << device.LastError().toStdString();
        ASSERT_EQ(device.DeviceFormat().samplesPerSecond, 44100);
        ASSERT_EQ(device.DeviceFormat().channels, 2);
        // A recognisable ramp in the device's own format passes unchanged.
        std::vector<qint16> ramp;
        for (int i = 0; i < 4410 * 2; ++i)
            ramp.push_back(qint16(i * 3 + 1));
        expected = wavbytes::Samples16(ramp);
        const AudioClipPtr clip = device.Convert(PcmFormat{1, 2, 44100, 16}, expected.constData(), expected.size());
        ASSERT_NE(clip, nullptr);
        EXPECT_EQ(clip->Bytes(), expected);
        bool ended = false;
        ASSERT_EQ(device.Play(AudioChannel::Button, clip, [&] { ended = true; }), PlayResult::Started);
        ASSERT_TRUE(WaitReal([&] { return ended; }));
    }
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray written = f.readAll();
    const qsizetype at = written.indexOf(expected);
    ASSERT_GE(at, 0) << "written " << written.size() << " bytes";
    // Silence before the sound: the mixer writes zeros while nothing plays.
    EXPECT_EQ(written.left(at).count('\0'), at);
}
