#pragma once
// Decoders of the bitmap picture formats. Each takes the whole file and gives
// a QImage, or a null image for a broken, truncated or oversized file (the
// limits of picture_limits.h). Errors inside the libraries never escape.
#include <QByteArray>
#include <QImage>

QImage DecodeJpeg(const QByteArray& file);   // libjpeg
QImage DecodePng(const QByteArray& file);    // libpng
// First image of a GIF (giflib): local or global colour table of 256 entries,
// missing ones black; the transparent index of its graphic control block
// becomes transparent.
QImage DecodeGif(const QByteArray& file);
QImage DecodeBmp(const QByteArray& file);    // our DIB reader
// The largest image of an icon or cursor file (DIB or PNG entries).
QImage DecodeIco(const QByteArray& file);
