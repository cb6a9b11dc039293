#include "own_drawings.h"

#include "content_files.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace {

// All drawings are made on a 100 x 100 canvas, scaled to the picture size.
const QColor kWood(0xC6, 0x8A, 0x4F);
const QColor kLightWood(0xE2, 0xB0, 0x72);
const QColor kMetal(0xA7, 0xB3, 0xBC);
const QColor kRed(0xD8, 0x43, 0x3F);
const QColor kBlue(0x3F, 0x7F, 0xD0);
const QColor kYellow(0xFF, 0xD2, 0x4C);
const QColor kGreen(0x6A, 0xB0, 0x4C);

class Pen {
public:
    explicit Pen(QPainter& p) : p_(p) {}
    // Fill in colour, outlined in a darker shade of it.
    void Fill(const QPainterPath& path, QColor colour)
    {
        QPen pen(colour.darker(170), 2.2);
        pen.setJoinStyle(Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(colour);
        p_.drawPath(path);
    }
    void Box(const QRectF& r, QColor colour, double radius = 1.5)
    {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        Fill(path, colour);
    }
    void Ellipse(const QRectF& r, QColor colour)
    {
        QPainterPath path;
        path.addEllipse(r);
        Fill(path, colour);
    }
    void Polygon(const QList<QPointF>& points, QColor colour)
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(points));
        path.closeSubpath();
        Fill(path, colour);
    }
    void Line(QPointF a, QPointF b, QColor colour, double width)
    {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::RoundCap);
        p_.setPen(pen);
        p_.drawLine(a, b);
    }

private:
    QPainter& p_;
};

void Tisch(Pen& d)
{
    for (double x : {18.0, 76.0})
        d.Box(QRectF(x, 44, 6, 42), kWood);
    for (double x : {28.0, 66.0})
        d.Box(QRectF(x, 44, 6, 34), kWood.darker(115));
    d.Polygon({{20, 34}, {80, 34}, {90, 44}, {10, 44}}, kLightWood);
    d.Box(QRectF(10, 44, 80, 6), kWood);
}

void Zaun(Pen& d)
{
    d.Box(QRectF(4, 82, 92, 10), kGreen, 3);
    d.Box(QRectF(6, 40, 88, 7), kWood.darker(110));
    d.Box(QRectF(6, 64, 88, 7), kWood.darker(110));
    for (int i = 0; i < 6; ++i) {
        const double x = 8 + i * 15;
        d.Polygon({{x, 86}, {x, 26}, {x + 5.5, 18}, {x + 11, 26}, {x + 11, 86}}, kLightWood);
    }
}

void Topf(Pen& d)
{
    d.Box(QRectF(8, 46, 12, 6), kMetal.darker(130), 3);
    d.Box(QRectF(80, 46, 12, 6), kMetal.darker(130), 3);
    QPainterPath body;
    body.moveTo(16, 40);
    body.lineTo(84, 40);
    body.lineTo(82, 80);
    body.quadTo(82, 86, 76, 86);
    body.lineTo(24, 86);
    body.quadTo(18, 86, 18, 80);
    body.closeSubpath();
    d.Fill(body, kMetal);
    d.Ellipse(QRectF(12, 30, 76, 14), kMetal.lighter(115));
    d.Box(QRectF(44, 22, 12, 8), kMetal.darker(140), 3);
}

void Kamm(Pen& d)
{
    d.Box(QRectF(10, 30, 80, 16), kBlue, 4);
    for (int i = 0; i < 14; ++i) {
        const double x = 13 + i * 5.5;
        d.Box(QRectF(x, 44, 3.2, i % 2 == 0 ? 30 : 28), kBlue, 1.2);
    }
}

void Kiste(Pen& d)
{
    d.Box(QRectF(12, 26, 76, 62), kLightWood, 2);
    for (double y : {26.0, 46.5, 67.0})
        d.Box(QRectF(12, y, 76, 21), kLightWood, 1);
    d.Box(QRectF(12, 26, 8, 62), kWood, 1);
    d.Box(QRectF(80, 26, 8, 62), kWood, 1);
    d.Line({22, 84}, {78, 30}, kWood.darker(120), 6);
}

void Schrank(Pen& d)
{
    d.Box(QRectF(22, 86, 8, 6), kWood.darker(130));
    d.Box(QRectF(70, 86, 8, 6), kWood.darker(130));
    d.Box(QRectF(18, 8, 64, 80), kWood, 2);
    d.Box(QRectF(22, 12, 27, 72), kLightWood, 1);
    d.Box(QRectF(51, 12, 27, 72), kLightWood, 1);
    d.Ellipse(QRectF(42, 44, 5, 5), kYellow);
    d.Ellipse(QRectF(53, 44, 5, 5), kYellow);
}

void Lampe(Pen& d)
{
    d.Ellipse(QRectF(30, 84, 40, 10), kBlue.darker(120));
    d.Box(QRectF(47, 46, 6, 40), kMetal);
    d.Polygon({{36, 14}, {64, 14}, {78, 48}, {22, 48}}, kYellow);
    d.Ellipse(QRectF(44, 48, 12, 6), kYellow.lighter(120));
}

void Teppich(Pen& d)
{
    for (int i = 0; i < 9; ++i) {
        const double y = 24 + i * 6.5;
        d.Line({6, y}, {12, y}, kRed.darker(130), 2);
        d.Line({88, y}, {94, y}, kRed.darker(130), 2);
    }
    d.Box(QRectF(12, 20, 76, 60), kRed, 2);
    d.Box(QRectF(20, 28, 60, 44), kYellow, 2);
    d.Polygon({{50, 34}, {68, 50}, {50, 66}, {32, 50}}, kBlue);
}

const std::map<QString, std::function<void(Pen&)>>& Drawings()
{
    static const std::map<QString, std::function<void(Pen&)>> drawings = {
        {QStringLiteral("Kamm"), Kamm},       {QStringLiteral("Kiste"), Kiste},
        {QStringLiteral("Lampe"), Lampe},     {QStringLiteral("Schrank"), Schrank},
        {QStringLiteral("Teppich"), Teppich}, {QStringLiteral("Tisch"), Tisch},
        {QStringLiteral("Topf"), Topf},       {QStringLiteral("Zaun"), Zaun},
    };
    return drawings;
}

} // namespace

QImage DrawOwnPicture(const QString& name, int size)
{
    const auto it = Drawings().find(name);
    if (it == Drawings().end())
        Fail(QStringLiteral("no drawing of our own named \"%1\"").arg(name));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    Pen pen(painter);
    it->second(pen);
    painter.end();
    return image;
}

QStringList OwnPictureNames()
{
    QStringList names;
    for (const auto& [name, draw] : Drawings())
        names << name;
    return names;
}
