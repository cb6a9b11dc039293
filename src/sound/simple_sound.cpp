#include "sound/simple_sound.h"

#include "data/path_helpers.h"
#include "platform/audio_device.h"
#include "platform/clock.h"
#include "sound/pcm_sound.h"

bool PlaySimpleSound(const QString& path, SimpleSoundMode mode)
{
    AudioDevice& device = ProgramAudio();
    device.Stop(AudioChannel::Simple);
    if (!device.Open())
        return false;
    const auto pcm = LoadPcmSound(ResolvePath(path));
    if (!pcm)
        return false;
    const AudioClipPtr clip = device.Convert(pcm->format, pcm->bytes.constData(), pcm->bytes.size());
    if (!clip || device.Play(AudioChannel::Simple, clip, {}) != PlayResult::Started)
        return false;
    if (mode == SimpleSoundMode::Sync) {
        // Bounded by the sound's length, so a stalled device cannot hold us.
        const qint64 deadline = TickCount() + clip->DurationUs() / 1000 + 1000;
        while (device.IsSounding(AudioChannel::Simple) && TickCount() < deadline)
            Wait(5, false);
    }
    return true;
}

void StopSimpleSound()
{
    ProgramAudio().Stop(AudioChannel::Simple);
}

bool IsSimpleSoundPlaying()
{
    return ProgramAudio().IsSounding(AudioChannel::Simple);
}
