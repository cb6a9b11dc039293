#pragma once
// Drawing helpers for the program's symbols on top of the metafile writer:
// filled shapes from painter paths (the writer fills polygons, so curves are
// flattened here), outlined in a darker shade, and small recurring motifs
// (picture frames, cards, loudspeaker, notes, stars).
#include "controls/metafile_writer.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class Sketch {
public:
    Sketch(MetafileFormat format, int width, int height);

    // Fill colour and outline (no outline when width is 0) for what follows.
    void Paint(QColor fill, QColor outline, int outlineWidth);
    void PaintNoOutline(QColor fill);
    void Line(QColor color, int width);   // for Stroke: pen only, no fill

    void Shape(const QPainterPath& path);   // filled and outlined
    void Stroke(const QList<QPointF>& points);
    void Box(const QRectF& r);
    void RoundBox(const QRectF& r, double radius);
    void Circle(QPointF centre, double radius);
    void Ellipse(const QRectF& r);
    void Polygon(const QList<QPointF>& points);
    void Pie(QPointF centre, double radius, double fromDegrees, double spanDegrees);
    void Text(QPointF baselineCentre, const QString& text, int height, QColor color);

    // Motifs, each inside r.
    void Plate(const QRectF& r, QColor fill);                 // rounded background
    void Star(QPointF centre, double outer, double inner, QColor fill);
    void Note(QPointF head, double size, QColor color);        // a quaver
    void Speaker(const QRectF& r, bool waves);
    void PictureFrame(const QRectF& r, int motif);             // 0 sun, 1 tree, 2 house
    void WordCard(const QRectF& r, bool tick);
    void CardBack(const QRectF& r, int style);                  // styles of the memory backs
    void Apple(const QRectF& r);
    void Arrow(const QRectF& r, bool right, QColor fill);

    QByteArray End() { return writer_.End(); }

private:
    MetafileWriter writer_;
};

// Darker shade of a colour for outlines and shadows.
QColor Darker(QColor c, int percent = 160);
