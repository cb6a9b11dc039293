#include "sound/twav.h"

#include "data/path_helpers.h"
#include "platform/audio_device.h"
#include "platform/command_event.h"
#include "sound/pause_finder.h"
#include "sound/pcm_sound.h"
#include "sound/simple_sound.h"
#include "sound/wav_file.h"

#include <QtEndian>
#include <climits>
#include <cmath>

namespace {

std::optional<WavImage> ReadMeasured(const QString& file)
{
    auto bytes = ReadWholeFile(ResolvePath(file));
    return bytes ? ParseMeasuredWav(std::move(*bytes)) : std::nullopt;
}

// The first channel's samples on the 16-bit scale.
std::vector<qint16> FirstChannel(const WavImage& wav)
{
    const WaveFormat& f = wav.format;
    std::vector<qint16> out;
    if (f.bitsPerSample < 8)
        return out; // 4-bit PCM: nothing to search in
    const int frame = f.channels * f.bitsPerSample / 8;
    const qint64 frames = wav.dataLength / frame;
    out.resize(size_t(frames));
    const char* p = wav.Data();
    for (qint64 i = 0; i < frames; ++i) {
        out[size_t(i)] = f.bitsPerSample == 16 ? qFromLittleEndian<qint16>(p + i * frame)
                                               : qint16((int(uchar(p[i * frame])) - 128) * 256);
    }
    return out;
}

int g_lastDevice = 0;

} // namespace

TWAV::~TWAV()
{
    CloseAllDevices();
    StopSimpleSound();
}

int TWAV::GetLengthMs(const QString& file) const
{
    const auto wav = ReadMeasured(file);
    if (!wav)
        return -1;
    return int(qMin<qint64>(FrameCount(*wav) * 1000 / wav->format.samplesPerSecond, INT_MAX));
}

std::optional<int> FindPauseInWav(QByteArray bytes, int startFrame, bool asMs, int& gap, int thresholdPercent)
{
    const auto wav = ParseMeasuredWav(std::move(bytes));
    if (!wav)
        return std::nullopt;
    const double rate = wav->format.samplesPerSecond;
    const double threshold = thresholdPercent * 65536.0 / 100.0;
    const qint64 gapFrames = qint64(std::nearbyint(gap * rate / 1000.0)); // halves to even
    const auto pause = FindPause(FirstChannel(*wav), startFrame, gapFrames, threshold);
    if (!pause) {
        // No pause: the whole recording, in the unit asked for (as its
        // length in milliseconds is measured).
        const qint64 frames = FrameCount(*wav);
        return int(qMin<qint64>(asMs ? frames * 1000 / wav->format.samplesPerSecond : frames, INT_MAX));
    }
    gap = int(qMin<qint64>(pause->quietFrames, INT_MAX));
    const qint64 at = asMs ? qint64(std::nearbyint(pause->frame * 1000.0 / rate)) : pause->frame;
    return int(qMin<qint64>(at, INT_MAX));
}

std::optional<int> TWAV::FindPauseAfter(const QString& file, int startFrame, bool asMs, int& gap,
                                        int thresholdPercent) const
{
    auto bytes = ReadWholeFile(ResolvePath(file));
    if (!bytes)
        return std::nullopt;
    return FindPauseInWav(std::move(*bytes), startFrame, asMs, gap, thresholdPercent);
}

bool TWAV::PlayRange(QObject* notify, const QString& file, int fromMs, int toMs)
{
    if (busy_)
        return false;
    AudioDevice& device = ProgramAudio();
    if (!device.Open())
        return false;
    const auto wav = ReadMeasured(file);
    const auto pcm = wav ? ToPcm(*wav) : std::nullopt;
    if (!pcm)
        return false;
    const QByteArray part = pcm->Slice(fromMs, toMs);
    const AudioClipPtr clip = part.isEmpty() ? nullptr : device.Convert(pcm->format, part.constData(), part.size());
    if (!clip)
        return false;
    const int id = ++g_lastDevice;
    QPointer<QObject> target(notify);
    const auto ended = [this, target, id] {
        if (device_ == id)
            busy_ = false;
        PostMediaNotice(target, MediaNoticeEvent::kSuccessful, id);
    };
    if (device.Play(AudioChannel::Range, clip, ended) != PlayResult::Started)
        return false;
    device_ = id;
    busy_ = true;
    return true;
}

void TWAV::Stop()
{
    ProgramAudio().Stop(AudioChannel::Range);
    busy_ = false;
}

bool TWAV::CloseAllDevices()
{
    ProgramAudio().Stop(AudioChannel::Range);
    busy_ = false;
    device_ = 0;
    return true;
}
