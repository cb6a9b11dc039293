#pragma once
// Recording the spoken word from the microphone (SDL2 audio capture): mono,
// 22050 samples per second, collected on SDL's audio thread, with the level of
// the latest block for a meter. The finished recording has the silence at
// both ends cut off and is padded and normalised like the made recordings.
#include "sound/wave.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class VoiceRecorder {
public:
    VoiceRecorder() = default;
    ~VoiceRecorder();
    VoiceRecorder(const VoiceRecorder&) = delete;
    VoiceRecorder& operator=(const VoiceRecorder&) = delete;

    // Opens the default microphone and starts collecting (what was collected
    // before is dropped). False with a German message when there is none.
    bool Start(QString* error);
    void Stop();
    bool IsRecording() const { return device_ != 0; }

    // Peak of the latest block, 0..1.
    float Level() const { return level_.load(); }
    // Seconds collected so far.
    double Seconds() const;
    // The collected sound as it came in.
    Wave Raw() const;
    // The collected sound with the quiet ends cut off, normalised, faded and
    // padded; empty when nothing louder than the background was heard.
    Wave Finished() const;

private:
    static void Collect(void* self, uint8_t* stream, int length);

    uint32_t device_ = 0;
    bool subsystem_ = false;
    mutable std::mutex mutex_;
    std::vector<float> samples_;
    std::atomic<float> level_{0.0f};
};

// The longest recording kept (seconds); what comes later is dropped.
constexpr int kMaxRecordingSeconds = 30;
