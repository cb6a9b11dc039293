#pragma once
// Mono sound in memory and the WAV files made from it: 22050 samples per
// second, 16-bit PCM, the format every recording of the program folder has.
#include <QByteArray>
#include <vector>

struct Wave {
    static constexpr int kRate = 22050;
    std::vector<float> samples;   // -1 .. 1

    double Seconds() const { return double(samples.size()) / kRate; }

    // Cuts quiet parts (below threshold of the peak) at both ends.
    Wave Trimmed(float threshold = 0.01f) const;
    // Scales so that the loudest sample reaches peak.
    Wave Normalized(float peak = 0.7f) const;
    // Short fades at both ends against clicks.
    Wave Faded(int fadeMs = 5) const;
    Wave Padded(int leadMs, int tailMs) const;

    static Wave Silence(int ms);
    static Wave Concat(const std::vector<Wave>& parts);
    // Mixes other into this, starting at offsetMs, growing as needed.
    void Mix(const Wave& other, int offsetMs, float gain = 1.0f);
};

// RIFF WAVE with a 16-byte "fmt " chunk and one "data" chunk.
QByteArray WavBytes(const Wave& wave);
