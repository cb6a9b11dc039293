#pragma once
// Decoders of the two common 4-bit ADPCM WAV formats: IMA (format tag 0x11)
// and Microsoft ADPCM (format tag 2, with the standard coefficient table).
#include "sound/wav_file.h"

#include <QtGlobal>
#include <vector>

inline constexpr quint16 kFormatMsAdpcm = 0x0002;
inline constexpr quint16 kFormatImaAdpcm = 0x0011;

bool IsAdpcm(const WaveFormat& format);
// 16-bit samples, channels interleaved; empty when the format is not a
// supported ADPCM layout. A short last block is decoded as far as it goes.
std::vector<qint16> DecodeAdpcm(const WaveFormat& format, const char* data, qint64 length);
