#pragma once
// WAV files built in code for sound tests.
#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

namespace wavbytes {

inline void PutU16(QByteArray& b, quint16 v)
{
    char x[2];
    qToLittleEndian(v, x);
    b.append(x, 2);
}
inline void PutU32(QByteArray& b, quint32 v)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, 4);
}

// A chunk with its id, size and body (plus the pad byte of an odd body).
inline QByteArray Chunk(const char* id, const QByteArray& body)
{
    QByteArray c(id, 4);
    PutU32(c, quint32(body.size()));
    c += body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

inline QByteArray Fmt(int channels, int rate, int bits, quint16 tag = 1, int blockAlign = -1)
{
    QByteArray f;
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    PutU16(f, tag);
    PutU16(f, quint16(channels));
    PutU32(f, quint32(rate));
    PutU32(f, quint32(rate * align));
    PutU16(f, quint16(align));
    PutU16(f, quint16(bits));
    return f;
}

// "RIFF" size "WAVE" and the chunks.
inline QByteArray Riff(const QByteArray& chunks)
{
    QByteArray w("RIFF");
    PutU32(w, quint32(chunks.size() + 4));
    w += "WAVE";
    w += chunks;
    return w;
}

inline QByteArray Wav(int channels, int rate, int bits, const QByteArray& data)
{
    return Riff(Chunk("fmt ", Fmt(channels, rate, bits)) + Chunk("data", data));
}

inline QByteArray Samples16(const std::vector<qint16>& samples)
{
    QByteArray b;
    for (qint16 s : samples)
        PutU16(b, quint16(s));
    return b;
}

inline std::vector<qint16> Read16(const QByteArray& b)
{
    std::vector<qint16> out;
    for (int i = 0; i + 1 < b.size(); i += 2)
        out.push_back(qFromLittleEndian<qint16>(b.constData() + i));
    return out;
}

// A loud tone (a square-ish wave that never stays near one value).
inline std::vector<qint16> Noise(int frames, int amplitude = 12000)
{
    std::vector<qint16> s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        s[size_t(i)] = qint16(amplitude * std::sin(i * 0.7) + (i % 2 ? amplitude / 2 : -amplitude / 2));
    return s;
}

// Frames 0, 1, 2, ... as 16-bit mono samples: easy to follow through processing.
inline std::vector<qint16> Ramp(int frames, int step = 1)
{
    std::vector<qint16> s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        s[size_t(i)] = qint16(i * step);
    return s;
}

} // namespace wavbytes

namespace wavbytes {

// IMA ADPCM (format tag 0x11) of mono samples in blocks of blockAlign bytes:
// a reference encoder for the decoder's tests.
inline QByteArray ImaAdpcmMono(const std::vector<qint16>& samples, int blockAlign = 256)
{
    static const int steps[89] = {
        7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
        31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
        130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
        544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
        2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
        9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
    static const int indexStep[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};
    const size_t perBlock = size_t(blockAlign - 4) * 2 + 1;
    QByteArray out;
    int index = 0;
    for (size_t at = 0; at < samples.size(); at += perBlock) {
        int pred = samples[at];
        PutU16(out, quint16(qint16(pred)));
        out += char(index);
        out += '\0';
        QByteArray body(blockAlign - 4, '\0');
        for (size_t k = 1; k < perBlock; ++k) {
            const int target = at + k < samples.size() ? samples[at + k] : 0;
            int diff = target - pred;
            int nibble = 0;
            if (diff < 0) {
                nibble = 8;
                diff = -diff;
            }
            int step = steps[index];
            int delta = step >> 3;
            if (diff >= step) { nibble |= 4; diff -= step; delta += step; }
            step >>= 1;
            if (diff >= step) { nibble |= 2; diff -= step; delta += step; }
            step >>= 1;
            if (diff >= step) { nibble |= 1; delta += step; }
            pred = std::clamp(nibble & 8 ? pred - delta : pred + delta, -32768, 32767);
            index = std::clamp(index + indexStep[nibble], 0, 88);
            const size_t byte = (k - 1) / 2;
            body[qsizetype(byte)] = char(body[qsizetype(byte)] | ((k - 1) % 2 ? nibble << 4 : nibble));
        }
        out += body;
    }
    return out;
}

} // namespace wavbytes
