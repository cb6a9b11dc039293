// Microphone recording through SDL's disk audio driver, which reads the
// "microphone" from a raw file: the recording keeps the spoken part and
// drops the silence around it; without a usable driver there is a German
// message instead of a recording.
#include "dazidazud/voice_recorder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Sets environment variables for one test and restores them.
class Environment {
public:
    void Set(const char* name, const QByteArray& value)
    {
        saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv(name, value);
    }
    ~Environment()
    {
        for (const auto& s : saved_)
            s.wasSet ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
};

// 16-bit mono samples at the recording rate: silence, a tone, silence.
QByteArray SpokenWordRaw(int leadMs, int toneMs, int tailMs)
{
    QByteArray raw;
    auto add = [&raw](int ms, double amplitude) {
        const int n = ms * Wave::kRate / 1000;
        for (int i = 0; i < n; ++i) {
            const auto v = qint16(std::lround(amplitude * 32767 * std::sin(2 * M_PI * 440 * i / Wave::kRate)));
            raw.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
        }
    };
    add(leadMs, 0.0);
    add(toneMs, 0.5);
    add(tailMs, 0.0);
    return raw;
}

// Records from a "microphone" that says raw, for at least seconds.
class DiskMicrophone {
public:
    DiskMicrophone(const QByteArray& raw, double seconds)
    {
        const QString input = dir_.filePath(QStringLiteral("mikrofon.raw"));
        QFile f(input);
        f.open(QIODevice::WriteOnly);
        f.write(raw);
        f.close();
        env_.Set("SDL_AUDIODRIVER", "disk");
        env_.Set("SDL_DISKAUDIOFILEIN", input.toLocal8Bit());
        env_.Set("SDL_DISKAUDIOFILE", dir_.filePath(QStringLiteral("aus.raw")).toLocal8Bit());
        env_.Set("SDL_DISKAUDIODELAY", "0");
        started = recorder.Start(&error);
        QElapsedTimer waited;
        waited.start();
        while (started && recorder.Seconds() < seconds && waited.elapsed() < 10000)
            QThread::msleep(5);
        recorder.Stop();
    }

    VoiceRecorder recorder;
    bool started = false;
    QString error;

private:
    QTemporaryDir dir_;
    Environment env_;
};

TEST(EditorVoiceRecorder, RecordingFromTheDiskDriverKeepsTheWordAndDropsTheSilence)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "the audio subsystem is already open with another driver in this process";
    DiskMicrophone mic(SpokenWordRaw(300, 400, 300), 1.2);
    ASSERT_TRUE(mic.started) << mic.error.toStdString();
    EXPECT_FALSE(mic.recorder.IsRecording());
    ASSERT_GE(mic.recorder.Raw().Seconds(), 1.0);

    const Wave word = mic.recorder.Finished();
    // the tone, plus the short lead and tail every recording gets
    EXPECT_NEAR(word.Seconds(), 0.4 + 0.03 + 0.08, 0.03);
    float peak = 0;
    for (float s : word.samples)
        peak = std::max(peak, std::fabs(s));
    EXPECT_NEAR(peak, 0.7, 0.01);
}

TEST(EditorVoiceRecorder, SilenceGivesNoRecordingAndAMissingDriverAMessage)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "the audio subsystem is already open with another driver in this process";
    {
        DiskMicrophone mic(SpokenWordRaw(500, 0, 0), 0.5);
        ASSERT_TRUE(mic.started) << mic.error.toStdString();
        EXPECT_TRUE(mic.recorder.Finished().samples.empty());
    }
    Environment env;
    env.Set("SDL_AUDIODRIVER", "kein-treiber");
    VoiceRecorder recorder;
    QString error;
    EXPECT_FALSE(recorder.Start(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Tonaufnahme lässt sich nicht starten"))) << error.toStdString();
    EXPECT_FALSE(recorder.IsRecording());
}

} // namespace
