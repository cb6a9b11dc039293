#pragma once
// The real sound output through SDL's audio subsystem: one device in 16-bit
// signed samples, opened on first use, whose callback mixes the three channels.
// SDL_AUDIODRIVER chooses the back end ("dummy" and "disk" serve headless runs).
#include "platform/audio_device.h"

#include <SDL.h>
#include <atomic>

class SdlAudioDevice final : public AudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;

    bool Open() override;
    // Closes the device for good (later Open calls fail).
    void Close();
    bool IsOpen() const override { return device_ != 0; }
    bool IsSounding(AudioChannel channel) const override;
    QString LastError() const override { return error_; }

    // The format every clip is converted to (valid once open).
    const PcmFormat& DeviceFormat() const { return format_; }
    // Steady-clock time (ns) at which the callback first handed samples of the
    // clip started last on the channel to the device; 0 before that.
    qint64 FirstSampleNs(AudioChannel channel) const { return firstSampleNs_[int(channel)].load(); }

protected:
    AudioClipPtr ConvertPcm(const PcmFormat& format, const char* data, qint64 bytes) override;
    PlayResult Start(AudioChannel channel, AudioClipPtr clip, quint64 token) override;
    void Halt(AudioChannel channel) override;

private:
    static void Callback(void* self, Uint8* stream, int len);
    void Mix(Sint16* out, int samples);

    struct Voice {
        AudioClipPtr clip;
        qint64 position = 0; // in samples
        quint64 token = 0;
        bool active = false;
        bool started = false;
    };
    Voice voices_[kAudioChannelCount];
    std::atomic<qint64> firstSampleNs_[kAudioChannelCount] = {};
    SDL_AudioDeviceID device_ = 0;
    bool tried_ = false;
    bool subsystem_ = false;
    PcmFormat format_;
    QString error_;
};
