#include "sound/wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

size_t Frames(int ms)
{
    return size_t(std::max(0, ms)) * Wave::kRate / 1000;
}

void PutU32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

void PutU16(QByteArray& out, uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

} // namespace

Wave Wave::Trimmed(float threshold) const
{
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::fabs(s));
    const float limit = peak * threshold;
    size_t first = 0, last = samples.size();
    while (first < last && std::fabs(samples[first]) <= limit)
        ++first;
    while (last > first && std::fabs(samples[last - 1]) <= limit)
        --last;
    Wave w;
    w.samples.assign(samples.begin() + long(first), samples.begin() + long(last));
    return w;
}

Wave Wave::Normalized(float peak) const
{
    float max = 0;
    for (float s : samples)
        max = std::max(max, std::fabs(s));
    Wave w = *this;
    if (max > 0)
        for (float& s : w.samples)
            s *= peak / max;
    return w;
}

Wave Wave::Faded(int fadeMs) const
{
    Wave w = *this;
    const size_t n = std::min(Frames(fadeMs), w.samples.size() / 2);
    for (size_t i = 0; i < n; ++i) {
        const float g = float(i) / float(n);
        w.samples[i] *= g;
        w.samples[w.samples.size() - 1 - i] *= g;
    }
    return w;
}

Wave Wave::Padded(int leadMs, int tailMs) const
{
    return Concat({Silence(leadMs), *this, Silence(tailMs)});
}

Wave Wave::Silence(int ms)
{
    Wave w;
    w.samples.assign(Frames(ms), 0.0f);
    return w;
}

Wave Wave::Concat(const std::vector<Wave>& parts)
{
    Wave w;
    for (const Wave& p : parts)
        w.samples.insert(w.samples.end(), p.samples.begin(), p.samples.end());
    return w;
}

void Wave::Mix(const Wave& other, int offsetMs, float gain)
{
    const size_t at = Frames(offsetMs);
    if (samples.size() < at + other.samples.size())
        samples.resize(at + other.samples.size(), 0.0f);
    for (size_t i = 0; i < other.samples.size(); ++i)
        samples[at + i] += other.samples[i] * gain;
}

QByteArray WavBytes(const Wave& wave)
{
    const uint32_t dataBytes = uint32_t(wave.samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    PutU32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    PutU32(out, 16);
    PutU16(out, 1);                       // PCM
    PutU16(out, 1);                       // mono
    PutU32(out, Wave::kRate);
    PutU32(out, Wave::kRate * 2);         // bytes per second
    PutU16(out, 2);                       // block align
    PutU16(out, 16);                      // bits per sample
    out.append("data");
    PutU32(out, dataBytes);
    for (float s : wave.samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        PutU16(out, uint16_t(int16_t(v)));
    }
    return out;
}
