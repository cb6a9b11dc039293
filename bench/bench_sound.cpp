// Sound timings: processing a long recording with a control string that uses
// every step, and the time from a play request to the first sample the real
// SDL device takes (SDL_AUDIODRIVER=dummy unless set otherwise).
#include "data/program_state.h"
#include "platform/audio_sdl_device.h"
#include "platform/messages.h"
#include "sound/button_sound_player.h"
#include "sound/sound_control_string.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

QByteArray WavBytes(int channels, int rate, qint64 dataBytes)
{
    QByteArray data(dataBytes, Qt::Uninitialized);
    for (qint64 i = 0; i + 1 < dataBytes; i += 2)
        qToLittleEndian<qint16>(qint16((i * 37) % 20000 - 10000), data.data() + i);
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(1, fmt.data());
    qToLittleEndian<quint16>(quint16(channels), fmt.data() + 2);
    qToLittleEndian<quint32>(quint32(rate), fmt.data() + 4);
    qToLittleEndian<quint32>(quint32(rate * channels * 2), fmt.data() + 8);
    qToLittleEndian<quint16>(quint16(channels * 2), fmt.data() + 12);
    qToLittleEndian<quint16>(16, fmt.data() + 14);
    QByteArray w("RIFF....WAVEfmt ");
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(16, size.data());
    w += size + fmt + "data";
    qToLittleEndian<quint32>(quint32(dataBytes), size.data());
    w += size + data;
    qToLittleEndian<quint32>(quint32(w.size() - 8), w.data() + 4);
    return w;
}

// 10 MB of stereo speech-rate data; the string starts at 3/4 and plays back to
// 1/16 (reversed), at 90 % volume, balance 75, stretched to 150 %, twice.
void BM_ProcessTenMegabytes(benchmark::State& state)
{
    const QByteArray file = WavBytes(2, 44100, 10 * 1000 * 1000);
    const QString control = QStringLiteral("S2  90 75 0  150750050");
    for (auto _ : state) {
        state.PauseTiming();
        auto wav = ParseWavImage(QByteArray(file.constData(), file.size()));
        state.ResumeTiming();
        ProcessedSound out = ProcessSound(control, std::move(*wav));
        benchmark::DoNotOptimize(out.block.constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ProcessTenMegabytes)->Unit(benchmark::kMillisecond);

qint64 SteadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A one-second word at 22.05 kHz mono (converted to the device format on
// every load) from the request to the first sample in the device callback.
void BM_PlayRequestToFirstSample(benchmark::State& state)
{
    QTemporaryDir dir;
    Program().programFolder = dir.path() + QStringLiteral("/");
    QFile f(dir.filePath(QStringLiteral("wort.wav")));
    f.open(QIODevice::WriteOnly);
    f.write(WavBytes(1, 22050, 44100));
    f.close();
    SdlAudioDevice device;
    SetProgramAudio(&device);
    if (!device.Open()) {
        state.SkipWithError("no SDL audio device");
        SetProgramAudio(nullptr);
        return;
    }
    QObject owner;
    ButtonSoundPlayer player(&owner, 1);
    for (auto _ : state) {
        const qint64 start = SteadyNs();
        if (!player.PlaySoundFile(QStringLiteral("wort.wav"))) {
            state.SkipWithError("play request refused");
            break;
        }
        qint64 first = 0;
        while ((first = device.FirstSampleNs(AudioChannel::Button)) == 0 && SteadyNs() - start < 1000000000)
            std::this_thread::yield();
        state.SetIterationTime(double(first - start) / 1e9);
        SoundStopRequest();
        QCoreApplication::processEvents();
    }
    SetProgramAudio(nullptr);
}
BENCHMARK(BM_PlayRequestToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    SetMessageHook([](const MessageRequest&) { return Answer::Ok; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
