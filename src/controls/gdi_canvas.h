#pragma once
// The drawing state that metafile records work on, as the classic graphics
// interface defines it: map mode, window and viewport, world transform, the
// selected pen, brush and font, text and background settings, the current
// position, an open path and the clip, with a stack of saved states. The two
// record players (wmf_player, emf_player) translate records into these calls;
// everything is drawn anti-aliased through a QPainter.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

struct GdiPen {
    int style = 0;        // PS_* style, end cap and join bits
    double width = 0;     // logical units; 0 = one device pixel
    QColor color = Qt::black;
};
struct GdiBrush {
    int style = 0;        // 0 solid, 1 null, 2 hatched, 3/5/6 pattern
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};
struct GdiFont {
    double height = 0;    // < 0: character height, > 0: cell height, 0: default
    double width = 0;
    double escapement = 0;  // tenths of a degree
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 1;      // the character set of one-byte text (DEFAULT_CHARSET)
    QString face;
};
// An entry of the object table; monostate for objects this player ignores
// (palettes, regions) so that their slots are still taken.
using GdiObject = std::variant<std::monostate, GdiPen, GdiBrush, GdiFont>;

namespace gdi {
// Map modes.
enum MapMode { Text = 1, LoMetric, HiMetric, LoEnglish, HiEnglish, Twips, Isotropic, Anisotropic };
// Text alignment bits.
enum TextAlign { UpdateCp = 1, Right = 2, Center = 6, Bottom = 8, Baseline = 24 };
// Raster operations used by bit-block transfers.
enum Rop : quint32 {
    SrcCopy = 0x00CC0020, SrcAnd = 0x008800C6, SrcPaint = 0x00EE0086, SrcInvert = 0x00660046,
    PatCopy = 0x00F00021, DstInvert = 0x00550009, Blackness = 0x00000042, Whiteness = 0x00FF0062,
    NotSrcCopy = 0x00330008, SrcErase = 0x00440328, MergeCopy = 0x00C000CA,
};
} // namespace gdi

class GdiCanvas {
public:
    // painter draws into the target; frameToTarget maps the picture frame
    // (reference device pixels) onto the target rectangle; clip limits all
    // drawing (in target coordinates).
    GdiCanvas(QPainter& painter, const QTransform& frameToTarget, const QRectF& clip);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // Logical to frame mapping. A fixed frame (used for placeable WMF) maps the
    // current window onto it whatever the map mode says; otherwise the full
    // map-mode rules apply with the given reference pixels per millimetre.
    void SetFixedFrame(const QRectF& frame);
    void SetPixelsPerMm(double x, double y);

    // Object table.
    void SetObjectSlots(int count);
    int AddObject(GdiObject object);              // lowest free slot, -1 when full
    void PutObject(quint32 index, GdiObject object);
    void SelectObject(quint32 index);             // stock objects have the high bit set
    void DeleteObject(quint32 index);

    // State.
    void SetMapMode(int mode);
    void SetWindowOrg(QPointF p);
    void SetWindowExt(QSizeF s);
    void SetViewportOrg(QPointF p);
    void SetViewportExt(QSizeF s);
    void OffsetWindowOrg(QPointF d);
    void OffsetViewportOrg(QPointF d);
    void ScaleWindowExt(double xn, double xd, double yn, double yd);
    void ScaleViewportExt(double xn, double xd, double yn, double yd);
    void SetWorldTransform(const QTransform& t);
    void ModifyWorldTransform(const QTransform& t, int mode);
    void SetTextColor(QColor c) { s_.textColor = c; }
    void SetBkColor(QColor c) { s_.bkColor = c; }
    void SetBkMode(int mode) { s_.bkOpaque = mode == 2; }
    void SetPolyFillMode(int mode) { s_.winding = mode == 2; }
    void SetTextAlign(int align) { s_.textAlign = align; }
    void SetArcDirection(int dir) { s_.clockwise = dir == 2; }
    void SetRop2(int rop) { s_.rop2 = rop; }
    void SaveDc();
    void RestoreDc(int which);   // < 0: relative to the top; > 0: absolute
    void IntersectClipRect(const QRectF& r);
    void ExcludeClipRect(const QRectF& r);
    void ResetClip();

    // Drawing in logical coordinates.
    void MoveTo(QPointF p);
    void LineTo(QPointF p);
    void Polyline(const std::vector<QPointF>& pts);
    void PolylineTo(const std::vector<QPointF>& pts);
    void Polygon(const std::vector<QPointF>& pts);
    void PolyPolygon(const std::vector<std::vector<QPointF>>& polys);
    void PolyPolyline(const std::vector<std::vector<QPointF>>& lines);
    void PolyBezier(const std::vector<QPointF>& pts);     // start + 3 per segment
    void PolyBezierTo(const std::vector<QPointF>& pts);   // 3 per segment
    void Rectangle(const QRectF& r);
    void RoundRect(const QRectF& r, QSizeF corner);
    void Ellipse(const QRectF& r);
    enum class ArcKind { Arc, Chord, Pie, ArcTo };
    void Arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end);
    void SetPixel(QPointF p, QColor c);
    // Text at p (or the current position with TA_UPDATECP); dx: advances in
    // logical units, optional; opaqueRect filled with the background first.
    void TextOut(QPointF p, const QString& text, const std::vector<double>& dx = {},
                 const std::optional<QRectF>& opaqueRect = {});
    // Draws src (sub-rectangle srcRect of image) into the logical rectangle
    // dest (sizes may be negative: mirrored) with a raster operation; an
    // image with alpha drawn with SrcCopy is blended over what is there.
    // Every other operation works on each colour channel bit by bit with the
    // brush's colour as the pattern.
    void DrawImage(const QRectF& dest, const QImage& image, const QRectF& srcRect, quint32 rop);
    // A raster operation of the brush and the destination over dest.
    void PatBlt(const QRectF& dest, quint32 rop);
    // A bit-block transfer as records give it: the image is null when the
    // record carries no bitmap; src is the part of the image it takes.
    struct Blit {
        QRectF dest;
        QImage image;
        QRectF src;
        quint32 rop = gdi::SrcCopy;
    };
    // Exporters write a picture with graded transparency as two bitmaps over
    // one rectangle: a mask (white where the picture is clear) with SrcAnd,
    // then the picture, black where clear, with SrcPaint or SrcInvert.
    static bool StartsMaskPair(const Blit& mask);
    // Draws such a pair as one bitmap with alpha (the mask's darkness); false,
    // drawing nothing, when the two are no such pair.
    bool DrawMaskPair(const Blit& mask, const Blit& picture);
    static QImage CombineMaskPair(const QImage& mask, const QImage& image);

    // Paths.
    void BeginPath();
    void EndPath();
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void SelectClipPath(int mode);

    QPointF CurrentPosition() const { return s_.position; }
    const GdiFont& SelectedFont() const { return s_.font; }

private:
    struct State {
        int mapMode = gdi::Text;
        QPointF winOrg, vpOrg;
        QSizeF winExt{1, 1}, vpExt{1, 1};
        QTransform world;
        GdiPen pen;
        bool penNull = false;
        GdiBrush brush;
        GdiFont font;
        QColor textColor = Qt::black, bkColor = Qt::white;
        bool bkOpaque = true, winding = false, clockwise = false;
        int textAlign = 0, rop2 = 13;
        QPointF position;
        std::optional<QPainterPath> clip;   // target coordinates
    };

    QTransform LogicalToTarget() const;
    double DeviceScale() const;     // target pixels per logical unit (mean)
    double TargetSpan() const;      // cap of pen widths and font sizes
    QPen DevicePen() const;
    QBrush DeviceBrush() const;
    // The selected brush with every colour of it mapped (pattern pixels too).
    QBrush MappedBrush(const std::function<QRgb(QRgb)>& map) const;
    void ApplyClip();
    // Fills and/or strokes a logical path with the current pen and brush, or
    // adds it to the open path.
    void Emit(const QPainterPath& logical, bool fill, bool stroke);
    void Draw(const QPainterPath& target, bool fill, bool stroke);
    void SelectStock(quint32 index);
    QPainterPath ArcPath(ArcKind kind, const QRectF& box, QPointF start, QPointF end) const;
    QFont DeviceFont(double* heightPx) const;

    QPainter& painter_;
    QTransform frameToTarget_;
    QRectF targetClip_;
    std::optional<QRectF> fixedFrame_;
    double pxPerMmX_ = 96.0 / 25.4, pxPerMmY_ = 96.0 / 25.4;
    State s_;
    std::vector<State> saved_;
    std::vector<GdiObject> objects_;
    std::vector<bool> used_;
    bool pathOpen_ = false;
    QPainterPath path_;   // target coordinates
    std::optional<QPainterPath> closedPath_;
};
