#pragma once
// Word pictures of our own for things no emoji shows clearly: drawn with Qt
// in the emoji's manner (flat colours, darker outlines) into a square PNG of
// the same size with a transparent background. woerter.txt names one as
// "=Name" in its picture column.
#include <QImage>
#include <QString>
#include <QStringList>

inline constexpr QChar kOwnDrawingMark = u'=';

// Draws the named picture; throws ContentError for a name it does not know.
QImage DrawOwnPicture(const QString& name, int size = 256);
QStringList OwnPictureNames();
