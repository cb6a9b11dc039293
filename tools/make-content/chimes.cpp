#include "chimes.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A struck tone: a few harmonics that die away, with a soft 4 ms attack.
// brightness weights the upper harmonics.
Wave Bell(double freq, int ms, double decayPerSecond, double brightness = 0.4)
{
    Wave w = Wave::Silence(ms);
    const double attack = 0.004 * Wave::kRate;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        const double t = double(i) / Wave::kRate;
        double v = std::sin(2 * kPi * freq * t)
                   + brightness * std::sin(2 * kPi * 2 * freq * t) * std::exp(-2 * decayPerSecond * t)
                   + brightness * 0.4 * std::sin(2 * kPi * 3 * freq * t) * std::exp(-3 * decayPerSecond * t);
        v *= std::exp(-decayPerSecond * t) * std::min(1.0, double(i) / attack);
        w.samples[i] = float(v);
    }
    return w.Faded(8);
}

// A round, low tone whose pitch glides from one frequency to another.
Wave Glide(double from, double to, int ms, double decayPerSecond)
{
    Wave w = Wave::Silence(ms);
    double phase = 0;
    const double attack = 0.01 * Wave::kRate;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        const double t = double(i) / Wave::kRate;
        const double f = from + (to - from) * double(i) / double(w.samples.size());
        phase += 2 * kPi * f / Wave::kRate;
        const double v = std::sin(phase) + 0.25 * std::sin(2 * phase);
        w.samples[i] = float(v * std::exp(-decayPerSecond * t) * std::min(1.0, double(i) / attack));
    }
    return w.Faded(12);
}

// A soft wobbling hum for "not quite": vibrato on a low tone.
Wave Wobble(double freq, int ms)
{
    Wave w = Wave::Silence(ms);
    double phase = 0;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        const double t = double(i) / Wave::kRate;
        const double f = freq * (1.0 + 0.04 * std::sin(2 * kPi * 9 * t));
        phase += 2 * kPi * f / Wave::kRate;
        const double env = std::min(1.0, t / 0.03) * std::exp(-3.0 * t);
        w.samples[i] = float((std::sin(phase) + 0.2 * std::sin(3 * phase)) * env);
    }
    return w.Faded(15);
}

// A short knock of wood: two damped resonances and a breath of noise from a
// fixed-seed generator (the same every build).
Wave Knock(double freq, int ms)
{
    Wave w = Wave::Silence(ms);
    uint32_t seed = 12345;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        const double t = double(i) / Wave::kRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = (double(seed >> 8) / double(1 << 24)) * 2 - 1;
        const double v = std::sin(2 * kPi * freq * t) * std::exp(-90 * t)
                         + 0.6 * std::sin(2 * kPi * freq * 2.7 * t) * std::exp(-140 * t)
                         + 0.3 * noise * std::exp(-400 * t);
        w.samples[i] = float(v);
    }
    return w.Faded(2);
}

// Notes struck one after the other, every stepMs, each ringing for ringMs.
Wave Arpeggio(const std::vector<double>& freqs, int stepMs, int ringMs, double decay)
{
    Wave w;
    for (size_t i = 0; i < freqs.size(); ++i)
        w.Mix(Bell(freqs[i], ringMs, decay), int(i) * stepMs, 1.0f);
    return w;
}

Wave Chord(const std::vector<double>& freqs, int ms, double decay)
{
    Wave w;
    for (double f : freqs)
        w.Mix(Bell(f, ms, decay), 0, 1.0f);
    return w;
}

// Note frequencies (equal temperament, A4 = 440 Hz).
double Note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
const double C5 = Note(3), D5 = Note(5), E5 = Note(7), G5 = Note(10), A5 = Note(12), B5 = Note(14);
const double C6 = Note(15), E6 = Note(19), G6 = Note(22), C7 = Note(27);
const double G3 = Note(-14), A3 = Note(-12), C4 = Note(-9), E4 = Note(-5), F4 = Note(-4), G4 = Note(-2);

NamedSound Make(const char* path, const Wave& w, float peak)
{
    return {QString::fromUtf8(path), w.Normalized(peak).Faded(3).Padded(10, 20)};
}

} // namespace

QList<NamedSound> FeedbackSounds()
{
    QList<NamedSound> s;
    // Fixed names of the exercises.
    s << Make("fun\\gewonnen.wav", Arpeggio({C6, E6, G6}, 90, 520, 6.0), 0.6f);
    s << Make("fun\\verloren.wav", Wave::Concat({Glide(E4, E4, 160, 9), Glide(C4, C4 * 0.94, 300, 7)}), 0.45f);
    s << Make("fun\\holz.wav", Knock(900, 60), 0.5f);
    s << Make("fun\\zeilenende.wav", Wave::Concat({Knock(330, 120), Knock(330, 160)}), 0.45f);

    // Praise, chosen at random.
    s << Make("fun\\positiv\\glitzer.wav", Arpeggio({C6, D5 * 2, E6, G6, C7}, 60, 400, 7.0), 0.55f);
    s << Make("fun\\positiv\\fanfare.wav", Arpeggio({G5, C6, E6, G6}, 110, 450, 5.0), 0.6f);
    s << Make("fun\\positiv\\dingdong.wav", Arpeggio({E6, C6 * 1.5}, 220, 600, 4.5), 0.6f);
    s << Make("fun\\positiv\\tusch.wav",
              Wave::Concat({Chord({C5, E5, G5}, 140, 8.0), Chord({C6, E6, G6}, 650, 4.0)}), 0.5f);
    s << Make("fun\\positiv\\huepfer.wav", Arpeggio({E5, A5, B5, E6}, 80, 380, 7.0), 0.55f);

    // Soft sounds for a wrong answer: low, short, never a harsh buzz.
    s << Make("fun\\negativ\\oh.wav", Wave::Concat({Glide(G4, G4, 150, 8), Glide(E4, E4, 300, 6)}), 0.45f);
    s << Make("fun\\negativ\\wackel.wav", Wobble(A3 * 2, 550), 0.4f);
    s << Make("fun\\negativ\\plumps.wav", Glide(F4, G3, 420, 5), 0.45f);
    s << Make("fun\\negativ\\klopf.wav", Wave::Concat({Knock(260, 140), Knock(220, 200)}), 0.45f);

    // A moment of silence played before a task.
    s << NamedSound{QStringLiteral("intern\\leersound.wav"), Wave::Silence(300)};
    return s;
}
