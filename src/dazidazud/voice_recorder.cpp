#include "dazidazud/voice_recorder.h"

#include "speech/speech.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Cut below this share of the loudest sample; a microphone hums a little.
constexpr float kQuietShare = 0.06f;
// Quieter than this (of full scale) all through is no speech at all.
constexpr float kNoSpeechPeak = 0.02f;

} // namespace

VoiceRecorder::~VoiceRecorder()
{
    Stop();
}

bool VoiceRecorder::Start(QString* error)
{
    Stop();
    {
        const std::lock_guard lock(mutex_);
        samples_.clear();
    }
    level_ = 0.0f;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (error)
            *error = QStringLiteral("Die Tonaufnahme lässt sich nicht starten: %1").arg(QString::fromUtf8(SDL_GetError()));
        return false;
    }
    subsystem_ = true;
    SDL_AudioSpec want{};
    want.freq = Wave::kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = &VoiceRecorder::Collect;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (device_ == 0) {
        if (error)
            *error = QStringLiteral("Es ist kein Mikrofon angeschlossen oder es lässt sich nicht öffnen (%1).")
                         .arg(QString::fromUtf8(SDL_GetError()));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void VoiceRecorder::Stop()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
    level_ = 0.0f;
}

void VoiceRecorder::Collect(void* self, uint8_t* stream, int length)
{
    auto* recorder = static_cast<VoiceRecorder*>(self);
    const int count = length / 2;
    float peak = 0.0f;
    const std::lock_guard lock(recorder->mutex_);
    const size_t room = size_t(kMaxRecordingSeconds) * Wave::kRate - std::min(recorder->samples_.size(), size_t(kMaxRecordingSeconds) * Wave::kRate);
    for (int i = 0; i < count; ++i) {
        int16_t v;
        std::memcpy(&v, stream + 2 * i, 2);
        const float s = float(v) / 32768.0f;
        peak = std::max(peak, std::fabs(s));
        if (size_t(i) < room)
            recorder->samples_.push_back(s);
    }
    recorder->level_ = peak;
}

double VoiceRecorder::Seconds() const
{
    const std::lock_guard lock(mutex_);
    return double(samples_.size()) / Wave::kRate;
}

Wave VoiceRecorder::Raw() const
{
    const std::lock_guard lock(mutex_);
    Wave w;
    w.samples = samples_;
    return w;
}

Wave VoiceRecorder::Finished() const
{
    const Wave raw = Raw();
    float peak = 0.0f;
    for (float s : raw.samples)
        peak = std::max(peak, std::fabs(s));
    if (peak < kNoSpeechPeak)
        return Wave();
    return ::Finished(raw.Trimmed(kQuietShare));
}
