#include "sound/wav_file.h"

#include "platform/file_paths.h"
#include "sound/wav_decoding.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {

quint32 U32At(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 U16At(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

std::optional<ChunkSpan> FindChunk(const QByteArray& image, const char id[4], ChunkMatch match)
{
    const qint64 size = image.size();
    if (size < 12)
        return std::nullopt;
    const qint64 end = qMin<qint64>(qint64(U32At(image, 4)) + 8, size);
    const size_t compared = match == ChunkMatch::Exact ? 4 : 3;
    qint64 pos = 12;
    while (pos + 8 <= end) {
        const qint64 chunkSize = U32At(image, pos + 4);
        if (std::memcmp(image.constData() + pos, id, compared) == 0) {
            const qint64 body = pos + 8;
            return ChunkSpan{body, qMin(chunkSize, size - body)};
        }
        pos += 8 + chunkSize + (chunkSize & 1);
    }
    return std::nullopt;
}

namespace {

std::optional<WavImage> Parse(QByteArray bytes, ChunkMatch fmtMatch)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || std::memcmp(bytes.constData() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const auto fmt = FindChunk(bytes, "fmt ", fmtMatch);
    const auto data = FindChunk(bytes, "data", ChunkMatch::Exact);
    if (!fmt || fmt->length < 16 || !data)
        return std::nullopt;
    WavImage wav;
    const qint64 f = fmt->offset;
    wav.format.formatTag = U16At(bytes, f);
    wav.format.channels = U16At(bytes, f + 2);
    wav.format.samplesPerSecond = U32At(bytes, f + 4);
    wav.format.avgBytesPerSecond = U32At(bytes, f + 8);
    wav.format.blockAlign = U16At(bytes, f + 12);
    wav.format.bitsPerSample = U16At(bytes, f + 14);
    if (wav.format.channels > kMaxChannels || wav.format.bitsPerSample > kMaxBitsPerSample)
        return std::nullopt;
    // The extensible header names its encoding by a GUID whose first two
    // bytes are the classic format tag and whose rest is fixed.
    static const char kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, char(0x80),
                                       0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};
    if (wav.format.formatTag == 0xFFFE && fmt->length >= 40 && U16At(bytes, f + 16) >= 22 &&
        std::memcmp(bytes.constData() + f + 26, kGuidTail, sizeof kGuidTail) == 0)
        wav.subFormat = U16At(bytes, f + 24);
    if (const auto fact = FindChunk(bytes, "fact", ChunkMatch::Exact); fact && fact->length >= 4)
        wav.factFrames = U32At(bytes, fact->offset);
    wav.dataOffset = data->offset;
    wav.dataLength = data->length;
    wav.bytes = std::move(bytes);
    return wav;
}

} // namespace

std::optional<WavImage> ParseWavImage(QByteArray bytes)
{
    return Parse(std::move(bytes), ChunkMatch::FirstThree);
}

std::optional<WavImage> ParseMeasuredWav(QByteArray bytes)
{
    auto wav = Parse(std::move(bytes), ChunkMatch::Exact);
    if (!wav || wav->format.formatTag == 0 || wav->format.channels == 0 || wav->format.samplesPerSecond == 0)
        return std::nullopt;
    if (wav->format.bitsPerSample == 0)
        wav->format.bitsPerSample = 16;
    wav = DecodeToPcm(std::move(*wav));
    if (!wav)
        return std::nullopt;
    const int bits = wav->format.bitsPerSample;
    if (bits != 4 && bits != 8 && bits != 16)
        return std::nullopt;
    return wav;
}

std::optional<WavImage> ParsePlayableWav(QByteArray bytes)
{
    auto wav = ParseWavImage(std::move(bytes));
    return wav ? DecodeToPcm(std::move(*wav)) : std::nullopt;
}

qint64 FrameCount(const WavImage& wav)
{
    const qint64 halfBytes = qint64(wav.format.channels) * wav.format.bitsPerSample / 4;
    return halfBytes > 0 ? wav.dataLength * 2 / halfBytes : 0;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    try {
        QByteArray bytes = file.readAll();
        if (bytes.size() != file.size())
            return std::nullopt;
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool NamesWavFile(const QString& name)
{
    return name.contains(QLatin1String(".wav"), Qt::CaseInsensitive);
}

bool NamesMidiFile(const QString& name)
{
    return name.contains(QLatin1String(".mid"), Qt::CaseInsensitive);
}
