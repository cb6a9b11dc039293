#include "sketch.h"

#include <QtMath>

namespace {

QPoint P(QPointF p)
{
    return p.toPoint();
}

QRect R(const QRectF& r)
{
    return r.toRect();
}

const QColor kInk(0x26, 0x32, 0x38);

} // namespace

QColor Darker(QColor c, int percent)
{
    return c.darker(percent);
}

Sketch::Sketch(MetafileFormat format, int width, int height) : writer_(format)
{
    writer_.Begin(width, height);
}

void Sketch::Paint(QColor fill, QColor outline, int outlineWidth)
{
    writer_.SetBrush(fill);
    if (outlineWidth > 0)
        writer_.SetPen(outline, outlineWidth);
    else
        writer_.SetNoPen();
}

void Sketch::PaintNoOutline(QColor fill)
{
    Paint(fill, fill, 0);
}

void Sketch::Line(QColor color, int width)
{
    writer_.SetNoBrush();
    writer_.SetPen(color, width);
}

void Sketch::Shape(const QPainterPath& path)
{
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        QList<QPoint> points;
        for (const QPointF& p : poly)
            if (points.isEmpty() || points.back() != P(p))
                points << P(p);
        if (points.size() > 2 && points.front() == points.back())
            points.removeLast();
        writer_.Polygon(points);
    }
}

void Sketch::Stroke(const QList<QPointF>& points)
{
    QList<QPoint> out;
    for (const QPointF& p : points)
        out << P(p);
    writer_.Polyline(out);
}

void Sketch::Box(const QRectF& r)
{
    writer_.Rectangle(R(r));
}

void Sketch::RoundBox(const QRectF& r, double radius)
{
    writer_.RoundRect(R(r), int(radius * 2), int(radius * 2));
}

void Sketch::Circle(QPointF centre, double radius)
{
    Ellipse(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
}

void Sketch::Ellipse(const QRectF& r)
{
    writer_.Ellipse(R(r));
}

void Sketch::Polygon(const QList<QPointF>& points)
{
    QList<QPoint> out;
    for (const QPointF& p : points)
        out << P(p);
    writer_.Polygon(out);
}

void Sketch::Pie(QPointF centre, double radius, double fromDegrees, double spanDegrees)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    auto at = [&](double deg) {
        const double a = qDegreesToRadians(deg);
        return QPointF(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
    };
    writer_.Pie(R(box), P(at(fromDegrees)), P(at(fromDegrees + spanDegrees)));
}

void Sketch::Text(QPointF baselineCentre, const QString& text, int height, QColor color)
{
    writer_.SetFont(QStringLiteral("Arial"), height, true);
    writer_.SetTextColor(color);
    writer_.Text(P(baselineCentre), text, Qt::AlignHCenter | Qt::AlignBaseline);
}

void Sketch::Plate(const QRectF& r, QColor fill)
{
    Paint(fill, kInk, 3);
    RoundBox(r, qMin(r.width(), r.height()) / 6);
}

void Sketch::Star(QPointF c, double outer, double inner, QColor fill)
{
    QList<QPointF> points;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(-90.0 + 36.0 * i);
        const double r = i % 2 ? inner : outer;
        points << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    Paint(fill, Darker(fill), qMax(1, int(outer / 8)));
    Polygon(points);
}

void Sketch::Note(QPointF head, double s, QColor color)
{
    PaintNoOutline(color);
    Ellipse(QRectF(head.x() - 0.55 * s, head.y() - 0.38 * s, 1.1 * s, 0.76 * s));
    Box(QRectF(head.x() + 0.38 * s, head.y() - 2.2 * s, 0.18 * s, 2.2 * s));
    QPainterPath flag;
    flag.moveTo(head.x() + 0.56 * s, head.y() - 2.2 * s);
    flag.cubicTo(head.x() + 0.9 * s, head.y() - 1.8 * s, head.x() + 1.3 * s, head.y() - 1.5 * s,
                 head.x() + 1.0 * s, head.y() - 0.9 * s);
    flag.cubicTo(head.x() + 1.05 * s, head.y() - 1.4 * s, head.x() + 0.8 * s, head.y() - 1.6 * s,
                 head.x() + 0.56 * s, head.y() - 1.65 * s);
    flag.closeSubpath();
    Shape(flag);
}

void Sketch::Speaker(const QRectF& r, bool waves)
{
    const double w = r.width(), h = r.height();
    const QColor body(0x54, 0x6E, 0x7A);
    Paint(body, kInk, 2);
    Box(QRectF(r.left(), r.top() + 0.32 * h, 0.22 * w, 0.36 * h));
    Polygon({QPointF(r.left() + 0.22 * w, r.top() + 0.32 * h), QPointF(r.left() + 0.5 * w, r.top() + 0.08 * h),
             QPointF(r.left() + 0.5 * w, r.top() + 0.92 * h), QPointF(r.left() + 0.22 * w, r.top() + 0.68 * h)});
    if (!waves)
        return;
    Line(QColor(0x1E, 0x88, 0xE5), qMax(2, int(w / 14)));
    for (int i = 1; i <= 2; ++i) {
        QList<QPointF> arc;
        const double radius = 0.16 * w * i;
        const QPointF c(r.left() + 0.56 * w, r.center().y());
        for (int d = -50; d <= 50; d += 10)
            arc << QPointF(c.x() + radius * std::cos(qDegreesToRadians(d)),
                           c.y() + radius * std::sin(qDegreesToRadians(d)));
        Stroke(arc);
    }
}

void Sketch::PictureFrame(const QRectF& r, int motif)
{
    Paint(QColor(0xB3, 0xE5, 0xFC), kInk, 2);
    Box(r);
    const double w = r.width(), h = r.height();
    PaintNoOutline(QColor(0x7C, 0xB3, 0x42));
    Box(QRectF(r.left() + 1, r.top() + 0.72 * h, w - 2, 0.28 * h - 1));
    switch (motif) {
    case 0:
        Paint(QColor(0xFF, 0xD5, 0x4F), QColor(0xF9, 0xA8, 0x25), 1);
        Circle(QPointF(r.left() + 0.5 * w, r.top() + 0.4 * h), 0.2 * qMin(w, h));
        break;
    case 1:
        Paint(QColor(0x79, 0x55, 0x48), kInk, 1);
        Box(QRectF(r.left() + 0.45 * w, r.top() + 0.45 * h, 0.1 * w, 0.35 * h));
        Paint(QColor(0x43, 0xA0, 0x47), kInk, 1);
        Circle(QPointF(r.left() + 0.5 * w, r.top() + 0.36 * h), 0.24 * qMin(w, h));
        break;
    default:
        Paint(QColor(0xFF, 0xF3, 0xE0), kInk, 1);
        Box(QRectF(r.left() + 0.3 * w, r.top() + 0.45 * h, 0.4 * w, 0.35 * h));
        Paint(QColor(0xE5, 0x39, 0x35), kInk, 1);
        Polygon({QPointF(r.left() + 0.22 * w, r.top() + 0.47 * h), QPointF(r.left() + 0.5 * w, r.top() + 0.15 * h),
                 QPointF(r.left() + 0.78 * w, r.top() + 0.47 * h)});
        break;
    }
}

void Sketch::WordCard(const QRectF& r, bool tick)
{
    Paint(Qt::white, kInk, 2);
    RoundBox(r, r.height() / 5);
    PaintNoOutline(QColor(0x90, 0xA4, 0xAE));
    const double barH = r.height() * 0.18;
    RoundBox(QRectF(r.left() + 0.1 * r.width(), r.center().y() - barH / 2, 0.5 * r.width(), barH), barH / 2);
    if (!tick)
        return;
    const QPointF c(r.right() - 0.18 * r.width(), r.center().y());
    const double s = r.height() * 0.36;
    Paint(QColor(0x43, 0xA0, 0x47), Darker(QColor(0x43, 0xA0, 0x47)), 1);
    Circle(c, s);
    Line(Qt::white, qMax(2, int(s / 3)));
    Stroke({QPointF(c.x() - 0.5 * s, c.y()), QPointF(c.x() - 0.1 * s, c.y() + 0.4 * s),
            QPointF(c.x() + 0.5 * s, c.y() - 0.4 * s)});
}

void Sketch::CardBack(const QRectF& r, int style)
{
    static const QColor backs[] = {QColor(0xE5, 0x39, 0x35), QColor(0x1E, 0x88, 0xE5),
                                   QColor(0x43, 0xA0, 0x47), QColor(0x8E, 0x24, 0xAA)};
    const QColor base = backs[qBound(1, style, 4) - 1];
    const double w = r.width(), h = r.height();
    const double edge = qMax(2.0, qMin(w, h) / 14);
    Paint(Qt::white, kInk, qMax(1, int(edge / 3)));
    RoundBox(r, qMin(w, h) / 8);
    const QRectF inner = r.adjusted(edge, edge, -edge, -edge);
    Paint(base, Darker(base), qMax(1, int(edge / 4)));
    RoundBox(inner, qMin(w, h) / 12);
    const int cols = 3, rows = 3;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            const QPointF c(inner.left() + inner.width() * (x + 0.5) / cols,
                            inner.top() + inner.height() * (y + 0.5) / rows);
            const double s = qMin(inner.width() / cols, inner.height() / rows);
            switch (style) {
            case 1:
                PaintNoOutline((x + y) % 2 ? QColor(0xFF, 0xEB, 0xEE) : QColor(0xFF, 0xD5, 0x4F));
                Circle(c, s * 0.22);
                break;
            case 2:
                Star(c, s * 0.32, s * 0.14, (x + y) % 2 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xFF, 0xD5, 0x4F));
                break;
            case 3:
                Paint((x + y) % 2 ? QColor(0xC5, 0xE1, 0xA5) : QColor(0xFF, 0xF5, 0x9D), Darker(base), 1);
                Polygon({QPointF(c.x(), c.y() - 0.36 * s), QPointF(c.x() + 0.3 * s, c.y()),
                         QPointF(c.x(), c.y() + 0.36 * s), QPointF(c.x() - 0.3 * s, c.y())});
                break;
            default:
                Note(QPointF(c.x() - 0.1 * s, c.y() + 0.22 * s), s * 0.2,
                     (x + y) % 2 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xFF, 0xD5, 0x4F));
                break;
            }
        }
}

void Sketch::Apple(const QRectF& r)
{
    const double w = r.width(), h = r.height();
    Paint(QColor(0x79, 0x55, 0x48), kInk, 1);
    Box(QRectF(r.left() + 0.47 * w, r.top() + 0.05 * h, 0.07 * w, 0.22 * h));
    Paint(QColor(0x66, 0xBB, 0x6A), kInk, 1);
    Ellipse(QRectF(r.left() + 0.55 * w, r.top() + 0.06 * h, 0.3 * w, 0.16 * h));
    Paint(QColor(0xE5, 0x39, 0x35), kInk, qMax(1, int(w / 30)));
    Ellipse(QRectF(r.left() + 0.1 * w, r.top() + 0.22 * h, 0.8 * w, 0.74 * h));
    PaintNoOutline(QColor(0xFF, 0x8A, 0x80));
    Ellipse(QRectF(r.left() + 0.24 * w, r.top() + 0.34 * h, 0.16 * w, 0.2 * h));
}

void Sketch::Arrow(const QRectF& r, bool right, QColor fill)
{
    const double w = r.width(), h = r.height();
    auto x = [&](double f) { return right ? r.left() + f * w : r.right() - f * w; };
    Paint(fill, Darker(fill), qMax(2, int(w / 25)));
    Polygon({QPointF(x(0.0), r.top() + 0.32 * h), QPointF(x(0.52), r.top() + 0.32 * h),
             QPointF(x(0.52), r.top()), QPointF(x(1.0), r.center().y()), QPointF(x(0.52), r.bottom()),
             QPointF(x(0.52), r.top() + 0.68 * h), QPointF(x(0.0), r.top() + 0.68 * h)});
}
