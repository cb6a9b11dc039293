#pragma once
// Writes small WMF or EMF pictures: used by the content tool to draw the
// program's symbols and by tests to build fixtures. Coordinates are logical
// units that equal the picture's pixels at its natural size; the picture
// covers (0, 0) to (width, height). Shapes are filled with the current brush
// and outlined with the current pen, as the classic drawing calls do.
//
//   MetafileWriter w(MetafileFormat::Emf);
//   w.Begin(64, 64);
//   w.SetBrush(Qt::red);
//   w.Ellipse(QRect(8, 8, 48, 48));
//   QByteArray file = w.End();
#include "controls/metafile.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class MetafileWriter {
public:
    explicit MetafileWriter(MetafileFormat format);

    // Starts a picture of width x height (at least 1 x 1). Defaults: black
    // pen of width 1, white brush, Arial 12 in black, winding fill.
    void Begin(int width, int height);
    // Maps the logical window (origin, extent; a negative extent flips that
    // axis) onto the whole picture for the drawing that follows.
    void SetLogicalWindow(QPoint origin, QSize extent);
    void SetPen(QColor color, int width = 1);
    void SetNoPen();
    void SetBrush(QColor color);
    void SetNoBrush();
    // height: character height in logical units; width: average character
    // width (0: the font's own); charset: the character set field.
    void SetFont(const QString& face, int height, bool bold = false, bool italic = false, int width = 0,
                 int charset = 0);
    void SetTextColor(QColor color);

    void Polygon(const QList<QPoint>& points);
    void Polyline(const QList<QPoint>& points);
    // Start point and three points per cubic segment. WMF has no curves: there
    // the curve is written as a fine polyline.
    void Bezier(const QList<QPoint>& points);
    void Rectangle(const QRect& r);
    void RoundRect(const QRect& r, int cornerWidth, int cornerHeight);
    void Ellipse(const QRect& r);
    // A pie slice of the ellipse in box, counter-clockwise from the radial
    // through start to the radial through end.
    void Pie(const QRect& box, QPoint start, QPoint end);
    // Text with its reference point at p; horizontal AlignLeft, AlignHCenter
    // or AlignRight, vertical AlignTop, AlignBaseline or AlignBottom.
    void Text(QPoint p, const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
    // EMF: text with the advance of every character (logical units).
    void TextWithAdvances(QPoint p, const QString& text, const QList<int>& advances);
    // WMF: one-byte text as stored, read in the font's character set.
    void TextBytes(QPoint p, const QByteArray& bytes);
    // A bitmap stretched into dest (stored as a 32-bit DIB) with a raster
    // operation.
    void Image(const QRect& dest, const QImage& image, quint32 rop = 0x00CC0020);
    // A bit-block transfer without a bitmap (pattern and destination only).
    void PatBlt(const QRect& dest, quint32 rop);
    // EMF: the reference device the header names (pixels, millimetres and
    // micrometres); default 960 x 960 pixels on 254 mm.
    void SetReference(QSize pixels, QSize millimetres, QSize micrometres);

    // The finished file.
    QByteArray End();

private:
    enum Slot { PenSlot, BrushSlot, FontSlot };
    void WmfRecord(quint16 function, const QByteArray& params);
    void EmfRecord(quint32 type, const QByteArray& params);
    void Replace(Slot slot, const QByteArray& create, bool none);
    QByteArray PenParams(QColor color, int width) const;
    QByteArray BrushParams(QColor color) const;
    QByteArray FontParams(const QString& face, int height, bool bold, bool italic, int width, int charset) const;
    void PolyRecord(int emfType, int emfType16, quint16 wmfFunction, const QList<QPoint>& points);
    void BoxRecord(int emfType, quint16 wmfFunction, const QRect& r, const QByteArray& extraEmf,
                   const QByteArray& extraWmfFront);

    MetafileFormat format_;
    int width_ = 1, height_ = 1;
    QByteArray records_;
    int recordCount_ = 0;
    quint32 maxRecordWords_ = 0;
    int slotOf_[3] = {-1, -1, -1};      // WMF object slot per kind
    QSize refPixels_{960, 960}, refMm_{254, 254}, refUm_{254000, 254000};
    bool slotUsed_[4] = {};
};
