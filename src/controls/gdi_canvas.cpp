#include "controls/gdi_canvas.h"

#include <QFontMetricsF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kMaxObjects = 65536;
constexpr int kMaxSavedStates = 1024;
constexpr double kMaxFontPixels = 2048;
// Condensed, expanded and advance-fitted text is stretched at most this much
// either way: the font engine fails on glyphs stretched without bound.
constexpr double kMaxTextStretch = 16;

// The result byte of a ternary raster operation: its truth table over
// pattern, source and destination (0xAA is the destination unchanged).
constexpr int kRopNop = 0xAA;
constexpr int kRopSrcCopy = 0xCC;
constexpr int kRopPatCopy = 0xF0;
int RopByte(quint32 rop)
{
    return int((rop >> 16) & 0xFF);
}

// Whether the operation's result changes with the pattern.
bool UsesPattern(int rop)
{
    return (rop >> 4 & 0x0F) != (rop & 0x0F);
}

// The operation on one byte of pattern, source and destination, bit by bit:
// bit 4P + 2S + D of the result byte says what the result bit is.
quint8 Ternary(int rop, quint8 p, quint8 s, quint8 d)
{
    unsigned r = 0;
    for (int i = 0; i < 8; ++i)
        if (rop >> i & 1)
            r |= unsigned(i & 4 ? p : ~p) & unsigned(i & 2 ? s : ~s) & unsigned(i & 1 ? d : ~d);
    return quint8(r);
}

// Every operation is (D AND keep) XOR set, where keep and set come from the
// pattern and the source alone: keep holds the bits where the result follows
// the destination, set the result's bits over a destination of 0. So any
// operation is two raster passes that Qt has, channel by channel.
struct RopMasks {
    QRgb keep, set;
};
RopMasks Masks(int rop, QRgb pattern, QRgb source)
{
    const auto channel = [&](int shift) {
        const auto p = quint8(pattern >> shift), s = quint8(source >> shift);
        const quint8 atZero = Ternary(rop, p, s, 0), atOne = Ternary(rop, p, s, 0xFF);
        return std::pair<QRgb, QRgb>(QRgb(atZero ^ atOne) << shift, QRgb(atZero) << shift);
    };
    const auto [kr, sr] = channel(16);
    const auto [kg, sg] = channel(8);
    const auto [kb, sb] = channel(0);
    return {0xFF000000u | kr | kg | kb, 0xFF000000u | sr | sg | sb};
}

// The keep and set images of an operation with a uniform pattern over a
// source image, through one table per channel.
std::pair<QImage, QImage> MaskImages(int rop, QRgb pattern, const QImage& source)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QRgb keepTable[3][256], setTable[3][256];
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v) {
            const int shift = 16 - 8 * c;
            const RopMasks m = Masks(rop, pattern, QRgb(v) << shift);
            keepTable[c][v] = m.keep & (0xFFu << shift);
            setTable[c][v] = m.set & (0xFFu << shift);
        }
    QImage keep(src.size(), QImage::Format_RGB32), set(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* k = reinterpret_cast<QRgb*>(keep.scanLine(y));
        auto* st = reinterpret_cast<QRgb*>(set.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
            k[x] = 0xFF000000u | keepTable[0][r] | keepTable[1][g] | keepTable[2][b];
            st[x] = 0xFF000000u | setTable[0][r] | setTable[1][g] | setTable[2][b];
        }
    }
    return {keep, set};
}
constexpr double kMaxPenPixels = 2048;

bool Usable(const QTransform& t)
{
    const double v[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (double x : v)
        if (!std::isfinite(x) || std::abs(x) > 1e9)
            return false;
    return true;
}

QPainterPath RectPath(const QRectF& r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

double SafeDiv(double a, double b)
{
    return b == 0 ? 0 : a / b;
}

} // namespace

GdiCanvas::GdiCanvas(QPainter& painter, const QTransform& frameToTarget, const QRectF& clip)
    : painter_(painter), frameToTarget_(frameToTarget), targetClip_(clip)
{
    painter_.save();
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                            QPainter::TextAntialiasing);
    painter_.resetTransform();
    painter_.setClipRect(targetClip_);
    s_.font.face = QStringLiteral("Arial");
}

GdiCanvas::~GdiCanvas()
{
    painter_.restore();
}

void GdiCanvas::SetFixedFrame(const QRectF& frame)
{
    fixedFrame_ = frame;
}

void GdiCanvas::SetPixelsPerMm(double x, double y)
{
    if (x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)) {
        pxPerMmX_ = x;
        pxPerMmY_ = y;
    }
}

// ---- objects --------------------------------------------------------------

void GdiCanvas::SetObjectSlots(int count)
{
    count = std::clamp(count, 0, kMaxObjects);
    objects_.assign(size_t(count), GdiObject{});
    used_.assign(size_t(count), false);
}

int GdiCanvas::AddObject(GdiObject object)
{
    for (size_t i = 0; i < used_.size(); ++i) {
        if (!used_[i]) {
            objects_[i] = std::move(object);
            used_[i] = true;
            return int(i);
        }
    }
    if (used_.size() >= size_t(kMaxObjects))
        return -1;
    objects_.push_back(std::move(object));
    used_.push_back(true);
    return int(used_.size() - 1);
}

void GdiCanvas::PutObject(quint32 index, GdiObject object)
{
    if (index >= quint32(kMaxObjects))
        return;
    if (index >= used_.size()) {
        objects_.resize(index + 1);
        used_.resize(index + 1, false);
    }
    objects_[index] = std::move(object);
    used_[index] = true;
}

void GdiCanvas::SelectStock(quint32 index)
{
    switch (index) {
    case 0: case 18: s_.brush = {0, Qt::white, 0, {}}; break;
    case 1: s_.brush = {0, QColor(0xC0, 0xC0, 0xC0), 0, {}}; break;
    case 2: s_.brush = {0, QColor(0x80, 0x80, 0x80), 0, {}}; break;
    case 3: s_.brush = {0, QColor(0x40, 0x40, 0x40), 0, {}}; break;
    case 4: s_.brush = {0, Qt::black, 0, {}}; break;
    case 5: s_.brush = {1, Qt::black, 0, {}}; break;
    case 6: s_.pen = {0, 0, Qt::white}; s_.penNull = false; break;
    case 7: case 19: s_.pen = {0, 0, Qt::black}; s_.penNull = false; break;
    case 8: s_.penNull = true; break;
    case 10: case 11: case 12: case 13: case 14: case 16: case 17:
        s_.font = GdiFont{};
        s_.font.face = QStringLiteral("Arial");
        break;
    default: break;
    }
}

void GdiCanvas::SelectObject(quint32 index)
{
    if (index & 0x80000000u) {
        SelectStock(index & 0x7FFFFFFFu);
        return;
    }
    if (index >= used_.size() || !used_[index])
        return;
    const GdiObject& o = objects_[index];
    if (const auto* pen = std::get_if<GdiPen>(&o)) {
        s_.pen = *pen;
        s_.penNull = (pen->style & 0xF) == 5;
    } else if (const auto* brush = std::get_if<GdiBrush>(&o)) {
        s_.brush = *brush;
    } else if (const auto* font = std::get_if<GdiFont>(&o)) {
        s_.font = *font;
    }
}

void GdiCanvas::DeleteObject(quint32 index)
{
    if (index < used_.size()) {
        used_[index] = false;
        objects_[index] = GdiObject{};
    }
}

// ---- mapping --------------------------------------------------------------

void GdiCanvas::SetMapMode(int mode)
{
    if (mode < gdi::Text || mode > gdi::Anisotropic)
        return;
    s_.mapMode = mode;
}

void GdiCanvas::SetWindowOrg(QPointF p) { s_.winOrg = p; }
void GdiCanvas::SetViewportOrg(QPointF p) { s_.vpOrg = p; }
void GdiCanvas::OffsetWindowOrg(QPointF d) { s_.winOrg += d; }
void GdiCanvas::OffsetViewportOrg(QPointF d) { s_.vpOrg += d; }

void GdiCanvas::SetWindowExt(QSizeF s)
{
    if (s.width() != 0 && s.height() != 0)
        s_.winExt = s;
}

void GdiCanvas::SetViewportExt(QSizeF s)
{
    if (s.width() != 0 && s.height() != 0)
        s_.vpExt = s;
}

void GdiCanvas::ScaleWindowExt(double xn, double xd, double yn, double yd)
{
    SetWindowExt(QSizeF(SafeDiv(s_.winExt.width() * xn, xd), SafeDiv(s_.winExt.height() * yn, yd)));
}

void GdiCanvas::ScaleViewportExt(double xn, double xd, double yn, double yd)
{
    SetViewportExt(QSizeF(SafeDiv(s_.vpExt.width() * xn, xd), SafeDiv(s_.vpExt.height() * yn, yd)));
}

void GdiCanvas::SetWorldTransform(const QTransform& t)
{
    if (Usable(t))
        s_.world = t;
}

void GdiCanvas::ModifyWorldTransform(const QTransform& t, int mode)
{
    QTransform result = s_.world;
    switch (mode) {
    case 1: result = QTransform(); break;
    case 2: result = t * s_.world; break;
    case 3: result = s_.world * t; break;
    case 4: result = t; break;
    default: return;
    }
    SetWorldTransform(result);
}

QTransform GdiCanvas::LogicalToTarget() const
{
    QTransform page;
    const double wx = s_.winExt.width(), wy = s_.winExt.height();
    if (fixedFrame_) {
        const double sx = fixedFrame_->width() / wx, sy = fixedFrame_->height() / wy;
        page = QTransform(sx, 0, 0, sy, fixedFrame_->left() - s_.winOrg.x() * sx,
                          fixedFrame_->top() - s_.winOrg.y() * sy);
    } else {
        double sx = 1, sy = 1;
        switch (s_.mapMode) {
        case gdi::LoMetric: sx = pxPerMmX_ / 10; sy = -pxPerMmY_ / 10; break;
        case gdi::HiMetric: sx = pxPerMmX_ / 100; sy = -pxPerMmY_ / 100; break;
        case gdi::LoEnglish: sx = pxPerMmX_ * 0.254; sy = -pxPerMmY_ * 0.254; break;
        case gdi::HiEnglish: sx = pxPerMmX_ * 0.0254; sy = -pxPerMmY_ * 0.0254; break;
        case gdi::Twips: sx = pxPerMmX_ * 25.4 / 1440; sy = -pxPerMmY_ * 25.4 / 1440; break;
        case gdi::Isotropic:
        case gdi::Anisotropic:
            sx = s_.vpExt.width() / wx;
            sy = s_.vpExt.height() / wy;
            if (s_.mapMode == gdi::Isotropic) {
                const double m = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
            break;
        default: break;
        }
        page = QTransform(sx, 0, 0, sy, s_.vpOrg.x() - s_.winOrg.x() * sx, s_.vpOrg.y() - s_.winOrg.y() * sy);
    }
    return s_.world * page * frameToTarget_;
}

double GdiCanvas::TargetSpan() const
{
    return std::max(16.0, 4 * std::max(targetClip_.width(), targetClip_.height()));
}

double GdiCanvas::DeviceScale() const
{
    const QTransform t = LogicalToTarget();
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

// ---- pens, brushes, clip ----------------------------------------------------

QPen GdiCanvas::DevicePen() const
{
    if (s_.penNull)
        return Qt::NoPen;
    double w = s_.pen.width * DeviceScale();
    w = std::clamp(std::isfinite(w) ? w : 1.0, 1.0, std::min(kMaxPenPixels, TargetSpan()));
    QPen pen(s_.pen.color, w);
    switch (s_.pen.style & 0xF) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    switch (s_.pen.style & 0xF00) {
    case 0x100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (s_.pen.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    return pen;
}

QBrush GdiCanvas::DeviceBrush() const
{
    return MappedBrush([](QRgb c) { return c; });
}

QBrush GdiCanvas::MappedBrush(const std::function<QRgb(QRgb)>& map) const
{
    const QColor colour = QColor::fromRgb(map(s_.brush.color.rgb()));
    switch (s_.brush.style) {
    case 0: return QBrush(colour);
    case 1: return Qt::NoBrush;
    case 2: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::BDiagPattern,
                                                 Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        const int h = s_.brush.hatch;
        return QBrush(colour, h >= 0 && h < 6 ? hatches[h] : Qt::SolidPattern);
    }
    default:
        if (!s_.brush.pattern.isNull()) {
            QImage pattern = s_.brush.pattern.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < pattern.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x)
                    line[x] = (map(line[x]) & 0x00FFFFFF) | (line[x] & 0xFF000000);
            }
            return QBrush(pattern);
        }
        return QBrush(colour);
    }
}

void GdiCanvas::ApplyClip()
{
    if (s_.clip)
        painter_.setClipPath(s_.clip->intersected(RectPath(targetClip_)));
    else
        painter_.setClipRect(targetClip_);
}

void GdiCanvas::IntersectClipRect(const QRectF& r)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const QPainterPath area = t.map(RectPath(r.normalized()));
    s_.clip = (s_.clip ? *s_.clip : RectPath(targetClip_)).intersected(area);
    ApplyClip();
}

void GdiCanvas::ExcludeClipRect(const QRectF& r)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const QPainterPath area = t.map(RectPath(r.normalized()));
    s_.clip = (s_.clip ? *s_.clip : RectPath(targetClip_)).subtracted(area);
    ApplyClip();
}

void GdiCanvas::ResetClip()
{
    s_.clip.reset();
    ApplyClip();
}

void GdiCanvas::SaveDc()
{
    if (saved_.size() < size_t(kMaxSavedStates))
        saved_.push_back(s_);
}

void GdiCanvas::RestoreDc(int which)
{
    const qint64 count = qint64(saved_.size());
    const qint64 index = which < 0 ? count + which : qint64(which) - 1;
    if (which == 0 || index < 0 || index >= count)
        return;
    s_ = saved_[size_t(index)];
    saved_.resize(size_t(index));
    ApplyClip();
}

// ---- drawing ----------------------------------------------------------------

void GdiCanvas::Draw(const QPainterPath& target, bool fill, bool stroke)
{
    if (s_.rop2 == 11)   // R2_NOP
        return;
    QPainterPath path = target;
    path.setFillRule(s_.winding ? Qt::WindingFill : Qt::OddEvenFill);
    if (fill && s_.brush.style != 1) {
        if (s_.brush.style == 2 && s_.bkOpaque)
            painter_.fillPath(path, s_.bkColor);
        painter_.fillPath(path, DeviceBrush());
    }
    if (stroke && !s_.penNull) {
        QPen pen = DevicePen();
        // Dashes along an enormous path would take minutes; such lines are
        // drawn solid.
        const QRectF extent = path.controlPointRect();
        if (pen.style() != Qt::SolidLine && extent.width() + extent.height() > 100000)
            pen.setStyle(Qt::SolidLine);
        painter_.strokePath(path, pen);
    }
}

void GdiCanvas::Emit(const QPainterPath& logical, bool fill, bool stroke)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const QPainterPath target = t.map(logical);
    if (pathOpen_)
        path_.addPath(target);
    else
        Draw(target, fill, stroke);
}

void GdiCanvas::MoveTo(QPointF p)
{
    s_.position = p;
    const QTransform t = LogicalToTarget();
    if (pathOpen_ && Usable(t))
        path_.moveTo(t.map(p));
}

void GdiCanvas::LineTo(QPointF p)
{
    PolylineTo({p});
}

void GdiCanvas::PolylineTo(const std::vector<QPointF>& pts)
{
    if (pts.empty())
        return;
    const QTransform t = LogicalToTarget();
    if (pathOpen_) {
        if (Usable(t)) {
            if (path_.elementCount() == 0)
                path_.moveTo(t.map(s_.position));
            for (const QPointF& p : pts)
                path_.lineTo(t.map(p));
        }
    } else {
        QPainterPath line(s_.position);
        for (const QPointF& p : pts)
            line.lineTo(p);
        Emit(line, false, true);
    }
    s_.position = pts.back();
}

void GdiCanvas::Polyline(const std::vector<QPointF>& pts)
{
    if (pts.size() < 2)
        return;
    QPainterPath line(pts[0]);
    for (size_t i = 1; i < pts.size(); ++i)
        line.lineTo(pts[i]);
    Emit(line, false, true);
}

void GdiCanvas::PolyPolyline(const std::vector<std::vector<QPointF>>& lines)
{
    for (const auto& l : lines)
        Polyline(l);
}

void GdiCanvas::Polygon(const std::vector<QPointF>& pts)
{
    PolyPolygon({pts});
}

void GdiCanvas::PolyPolygon(const std::vector<std::vector<QPointF>>& polys)
{
    QPainterPath path;
    for (const auto& poly : polys) {
        if (poly.size() < 2)
            continue;
        path.moveTo(poly[0]);
        for (size_t i = 1; i < poly.size(); ++i)
            path.lineTo(poly[i]);
        path.closeSubpath();
    }
    if (!path.isEmpty())
        Emit(path, true, true);
}

void GdiCanvas::PolyBezier(const std::vector<QPointF>& pts)
{
    if (pts.size() < 4)
        return;
    QPainterPath path(pts[0]);
    for (size_t i = 1; i + 2 < pts.size(); i += 3)
        path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
    Emit(path, false, true);
}

void GdiCanvas::PolyBezierTo(const std::vector<QPointF>& pts)
{
    if (pts.size() < 3)
        return;
    const QTransform t = LogicalToTarget();
    if (pathOpen_) {
        if (Usable(t)) {
            if (path_.elementCount() == 0)
                path_.moveTo(t.map(s_.position));
            for (size_t i = 0; i + 2 < pts.size(); i += 3)
                path_.cubicTo(t.map(pts[i]), t.map(pts[i + 1]), t.map(pts[i + 2]));
        }
    } else {
        QPainterPath path(s_.position);
        for (size_t i = 0; i + 2 < pts.size(); i += 3)
            path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
        Emit(path, false, true);
    }
    s_.position = pts[(pts.size() / 3) * 3 - 1];
}

void GdiCanvas::Rectangle(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r.normalized());
    Emit(path, true, true);
}

void GdiCanvas::RoundRect(const QRectF& r, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(r.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    Emit(path, true, true);
}

void GdiCanvas::Ellipse(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r.normalized());
    Emit(path, true, true);
}

QPainterPath GdiCanvas::ArcPath(ArcKind kind, const QRectF& box, QPointF start, QPointF end) const
{
    const QRectF b = box.normalized();
    const QPointF c = b.center();
    const double rx = std::max(b.width() / 2, 1e-9), ry = std::max(b.height() / 2, 1e-9);
    auto angle = [&](QPointF p) {
        return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
    };
    const double a0 = angle(start);
    double sweep = angle(end) - a0;
    if (s_.clockwise) {
        while (sweep >= 0) sweep -= 360;
        while (sweep < -360) sweep += 360;
    } else {
        while (sweep <= 0) sweep += 360;
        while (sweep > 360) sweep -= 360;
    }
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(b, a0, sweep);
        path.closeSubpath();
    } else if (kind == ArcKind::ArcTo) {
        path.moveTo(s_.position);
        QPainterPath arc;
        arc.arcMoveTo(b, a0);
        path.lineTo(arc.currentPosition());
        path.arcTo(b, a0, sweep);
    } else {
        path.arcMoveTo(b, a0);
        path.arcTo(b, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    return path;
}

void GdiCanvas::Arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end)
{
    const QPainterPath path = ArcPath(kind, box, start, end);
    const bool filled = kind == ArcKind::Chord || kind == ArcKind::Pie;
    Emit(path, filled, true);
    if (kind == ArcKind::ArcTo)
        s_.position = path.currentPosition();
}

void GdiCanvas::SetPixel(QPointF p, QColor c)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t))
        return;
    const QPointF d = t.map(p);
    painter_.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), c);
}

QFont GdiCanvas::DeviceFont(double* heightPx) const
{
    const QTransform t = LogicalToTarget();
    const double scaleY = std::hypot(t.m21(), t.m22());
    double h = s_.font.height == 0 ? 16 : std::abs(s_.font.height) * scaleY;
    if (!std::isfinite(h))
        h = 16;
    QFont font(s_.font.face.isEmpty() ? QStringLiteral("Arial") : s_.font.face);
    font.setWeight(QFont::Weight(std::clamp(s_.font.weight == 0 ? 400 : s_.font.weight, 1, 1000)));
    font.setItalic(s_.font.italic);
    font.setUnderline(s_.font.underline);
    font.setStrikeOut(s_.font.strikeOut);
    if (s_.font.height > 0) {
        // Positive heights give the cell height (ascent + descent).
        font.setPixelSize(100);
        const double cell = QFontMetricsF(font).height();
        if (cell > 0)
            h = h * 100 / cell;
    }
    h = std::clamp(h, 1.0, std::min(kMaxFontPixels, TargetSpan()));
    font.setPixelSize(std::max(1, qRound(h)));
    if (s_.font.width != 0) {
        // The width field asks for an average character width: condensed or
        // expanded letters, by stretching the font to it.
        const double scaleX = std::hypot(t.m11(), t.m12());
        const double wanted = std::abs(s_.font.width) * scaleX;
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0 && std::isfinite(wanted) && wanted > 0)
            font.setStretch(qRound(100 * std::clamp(wanted / natural, 1 / kMaxTextStretch, kMaxTextStretch)));
    }
    *heightPx = h;
    return font;
}

void GdiCanvas::TextOut(QPointF p, const QString& text, const std::vector<double>& dx,
                        const std::optional<QRectF>& opaqueRect)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t) || pathOpen_)
        return;
    if (opaqueRect) {
        const QPainterPath r = t.map(RectPath(opaqueRect->normalized()));
        painter_.fillPath(r, s_.bkColor);
    }
    if (text.isEmpty())
        return;
    const bool useCp = s_.textAlign & gdi::UpdateCp;
    const QPointF ref = useCp ? s_.position : p;
    double heightPx = 0;
    const QFont font = DeviceFont(&heightPx);
    const QFontMetricsF fm(font);
    const double scaleX = std::hypot(t.m11(), t.m12());

    // Advances of the letters in device pixels.
    std::vector<double> adv(size_t(text.size()));
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        adv[size_t(i)] = i < qsizetype(dx.size()) ? std::abs(dx[size_t(i)]) * scaleX
                                                  : fm.horizontalAdvance(text.at(i));
        width += adv[size_t(i)];
    }
    if (!std::isfinite(width))
        return;

    // Letters stay upright; on a mirrored mapping the text box is mirrored
    // around its reference point instead.
    const bool flipX = t.m11() < 0, flipY = t.m22() < 0;
    int hAlign = s_.textAlign & 6;   // 0 left, 2 right, 6 centre
    if (flipX && hAlign != 6)
        hAlign = hAlign == 2 ? 0 : 2;
    int vAlign = s_.textAlign & 24;  // 0 top, 8 bottom, 24 baseline
    if (flipY && vAlign != 24)
        vAlign = vAlign == 8 ? 0 : 8;
    const double x0 = hAlign == 6 ? -width / 2 : hAlign == 2 ? -width : 0;
    const double y0 = vAlign == 24 ? 0 : vAlign == 8 ? -fm.descent() : fm.ascent();

    const QPointF origin = t.map(ref);
    painter_.save();
    painter_.translate(origin);
    if (s_.font.escapement != 0)
        painter_.rotate(-s_.font.escapement / 10.0);
    if (s_.bkOpaque)
        painter_.fillRect(QRectF(x0, y0 - fm.ascent(), width, fm.height()), s_.bkColor);
    painter_.setFont(font);
    painter_.setPen(s_.textColor);
    // The whole string in one call, so scripts that join their letters join
    // them; given advances scale it to their total width.
    const double natural = fm.horizontalAdvance(text);
    if (!dx.empty() && natural > 0 && width > 0) {
        painter_.translate(x0, 0);
        painter_.scale(std::clamp(width / natural, 1 / kMaxTextStretch, kMaxTextStretch), 1);
        painter_.drawText(QPointF(0, y0), text);
    } else {
        painter_.drawText(QPointF(x0, y0), text);
    }
    painter_.restore();

    if (useCp && scaleX > 0)
        s_.position.rx() += width / scaleX;
}

void GdiCanvas::DrawImage(const QRectF& dest, const QImage& image, const QRectF& srcRect, quint32 rop)
{
    if (image.isNull() || pathOpen_)
        return;
    const QRectF src = srcRect.normalized().intersected(QRectF(image.rect()));
    if (src.isEmpty() || dest.width() == 0 || dest.height() == 0)
        return;
    const QTransform place(dest.width() / src.width(), 0, 0, dest.height() / src.height(), dest.left(), dest.top());
    const QTransform t = place * LogicalToTarget();
    if (!Usable(t))
        return;
    const int op = RopByte(rop);
    if (op == kRopNop)
        return;   // the destination stays as it is
    const QRectF target(0, 0, src.width(), src.height());
    painter_.save();
    painter_.setTransform(t);
    if (op == kRopSrcCopy) {
        painter_.drawImage(target, image, src);
    } else {
        // Pixel for pixel, as the operation works on bits: a smoothed
        // in-between value of two masks would be no mask at all.
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect part = src.toAlignedRect().intersected(image.rect());
        const QRgb pattern = s_.brush.style == 1 ? 0 : s_.brush.color.rgb();
        const auto [keep, set] = MaskImages(op, pattern, image.copy(part));
        const QRectF from = src.translated(-part.topLeft());
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter_.drawImage(target, keep, from);
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter_.drawImage(target, set, from);
    }
    painter_.restore();
}

void GdiCanvas::PatBlt(const QRectF& dest, quint32 rop)
{
    const QTransform t = LogicalToTarget();
    if (!Usable(t) || pathOpen_)
        return;
    const QPainterPath area = t.map(RectPath(dest.normalized()));
    const int op = RopByte(rop);
    if (op == kRopNop)
        return;   // the destination stays as it is
    if (op == kRopPatCopy) {
        painter_.fillPath(area, DeviceBrush());
        return;
    }
    // A transfer without a source: the two passes of the operation with the
    // brush's colours (or, when the pattern does not matter, plain colours).
    QBrush keep, set;
    if (UsesPattern(op)) {
        keep = MappedBrush([op](QRgb p) { return Masks(op, p, 0).keep; });
        set = MappedBrush([op](QRgb p) { return Masks(op, p, 0).set; });
    } else {
        const RopMasks m = Masks(op, 0, 0);
        keep = QColor::fromRgb(m.keep);
        set = QColor::fromRgb(m.set);
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.fillPath(area, keep);
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.fillPath(area, set);
    painter_.restore();
}

bool GdiCanvas::StartsMaskPair(const Blit& mask)
{
    return !mask.image.isNull() && RopByte(mask.rop) == RopByte(gdi::SrcAnd);
}

bool GdiCanvas::DrawMaskPair(const Blit& mask, const Blit& picture)
{
    const int rop = RopByte(picture.rop);
    if (!StartsMaskPair(mask) || picture.image.isNull() || picture.dest != mask.dest ||
        (rop != RopByte(gdi::SrcPaint) && rop != RopByte(gdi::SrcInvert)))
        return false;
    const auto part = [](const Blit& b) {
        const QRect r = b.src.normalized().toAlignedRect().intersected(b.image.rect());
        return r.isEmpty() ? QImage() : b.image.copy(r);
    };
    const QImage m = part(mask), p = part(picture);
    if (m.isNull() || p.isNull())
        return false;
    const QImage combined = CombineMaskPair(m, p);
    DrawImage(mask.dest, combined, QRectF(combined.rect()), gdi::SrcCopy);
    return true;
}

QImage GdiCanvas::CombineMaskPair(const QImage& maskImage, const QImage& picture)
{
    // Over the destination D the pair gives D * m + p for a mask value m (1:
    // white, clear) and the picture's value p: a picture with alpha 1 - m
    // whose premultiplied colour is p.
    const QImage mask = maskImage.convertToFormat(QImage::Format_RGB32)
                            .scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        const auto* p = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = 255 - qGray(m[x]);
            o[x] = qRgba(std::min(qRed(p[x]), alpha), std::min(qGreen(p[x]), alpha), std::min(qBlue(p[x]), alpha),
                         alpha);
        }
    }
    return out;
}

// ---- paths --------------------------------------------------------------------

void GdiCanvas::BeginPath()
{
    pathOpen_ = true;
    path_ = QPainterPath();
}

void GdiCanvas::EndPath()
{
    if (!pathOpen_)
        return;
    pathOpen_ = false;
    closedPath_ = path_;
    path_ = QPainterPath();
}

void GdiCanvas::AbortPath()
{
    pathOpen_ = false;
    path_ = QPainterPath();
    closedPath_.reset();
}

void GdiCanvas::CloseFigure()
{
    if (pathOpen_)
        path_.closeSubpath();
}

void GdiCanvas::FillPath()
{
    if (closedPath_)
        Draw(*closedPath_, true, false);
    closedPath_.reset();
}

void GdiCanvas::StrokePath()
{
    if (closedPath_)
        Draw(*closedPath_, false, true);
    closedPath_.reset();
}

void GdiCanvas::StrokeAndFillPath()
{
    if (closedPath_)
        Draw(*closedPath_, true, true);
    closedPath_.reset();
}

void GdiCanvas::SelectClipPath(int mode)
{
    if (!closedPath_)
        return;
    QPainterPath area = *closedPath_;
    area.setFillRule(s_.winding ? Qt::WindingFill : Qt::OddEvenFill);
    const QPainterPath current = s_.clip ? *s_.clip : RectPath(targetClip_);
    switch (mode) {
    case 1: s_.clip = current.intersected(area); break;
    case 2: s_.clip = current.united(area); break;
    case 3: s_.clip = current.united(area).subtracted(current.intersected(area)); break;
    case 4: s_.clip = current.subtracted(area); break;
    default: s_.clip = area; break;
    }
    closedPath_.reset();
    ApplyClip();
}
