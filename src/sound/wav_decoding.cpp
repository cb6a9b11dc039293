#include "sound/wav_decoding.h"

#include "sound/adpcm.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace {

// Decoded sounds larger than this are refused rather than held in memory.
constexpr qint64 kMaxDecodedBytes = qint64(1) << 30;

WavImage Pcm16(const WavImage& wav, QByteArray samples)
{
    WavImage out;
    out.format = wav.format;
    out.format.formatTag = kFormatPcm;
    out.format.bitsPerSample = 16;
    out.format.blockAlign = quint16(2 * wav.format.channels);
    out.format.avgBytesPerSecond = wav.format.samplesPerSecond * out.format.blockAlign;
    out.dataLength = samples.size();
    out.bytes = std::move(samples);
    return out;
}

// Calls convert(source sample, target) for every whole sample of size bytes.
template <class F>
std::optional<WavImage> ConvertSamples(const WavImage& wav, int size, F convert)
{
    const int frame = size * wav.format.channels;
    const qint64 count = wav.dataLength / frame * wav.format.channels;
    if (count * 2 > kMaxDecodedBytes)
        return std::nullopt;
    try {
        QByteArray samples(count * 2, Qt::Uninitialized);
        const char* src = wav.Data();
        char* dst = samples.data();
        for (qint64 i = 0; i < count; ++i)
            qToLittleEndian<qint16>(convert(src + i * size), dst + 2 * i);
        return Pcm16(wav, std::move(samples));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

qint16 FromFloat(double v)
{
    if (!(v == v))
        return 0; // NaN
    return qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
}

std::optional<WavImage> DecodeAdpcmImage(const WavImage& wav)
{
    if (wav.dataLength * 4 > kMaxDecodedBytes)
        return std::nullopt;
    std::vector<qint16> samples = DecodeAdpcm(wav.format, wav.Data(), wav.dataLength);
    const size_t stated = size_t(wav.factFrames) * wav.format.channels;
    if (stated > 0 && stated < samples.size())
        samples.resize(stated); // the padding of the last block is no sound
    if (samples.empty())
        return std::nullopt;
    try {
        QByteArray bytes(qsizetype(samples.size() * 2), Qt::Uninitialized);
        qToLittleEndian<qint16>(samples.data(), qsizetype(samples.size()), bytes.data());
        return Pcm16(wav, std::move(bytes));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace

qint16 ALawSample(quint8 byte)
{
    const int a = byte ^ 0x55;
    const int exponent = (a >> 4) & 7;
    int magnitude = ((a & 0x0f) << 4) + 8;
    if (exponent > 0)
        magnitude = (magnitude + 0x100) << (exponent - 1);
    return qint16(a & 0x80 ? magnitude : -magnitude);
}

qint16 MuLawSample(quint8 byte)
{
    const int u = ~byte & 0xff;
    const int exponent = (u >> 4) & 7;
    const int magnitude = ((((u & 0x0f) << 3) + 0x84) << exponent) - 0x84;
    return qint16(u & 0x80 ? -magnitude : magnitude);
}

std::optional<WavImage> DecodeToPcm(WavImage wav)
{
    WaveFormat& f = wav.format;
    const quint16 tag = f.formatTag == kFormatExtensible ? wav.subFormat : f.formatTag;
    const int bits = f.bitsPerSample;
    if (f.channels == 0 || f.channels > kMaxChannels)
        return f.channels == 0 ? std::optional<WavImage>(std::move(wav)) : std::nullopt;
    switch (tag) {
    case kFormatPcm:
        if (bits == 8 || bits == 16 || bits < 8) {
            f.formatTag = kFormatPcm;
            return wav;
        }
        if (bits == 24)
            return ConvertSamples(wav, 3, [](const char* s) { return qFromLittleEndian<qint16>(s + 1); });
        if (bits == 32)
            return ConvertSamples(wav, 4, [](const char* s) { return qFromLittleEndian<qint16>(s + 2); });
        return std::nullopt;
    case kFormatFloat:
        if (bits == 32)
            return ConvertSamples(wav, 4, [](const char* s) { return FromFloat(qFromLittleEndian<float>(s)); });
        if (bits == 64)
            return ConvertSamples(wav, 8, [](const char* s) { return FromFloat(qFromLittleEndian<double>(s)); });
        return std::nullopt;
    case kFormatALaw:
    case kFormatMuLaw:
        if (bits != 8)
            return std::nullopt;
        return ConvertSamples(wav, 1, [tag](const char* s) {
            return tag == kFormatALaw ? ALawSample(quint8(*s)) : MuLawSample(quint8(*s));
        });
    case kFormatImaAdpcm:
    case kFormatMsAdpcm:
        if (f.formatTag == kFormatExtensible)
            f.formatTag = tag;
        return DecodeAdpcmImage(wav);
    default:
        return std::nullopt;
    }
}
