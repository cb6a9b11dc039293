#pragma once
// The two metafile record players. Each reads the header of its format (the
// picture frame in reference pixels and the natural size) and plays the
// records onto a GdiCanvas. Unknown records are skipped; a record that claims
// more bytes than the file holds ends playing.
#include "controls/byte_reader.h"
#include "controls/gdi_canvas.h"

#include <QRectF>
#include <QSize>
#include <optional>

struct MetafileInfo {
    QRectF frame;       // what the picture covers, in the coordinates records map to
    QSize naturalSize;  // screen pixels at 96 dpi
    int objectSlots = 0;
    double pxPerMmX = 96.0 / 25.4, pxPerMmY = 96.0 / 25.4;
};

// Windows metafile, with or without the placeable header.
std::optional<MetafileInfo> ReadWmfInfo(const ByteReader& file);
void PlayWmf(const ByteReader& file, const MetafileInfo& info, GdiCanvas& canvas);

// Enhanced metafile.
std::optional<MetafileInfo> ReadEmfInfo(const ByteReader& file);
void PlayEmf(const ByteReader& file, const MetafileInfo& info, GdiCanvas& canvas);
