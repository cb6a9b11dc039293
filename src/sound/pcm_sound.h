#pragma once
// A WAV file as plain PCM for the simple-sound and range players: 8 or 16-bit
// PCM, every other encoding converted on loading (sound/wav_decoding.h).
#include "platform/audio_device.h"
#include "sound/wav_file.h"

#include <QByteArray>
#include <optional>

struct PcmSound {
    PcmFormat format;
    QByteArray bytes;

    qint64 Frames() const { return format.BytesPerFrame() > 0 ? bytes.size() / format.BytesPerFrame() : 0; }
    // The frames from fromMs up to toMs (both cut to the sound).
    QByteArray Slice(qint64 fromMs, qint64 toMs) const;
};

std::optional<PcmSound> ToPcm(const WavImage& wav);
// Reads and converts a file (a program path); nothing when it cannot be played.
std::optional<PcmSound> LoadPcmSound(const QString& path);
