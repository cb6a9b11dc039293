#pragma once
// The encodings recorders and sound editors write, converted once on loading
// into what the player plays and measures: 8-bit unsigned or 16-bit signed
// PCM (format tag 1), channels as stored.
//
//   PCM, tag 1 or extensible   8 and 16 bits as stored; 24 and 32 bits cut to 16
//   IEEE float, tag 3          32 and 64 bits, clipped to 16
//   A-law (6), mu-law (7)      8 bits expanded to 16
//   ADPCM, IMA (0x11), MS (2)  4 bits decoded to 16, block headers dropped
//
// The extensible header (tag 0xFFFE) counts as the encoding its sub-format
// names. Data of fewer than 8 bits per sample with tag 1, and formats without
// channels, are passed on unchanged (the callers refuse them in their own way).
#include "sound/wav_file.h"

#include <optional>

inline constexpr quint16 kFormatPcm = 0x0001;
inline constexpr quint16 kFormatFloat = 0x0003;
inline constexpr quint16 kFormatALaw = 0x0006;
inline constexpr quint16 kFormatMuLaw = 0x0007;
inline constexpr quint16 kFormatExtensible = 0xFFFE;

// The converted image (its bytes are the samples alone); nothing for an
// encoding the program cannot play.
std::optional<WavImage> DecodeToPcm(WavImage wav);

// One G.711 byte as a 16-bit sample.
qint16 ALawSample(quint8 byte);
qint16 MuLawSample(quint8 byte);
