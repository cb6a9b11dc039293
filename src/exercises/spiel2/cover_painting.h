#pragma once
// Painting the covered picture of uncovering mode: the cover in its grey
// with the grid and the frame, the request text, and the picture itself
// framed at the size of the picture field.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

inline const QColor kCoverColour(0x6E, 0x6E, 0x6E);
// White: black on the cover's grey is too dark to read.
inline const QColor kCoverTextColour(Qt::white);

// The entry's picture drawn into a bitmap of size at the zoom of its style
// (characters 3 to 5, 100 when empty) on the window colour, and framed.
QImage FullPicture(QSize size, const QString& pictureFile, const QString& style, int frameWidth);
// The zoom of a picture style.
int StyleZoom(const QString& style);
// The cover: grey, the request text (when given) centred in white, the grid
// lines at the piece borders, the frame.
void PaintCover(QImage& shown, const QVector<QRect>& pieces, int frameWidth, const QString& request);
// The frame around a bitmap: a bevel of frameWidth in teal and cyan with a
// black outline, and a second bevel inside.
void PaintFrame(QImage& image, int frameWidth);
// Copies piece from the full picture into the shown one.
void CopyPiece(const QImage& full, QImage& shown, const QRect& piece);
