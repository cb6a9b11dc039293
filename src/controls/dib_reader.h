#pragma once
// Device-independent bitmaps as BMP files, icons and metafiles carry them:
// a BITMAPINFO header (core, 40-byte or V4/V5), a colour table and the pixel
// rows (1, 4, 8, 16, 24, 32 bits; uncompressed, RLE4, RLE8 or bit fields).
#include "controls/byte_reader.h"

#include <QImage>

struct DibOptions {
    // Icon images: the header gives twice the height and a 1-bit AND mask
    // follows the colour rows; masked pixels become transparent.
    bool iconMask = false;
};

// Decodes a DIB whose header starts at info and whose pixel rows start at bits.
// Rows missing at the end of the data stay black. Null image when the header
// is unusable or the size is beyond the picture limits.
QImage DecodeDib(const ByteReader& info, const ByteReader& bits, DibOptions options = {});

// A packed DIB: the header, the colour table and the rows one after another.
QImage DecodePackedDib(const ByteReader& data, DibOptions options = {});

// Size in bytes of the header plus colour table of the DIB at info (0 when the
// header is unusable); the rows of a packed DIB start there.
qsizetype DibHeaderAndPaletteSize(const ByteReader& info);
