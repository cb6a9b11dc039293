#include "platform/audio_device.h"
#include "platform/audio_sdl_device.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <utility>

bool PcmFormat::IsPlayable() const
{
    return formatTag == 1 && (bitsPerSample == 8 || bitsPerSample == 16) && channels >= 1 &&
           channels <= 8 && samplesPerSecond >= 1000 && samplesPerSecond <= 384000;
}

AudioClip::AudioClip(PcmFormat format, QByteArray bytes) : format_(format), bytes_(std::move(bytes)) {}

qint64 AudioClip::Frames() const
{
    const int frame = format_.BytesPerFrame();
    return frame > 0 ? bytes_.size() / frame : 0;
}

qint64 AudioClip::DurationUs() const
{
    return format_.samplesPerSecond > 0 ? Frames() * 1000000 / format_.samplesPerSecond : 0;
}

AudioDevice::AudioDevice() : receiver_(std::make_unique<QObject>()) {}

AudioDevice::~AudioDevice() = default;

AudioClipPtr AudioDevice::Convert(const PcmFormat& format, const char* data, qint64 bytes)
{
    if (!format.IsPlayable() || !IsOpen() || bytes < 0 || (bytes > 0 && !data))
        return nullptr;
    const qint64 whole = bytes - bytes % format.BytesPerFrame();
    return ConvertPcm(format, data, whole);
}

PlayResult AudioDevice::Play(AudioChannel channel, AudioClipPtr clip, std::function<void()> onEnd)
{
    if (!IsOpen() || !clip)
        return PlayResult::NotOpen;
    Pending& p = pending_[int(channel)];
    Pending previous = std::exchange(p, Pending{++lastToken_, std::move(onEnd)});
    const PlayResult result = Start(channel, std::move(clip), p.token);
    if (result != PlayResult::Started)
        p = std::move(previous); // the channel goes on with what it played
    return result;
}

void AudioDevice::Stop(AudioChannel channel)
{
    pending_[int(channel)] = Pending{};
    if (IsOpen())
        Halt(channel);
}

bool AudioDevice::HasPendingEnd(AudioChannel channel) const
{
    return pending_[int(channel)].token != 0;
}

void AudioDevice::ReportEnd(AudioChannel channel, quint64 token)
{
    QMetaObject::invokeMethod(
        receiver_.get(), [this, channel, token] { HandleEnd(channel, token); }, Qt::QueuedConnection);
}

void AudioDevice::HandleEnd(AudioChannel channel, quint64 token)
{
    Pending& p = pending_[int(channel)];
    if (p.token != token)
        return; // stopped or replaced after this clip ran out
    auto onEnd = std::move(p.onEnd);
    p = Pending{};
    if (onEnd)
        onEnd();
}

namespace {
AudioDevice* g_device = nullptr;
}

AudioDevice& ProgramAudio()
{
    if (g_device)
        return *g_device;
    static SdlAudioDevice real;
    static const bool closeAtExit = [] {
        // Silence the device before the application object goes, so no end is
        // reported to a program that is shutting down.
        qAddPostRoutine([] { real.Close(); });
        return true;
    }();
    (void)closeAtExit;
    return real;
}

void SetProgramAudio(AudioDevice* device)
{
    g_device = device;
}
