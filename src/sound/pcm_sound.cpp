#include "sound/pcm_sound.h"

#include <algorithm>

QByteArray PcmSound::Slice(qint64 fromMs, qint64 toMs) const
{
    const int frame = format.BytesPerFrame();
    const qint64 frames = Frames();
    auto at = [&](qint64 ms) { return std::clamp<qint64>(ms * format.samplesPerSecond / 1000, 0, frames); };
    const qint64 from = at(fromMs);
    const qint64 to = at(toMs);
    return to > from ? bytes.mid(from * frame, (to - from) * frame) : QByteArray();
}

std::optional<PcmSound> ToPcm(const WavImage& wav)
{
    // The measured image is PCM already (ParseMeasuredWav converts it).
    const PcmFormat format = wav.format.Pcm();
    if (!format.IsPlayable())
        return std::nullopt;
    const qint64 whole = wav.dataLength - wav.dataLength % format.BytesPerFrame();
    return PcmSound{format, QByteArray(wav.Data(), whole)};
}

std::optional<PcmSound> LoadPcmSound(const QString& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    const auto wav = ParseMeasuredWav(std::move(*bytes));
    return wav ? ToPcm(*wav) : std::nullopt;
}
