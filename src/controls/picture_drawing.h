#pragma once
// Drawing a picture file into a bitmap (the picture field of exercise 2).
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Where a picture of size picture lands in a target of size target: with fit
// (or when it is not smaller than the target in both directions) the largest
// size with its proportions that fits, centred, margins split equally with
// halves truncated; otherwise unscaled and centred.
QRect PicturePlacement(QSize picture, QSize target, bool fit);

// Draws the picture file into target. Nothing happens when the file does not
// exist. The target is filled with background and the picture placed by
// PicturePlacement; with percent other than 100 the picture is first drawn
// into a bitmap of that share of the target's size, which is then placed
// into the target the same way without fit. transparent keeps the picture's
// transparent parts (for bitmaps without alpha: the colour of their bottom
// left pixel) showing the background; it never applies to files ending
// exactly in ".wmf".
void DrawPictureFileIntoBitmap(QImage& target, const QString& fileName, QColor background, int percent, bool fit,
                               bool transparent);
