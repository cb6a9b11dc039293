#include "sound/adpcm.h"

#include <QtEndian>
#include <algorithm>
#include <climits>

namespace {

qint16 Clip16(int v)
{
    return qint16(std::clamp(v, -32768, 32767));
}

// Block size when the file leaves it open: 1024 bytes per channel, 2048 above 40 kHz.
int BlockSize(const WaveFormat& f)
{
    if (f.blockAlign > 0)
        return f.blockAlign;
    return (f.samplesPerSecond > 40000 ? 2048 : 1024) * f.channels;
}

const int kImaSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
const int kImaIndexStep[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct ImaState {
    int predictor = 0;
    int index = 0;

    qint16 Next(int nibble)
    {
        const int step = kImaSteps[index];
        int diff = step >> 3;
        if (nibble & 1) diff += step >> 2;
        if (nibble & 2) diff += step >> 1;
        if (nibble & 4) diff += step;
        if (nibble & 8) diff = -diff;
        predictor = Clip16(predictor + diff);
        index = std::clamp(index + kImaIndexStep[nibble], 0, 88);
        return qint16(predictor);
    }
};

// One IMA block: per channel a header (first sample, step index, reserved),
// then groups of 4 bytes (8 samples) per channel in turn, low nibble first.
void DecodeImaBlock(const uchar* p, qint64 size, int channels, std::vector<qint16>& out)
{
    const qint64 header = 4 * channels;
    if (size < header)
        return;
    ImaState state[8];
    for (int c = 0; c < channels; ++c) {
        state[c].predictor = qFromLittleEndian<qint16>(p + 4 * c);
        state[c].index = std::clamp(int(p[4 * c + 2]), 0, 88);
        out.push_back(qint16(state[c].predictor));
    }
    const qint64 groups = (size - header) / (4 * channels);
    const size_t base = out.size();
    out.resize(base + size_t(groups) * 8 * channels);
    for (qint64 g = 0; g < groups; ++g) {
        for (int c = 0; c < channels; ++c) {
            const uchar* q = p + header + (g * channels + c) * 4;
            for (int b = 0; b < 4; ++b) {
                const size_t at = base + size_t((g * 8 + b * 2) * channels + c);
                out[at] = state[c].Next(q[b] & 0x0f);
                out[at + channels] = state[c].Next(q[b] >> 4);
            }
        }
    }
}

const int kMsAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
const int kMsCoef1[7] = {256, 512, 0, 192, 240, 460, 392};
const int kMsCoef2[7] = {0, -256, 0, 64, 0, -208, -232};

struct MsState {
    int coef1 = 256;
    int coef2 = 0;
    int delta = 16;
    int sample1 = 0;
    int sample2 = 0;

    qint16 Next(int nibble)
    {
        const int signedNibble = nibble >= 8 ? nibble - 16 : nibble;
        const int predicted = (sample1 * coef1 + sample2 * coef2) / 256 + signedNibble * delta;
        const qint16 s = Clip16(predicted);
        sample2 = sample1;
        sample1 = s;
        delta = std::clamp(kMsAdapt[nibble] * delta / 256, 16, INT_MAX / 768);
        return s;
    }
};

// One MS ADPCM block: predictor indexes, deltas, second and first samples of
// every channel, then nibbles high first, channels in turn.
void DecodeMsBlock(const uchar* p, qint64 size, int channels, std::vector<qint16>& out)
{
    const qint64 header = 7 * channels;
    if (size < header)
        return;
    MsState state[8];
    for (int c = 0; c < channels; ++c) {
        const int predictor = std::min(int(p[c]), 6);
        state[c].coef1 = kMsCoef1[predictor];
        state[c].coef2 = kMsCoef2[predictor];
        state[c].delta = std::max(16, int(qFromLittleEndian<qint16>(p + channels + 2 * c)));
        state[c].sample1 = qFromLittleEndian<qint16>(p + 3 * channels + 2 * c);
        state[c].sample2 = qFromLittleEndian<qint16>(p + 5 * channels + 2 * c);
    }
    for (int c = 0; c < channels; ++c)
        out.push_back(qint16(state[c].sample2));
    for (int c = 0; c < channels; ++c)
        out.push_back(qint16(state[c].sample1));
    int c = 0;
    for (qint64 i = header; i < size; ++i) {
        out.push_back(state[c].Next(p[i] >> 4));
        c = (c + 1) % channels;
        out.push_back(state[c].Next(p[i] & 0x0f));
        c = (c + 1) % channels;
    }
    // Keep whole frames only.
    out.resize(out.size() - out.size() % size_t(channels));
}

} // namespace

bool IsAdpcm(const WaveFormat& format)
{
    return (format.formatTag == kFormatImaAdpcm || format.formatTag == kFormatMsAdpcm) &&
           format.bitsPerSample == 4 && format.channels >= 1 && format.channels <= 8;
}

std::vector<qint16> DecodeAdpcm(const WaveFormat& format, const char* data, qint64 length)
{
    std::vector<qint16> out;
    if (!IsAdpcm(format) || length <= 0)
        return out;
    const int channels = format.channels;
    const qint64 block = BlockSize(format);
    try {
        out.reserve(size_t(length / block + 1) * size_t(block) * 2);
        const auto* p = reinterpret_cast<const uchar*>(data);
        for (qint64 at = 0; at < length; at += block) {
            const qint64 size = std::min(block, length - at);
            if (format.formatTag == kFormatImaAdpcm)
                DecodeImaBlock(p + at, size, channels, out);
            else
                DecodeMsBlock(p + at, size, channels, out);
        }
    } catch (const std::bad_alloc&) {
        out.clear();
    }
    return out;
}
