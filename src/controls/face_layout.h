#pragma once
// Placement rules of a drawn button's face.
#include <QRect>
#include <QSize>

// Round half to even, as the face placement rounds.
int RoundHalfEven(double v);

// Where a picture of natural size picture is drawn in cell at percent with
// the style's alignment: 4 centred, 7 bottom centre (both keep the picture's
// proportions), anything else at the top left of the cell, unscaled in shape.
// An empty picture size places the scaled cell without a proportion fix.
QRect PictureFaceRect(const QRect& cell, QSize picture, int percent, int alignment);

// The 3-D frame: n + 1 nested one-pixel lines, right and bottom edges in
// colour b, then left and top edges in colour a, each inner line one pixel
// further in; with outline a black rectangle around them first.
class QPainter;
class QColor;
void Draw3DFrame(QPainter& painter, QRect rect, bool outline, int n, const QColor& a, const QColor& b);
