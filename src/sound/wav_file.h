#pragma once
// RIFF WAVE files held whole in memory: the chunk walk and the format.
//
// Sizes read from a file are never trusted: a chunk body is always cut at the
// end of the image, so its offset and length lie inside the bytes.
#include "platform/audio_device.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The first 16 bytes of the "fmt " chunk.
struct WaveFormat {
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 samplesPerSecond = 0;
    quint32 avgBytesPerSecond = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;

    PcmFormat Pcm() const
    {
        return PcmFormat{formatTag, channels, int(qMin<quint32>(samplesPerSecond, 0x7fffffff)), bitsPerSample};
    }
};

// A chunk body inside the image.
struct ChunkSpan {
    qint64 offset = 0;
    qint64 length = 0;
};

// How a chunk id is matched: the whole four bytes, or only the first three
// (the button loader takes any chunk whose id begins with "fmt").
enum class ChunkMatch { Exact, FirstThree };

// Walks the chunks from offset 12 and returns the first whose id matches.
// Each step is 8 + size rounded up to even; the walk ends at RIFF size + 8 or at
// the end of the image, whichever comes first.
std::optional<ChunkSpan> FindChunk(const QByteArray& image, const char id[4], ChunkMatch match);

// A WAV file image with the position of its samples.
struct WavImage {
    QByteArray bytes;
    WaveFormat format;
    qint64 dataOffset = 0;
    qint64 dataLength = 0;
    // For the extensible header (format tag 0xFFFE): the format tag its
    // sub-format names, 0 when the header does not name a standard one.
    quint16 subFormat = 0;
    // Frames per channel from a "fact" chunk (0: none): compressed data is
    // decoded in whole blocks, the last of which may be padded.
    quint32 factFrames = 0;

    const char* Data() const { return bytes.constData() + dataOffset; }
};

// Largest layout a file may claim: more channels or wider samples are refused
// when the file is read, so no frame is ever larger than 8 x 8 bytes.
inline constexpr int kMaxChannels = 8;
inline constexpr int kMaxBitsPerSample = 64;

// "RIFF" at 0, "WAVE" at 8, a chunk beginning with "fmt" with 16 body bytes,
// and a "data" chunk; nothing when any of them is missing or the format claims
// more channels or bits per sample than the limits above.
std::optional<WavImage> ParseWavImage(QByteArray bytes);

// The same file as the measuring side reads it: the chunk "fmt " by its whole
// id, a non-zero format tag, at least one channel and a non-zero rate (0 bits
// per sample count as 16), converted to PCM (sound/wav_decoding.h), which must
// then have 4, 8 or 16 bits per sample.
std::optional<WavImage> ParseMeasuredWav(QByteArray bytes);
// The file as a button loads it: ParseWavImage, then converted to PCM.
std::optional<WavImage> ParsePlayableWav(QByteArray bytes);
// Frames of the data: bytes divided by bytes per frame, half bytes for 4 bits.
qint64 FrameCount(const WavImage& wav);

// Reads a file whole; nothing when it cannot be read (or is too large to hold).
std::optional<QByteArray> ReadWholeFile(const QString& path);

// True when the name asks for a WAV or a MIDI file ("name.wav", "X.MID"...).
bool NamesWavFile(const QString& name);
bool NamesMidiFile(const QString& name);
