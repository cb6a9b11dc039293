#pragma once
// Limits that keep absurd declared sizes in picture files from taking
// unbounded memory or time. Real pictures of the program stay far below.
#include <QtGlobal>

// Decoded pictures larger than this many pixels are refused (128 MB as ARGB).
inline constexpr qint64 kMaxPicturePixels = qint64(1) << 25;
// Neither side of a decoded picture may exceed this.
inline constexpr int kMaxPictureSide = 32767;
// Picture files larger than this are not read.
inline constexpr qint64 kMaxPictureFileBytes = qint64(256) << 20;

// A declared side in pixels, rounded and held to 1..kMaxPictureSide, so
// absurd header values neither overflow nor ask for huge pictures.
inline int ClampedPictureSide(double side)
{
    if (!(side >= 1))  // also catches NaN
        return 1;
    return side >= kMaxPictureSide ? kMaxPictureSide : qRound(side);
}

inline bool PictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}
