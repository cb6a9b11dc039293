#include "platform/audio_sdl_device.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// About 12 ms per callback at 44.1 kHz: short enough for a quick start.
constexpr Uint16 kCallbackFrames = 512;

qint64 SteadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID id) : id_(id) { SDL_LockAudioDevice(id_); }
    ~DeviceLock() { SDL_UnlockAudioDevice(id_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID id_;
};

} // namespace

SdlAudioDevice::~SdlAudioDevice()
{
    Close();
}

void SdlAudioDevice::Close()
{
    tried_ = true;
    if (device_)
        SDL_CloseAudioDevice(device_); // waits for the callback to finish
    device_ = 0;
    for (Voice& v : voices_)
        v = Voice{};
    if (subsystem_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
}

bool SdlAudioDevice::Open()
{
    if (tried_)
        return device_ != 0;
    tried_ = true;
    // The program handles SIGINT and SIGTERM itself (platform/session_end.h);
    // SDL's own handlers would swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return false;
    }
    subsystem_ = true;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kCallbackFrames;
    want.callback = &SdlAudioDevice::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                      SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (device_ == 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
        return false;
    }
    format_ = PcmFormat{1, have.channels, have.freq, 16};
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

bool SdlAudioDevice::IsSounding(AudioChannel channel) const
{
    if (!device_)
        return false;
    DeviceLock lock(device_);
    return voices_[int(channel)].active;
}

AudioClipPtr SdlAudioDevice::ConvertPcm(const PcmFormat& format, const char* data, qint64 bytes)
{
    SDL_AudioCVT cvt;
    const SDL_AudioFormat source = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (SDL_BuildAudioCVT(&cvt, source, Uint8(format.channels), format.samplesPerSecond, AUDIO_S16SYS,
                          Uint8(format_.channels), format_.samplesPerSecond) < 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return nullptr;
    }
    if (cvt.needed == 0)
        return std::make_shared<AudioClip>(format_, QByteArray(data, bytes));
    if (bytes > INT32_MAX / qMax(1, cvt.len_mult))
        return nullptr; // beyond what SDL's converter can take in one piece
    QByteArray buffer;
    try {
        buffer.resize(bytes * cvt.len_mult);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (bytes > 0)
        std::memcpy(buffer.data(), data, size_t(bytes));
    cvt.buf = reinterpret_cast<Uint8*>(buffer.data());
    cvt.len = int(bytes);
    if (SDL_ConvertAudio(&cvt) != 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return nullptr;
    }
    buffer.truncate(cvt.len_cvt - cvt.len_cvt % format_.BytesPerFrame());
    buffer.squeeze();
    return std::make_shared<AudioClip>(format_, std::move(buffer));
}

PlayResult SdlAudioDevice::Start(AudioChannel channel, AudioClipPtr clip, quint64 token)
{
    if (!device_)
        return PlayResult::NotOpen;
    AudioClipPtr previous;
    {
        DeviceLock lock(device_);
        Voice& v = voices_[int(channel)];
        previous = std::move(v.clip); // freed outside the audio thread
        v = Voice{std::move(clip), 0, token, true, false};
        firstSampleNs_[int(channel)].store(0);
    }
    return PlayResult::Started;
}

void SdlAudioDevice::Halt(AudioChannel channel)
{
    AudioClipPtr previous;
    {
        DeviceLock lock(device_);
        Voice& v = voices_[int(channel)];
        previous = std::move(v.clip);
        v = Voice{};
    }
}

void SdlAudioDevice::Callback(void* self, Uint8* stream, int len)
{
    static_cast<SdlAudioDevice*>(self)->Mix(reinterpret_cast<Sint16*>(stream), len / 2);
}

void SdlAudioDevice::Mix(Sint16* out, int samples)
{
    std::memset(out, 0, size_t(samples) * 2);
    bool mixed = false;
    for (int c = 0; c < kAudioChannelCount; ++c) {
        Voice& v = voices_[c];
        if (!v.active)
            continue;
        const auto* src = reinterpret_cast<const Sint16*>(v.clip->Bytes().constData());
        const qint64 total = v.clip->Bytes().size() / 2;
        const int n = int(std::min<qint64>(samples, total - v.position));
        if (n > 0) {
            if (!v.started) {
                v.started = true;
                firstSampleNs_[c].store(SteadyNs());
            }
            src += v.position;
            if (!mixed) {
                std::memcpy(out, src, size_t(n) * 2);
            } else {
                for (int i = 0; i < n; ++i)
                    out[i] = Sint16(std::clamp(int(out[i]) + int(src[i]), -32768, 32767));
            }
            mixed = true;
            v.position += n;
        }
        if (v.position >= total) {
            v.active = false;
            ReportEnd(AudioChannel(c), v.token);
        }
    }
}
