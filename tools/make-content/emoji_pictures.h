#pragma once
// Word pictures: one emoji of the colour emoji font drawn by Qt into a PNG of
// 256 x 256 pixels with a transparent background.
#include <QImage>
#include <QString>

// Draws emoji centred and as large as fits into a square of the given size
// with a small margin. Throws ContentError when the font has no colour glyph
// for it (it would be drawn as a box or from another font).
QImage RenderEmoji(const QString& emoji, int size = 256);

// The PNG bytes of an image (no time stamps, so equal images give equal files).
QByteArray PngBytes(const QImage& image);
