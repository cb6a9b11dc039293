#pragma once
// Shared body of the WMF and EMF fuzz targets: parse, then play into a small
// image with mirroring and proportions taken from the input's size.
#include "controls/metafile.h"
#include "fuzz_app.h"

#include <QImage>
#include <QPainter>

inline void FuzzMetafile(const uint8_t* data, size_t size)
{
    EnsureFuzzApp();
    const Metafile m = Metafile::FromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (m.IsNull())
        return;
    QImage img(48, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    m.Play(p, QRectF(2, 2, 44, 28), int(size % 4) - 1, size & 1);
}
