#include "controls/metafile_writer.h"

#include "platform/text_codec.h"

#include <QPainterPath>
#include <QtEndian>

#include <cmath>

namespace {

constexpr quint32 kEmfStockNullPen = 0x80000008, kEmfStockNullBrush = 0x80000005;
constexpr quint32 kEmfStockBlackPen = 0x80000007, kEmfStockWhiteBrush = 0x80000000,
                  kEmfStockSystemFont = 0x8000000D;

// Little-endian append helpers.
struct Out {
    QByteArray b;
    Out& u8(quint8 v) { b.append(char(v)); return *this; }
    Out& u16(quint16 v) { u8(quint8(v)); return u8(quint8(v >> 8)); }
    Out& i16(int v) { return u16(quint16(qint16(std::clamp(v, -32768, 32767)))); }
    Out& u32(quint32 v) { u16(quint16(v)); return u16(quint16(v >> 16)); }
    Out& i32(qint32 v) { return u32(quint32(v)); }
    Out& bytes(const QByteArray& a) { b.append(a); return *this; }
    Out& zeros(int n) { b.append(QByteArray(n, '\0')); return *this; }
};

quint32 ColorRef(QColor c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

bool Fits16(const QList<QPoint>& pts)
{
    for (const QPoint& p : pts)
        if (p.x() < -32768 || p.x() > 32767 || p.y() < -32768 || p.y() > 32767)
            return false;
    return true;
}

QByteArray EmfBounds(const QList<QPoint>& pts)
{
    QRect r;
    for (const QPoint& p : pts)
        r |= QRect(p, QSize(1, 1));
    Out o;
    o.i32(r.left()).i32(r.top()).i32(r.right()).i32(r.bottom());
    return o.b;
}

// A 32-bit bottom-up DIB: the header and the rows.
QByteArray DibHeader(const QImage& img)
{
    Out o;
    o.u32(40).i32(img.width()).i32(img.height()).u16(1).u16(32).u32(0)
        .u32(quint32(img.width() * img.height() * 4)).i32(3780).i32(3780).u32(0).u32(0);
    return o.b;
}

QByteArray DibBits(const QImage& source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    Out o;
    for (int y = img.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            o.u8(quint8(qBlue(line[x]))).u8(quint8(qGreen(line[x]))).u8(quint8(qRed(line[x]))).u8(quint8(qAlpha(line[x])));
    }
    return o.b;
}

int TextAlignBits(Qt::Alignment a)
{
    int bits = 0;
    if (a & Qt::AlignHCenter)
        bits |= 6;
    else if (a & Qt::AlignRight)
        bits |= 2;
    if (a & Qt::AlignBaseline)
        bits |= 24;
    else if (a & Qt::AlignBottom)
        bits |= 8;
    return bits;
}

} // namespace

MetafileWriter::MetafileWriter(MetafileFormat format) : format_(format) {}

void MetafileWriter::WmfRecord(quint16 function, const QByteArray& params)
{
    QByteArray p = params;
    if (p.size() % 2)
        p.append('\0');
    const quint32 words = quint32(3 + p.size() / 2);
    Out o;
    o.u32(words).u16(function).bytes(p);
    records_.append(o.b);
    maxRecordWords_ = std::max(maxRecordWords_, words);
    ++recordCount_;
}

void MetafileWriter::EmfRecord(quint32 type, const QByteArray& params)
{
    QByteArray p = params;
    while (p.size() % 4)
        p.append('\0');
    Out o;
    o.u32(type).u32(quint32(8 + p.size())).bytes(p);
    records_.append(o.b);
    ++recordCount_;
}

QByteArray MetafileWriter::PenParams(QColor color, int width) const
{
    Out o;
    if (format_ == MetafileFormat::Wmf)
        o.u16(0).i16(width).i16(0).u32(ColorRef(color));
    else
        o.u32(0).i32(width).i32(0).u32(ColorRef(color));
    return o.b;
}

QByteArray MetafileWriter::BrushParams(QColor color) const
{
    Out o;
    if (format_ == MetafileFormat::Wmf)
        o.u16(0).u32(ColorRef(color)).u16(0);
    else
        o.u32(0).u32(ColorRef(color)).u32(0);
    return o.b;
}

QByteArray MetafileWriter::FontParams(const QString& face, int height, bool bold, bool italic, int width,
                                      int charset) const
{
    Out o;
    const int weight = bold ? 700 : 400;
    if (format_ == MetafileFormat::Wmf) {
        o.i16(-height).i16(width).i16(0).i16(0).i16(weight);
        o.u8(italic ? 1 : 0).u8(0).u8(0).u8(quint8(charset)).u8(0).u8(0).u8(4).u8(0);
        QByteArray name = EncodeCp1252(face).left(31);
        name.append(QByteArray(32 - name.size(), '\0'));
        o.bytes(name);
    } else {
        o.i32(-height).i32(width).i32(0).i32(0).i32(weight);
        o.u8(italic ? 1 : 0).u8(0).u8(0).u8(quint8(charset)).u8(0).u8(0).u8(4).u8(0);
        const QString name = face.left(31);
        for (int i = 0; i < 32; ++i)
            o.u16(i < name.size() ? name.at(i).unicode() : 0);
    }
    return o.b;
}

// Replaces the pen, brush or font by a new object (or by none). In WMF the
// new object is created and selected before the old one is deleted; in EMF a
// stock object is selected while the slot is renewed.
void MetafileWriter::Replace(Slot slot, const QByteArray& create, bool none)
{
    if (format_ == MetafileFormat::Wmf) {
        static const quint16 creators[] = {0x02FA, 0x02FC, 0x02FB};
        QByteArray params = create;
        quint16 fn = creators[slot];
        if (none) {   // a null pen or brush is an object of style 5 / 1
            Out o;
            if (slot == PenSlot)
                o.u16(5).i16(0).i16(0).u32(0);
            else
                o.u16(1).u32(0).u16(0);
            params = o.b;
        }
        int free = 0;
        while (free < 4 && slotUsed_[free])
            ++free;
        WmfRecord(fn, params);
        slotUsed_[free] = true;
        WmfRecord(0x012D, Out().u16(quint16(free)).b);
        if (slotOf_[slot] >= 0) {
            WmfRecord(0x01F0, Out().u16(quint16(slotOf_[slot])).b);
            slotUsed_[slotOf_[slot]] = false;
        }
        slotOf_[slot] = free;
        return;
    }
    const quint32 index = quint32(slot) + 1;
    static const quint32 stock[] = {kEmfStockBlackPen, kEmfStockWhiteBrush, kEmfStockSystemFont};
    static const quint32 creators[] = {38, 39, 82};
    EmfRecord(37, Out().u32(stock[slot]).b);
    EmfRecord(40, Out().u32(index).b);
    if (none) {
        EmfRecord(37, Out().u32(slot == PenSlot ? kEmfStockNullPen : kEmfStockNullBrush).b);
        return;
    }
    EmfRecord(creators[slot], Out().u32(index).bytes(create).b);
    EmfRecord(37, Out().u32(index).b);
}

void MetafileWriter::Begin(int width, int height)
{
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    records_.clear();
    recordCount_ = 0;
    maxRecordWords_ = 0;
    for (int& s : slotOf_)
        s = -1;
    for (bool& u : slotUsed_)
        u = false;
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x0103, Out().u16(8).b);                        // anisotropic
        WmfRecord(0x020B, Out().i16(0).i16(0).b);                 // window origin
        WmfRecord(0x020C, Out().i16(height_).i16(width_).b);      // window extent
    } else {
        EmfRecord(17, Out().u32(1).b);                            // MM_TEXT
    }
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x0102, Out().u16(1).b);                        // transparent text background
        WmfRecord(0x0106, Out().u16(2).b);                        // winding fill
    } else {
        EmfRecord(18, Out().u32(1).b);
        EmfRecord(19, Out().u32(2).b);
    }
    SetPen(Qt::black, 1);
    SetBrush(Qt::white);
    SetFont(QStringLiteral("Arial"), 12);
    SetTextColor(Qt::black);
}

void MetafileWriter::SetLogicalWindow(QPoint origin, QSize extent)
{
    if (extent.width() == 0 || extent.height() == 0)
        return;
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x020B, Out().i16(origin.y()).i16(origin.x()).b);
        WmfRecord(0x020C, Out().i16(extent.height()).i16(extent.width()).b);
        return;
    }
    EmfRecord(17, Out().u32(8).b);   // MM_ANISOTROPIC
    EmfRecord(10, Out().i32(origin.x()).i32(origin.y()).b);
    EmfRecord(9, Out().i32(extent.width()).i32(extent.height()).b);
    EmfRecord(12, Out().i32(0).i32(0).b);
    EmfRecord(11, Out().i32(width_).i32(height_).b);
}

void MetafileWriter::SetPen(QColor color, int width) { Replace(PenSlot, PenParams(color, width), false); }
void MetafileWriter::SetNoPen() { Replace(PenSlot, {}, true); }
void MetafileWriter::SetBrush(QColor color) { Replace(BrushSlot, BrushParams(color), false); }
void MetafileWriter::SetNoBrush() { Replace(BrushSlot, {}, true); }

void MetafileWriter::SetFont(const QString& face, int height, bool bold, bool italic, int width, int charset)
{
    Replace(FontSlot, FontParams(face, height, bold, italic, width, charset), false);
}

void MetafileWriter::SetTextColor(QColor color)
{
    if (format_ == MetafileFormat::Wmf)
        WmfRecord(0x0209, Out().u32(ColorRef(color)).b);
    else
        EmfRecord(24, Out().u32(ColorRef(color)).b);
}

void MetafileWriter::PolyRecord(int emfType, int emfType16, quint16 wmfFunction, const QList<QPoint>& points)
{
    if (points.isEmpty())
        return;
    if (format_ == MetafileFormat::Wmf) {
        Out o;
        o.i16(int(points.size()));
        for (const QPoint& p : points)
            o.i16(p.x()).i16(p.y());
        WmfRecord(wmfFunction, o.b);
        return;
    }
    const bool small = Fits16(points);
    Out o;
    o.bytes(EmfBounds(points)).u32(quint32(points.size()));
    for (const QPoint& p : points) {
        if (small)
            o.i16(p.x()).i16(p.y());
        else
            o.i32(p.x()).i32(p.y());
    }
    EmfRecord(quint32(small ? emfType16 : emfType), o.b);
}

void MetafileWriter::Polygon(const QList<QPoint>& points) { PolyRecord(3, 86, 0x0324, points); }
void MetafileWriter::Polyline(const QList<QPoint>& points) { PolyRecord(4, 87, 0x0325, points); }

void MetafileWriter::Bezier(const QList<QPoint>& points)
{
    if (points.size() < 4)
        return;
    if (format_ == MetafileFormat::Emf) {
        PolyRecord(2, 85, 0, points);
        return;
    }
    QPainterPath path(points[0]);
    for (qsizetype i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    QList<QPoint> flat;
    for (const QPolygonF& poly : path.toSubpathPolygons())
        for (const QPointF& p : poly)
            if (flat.isEmpty() || flat.back() != p.toPoint())
                flat.append(p.toPoint());
    Polyline(flat);
}

void MetafileWriter::BoxRecord(int emfType, quint16 wmfFunction, const QRect& r, const QByteArray& extraEmf,
                               const QByteArray& extraWmfFront)
{
    const int l = r.left(), t = r.top(), rr = r.left() + r.width(), b = r.top() + r.height();
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(wmfFunction, Out().bytes(extraWmfFront).i16(b).i16(rr).i16(t).i16(l).b);
    } else {
        EmfRecord(quint32(emfType), Out().i32(l).i32(t).i32(rr).i32(b).bytes(extraEmf).b);
    }
}

void MetafileWriter::Rectangle(const QRect& r) { BoxRecord(43, 0x041B, r, {}, {}); }
void MetafileWriter::Ellipse(const QRect& r) { BoxRecord(42, 0x0418, r, {}, {}); }

void MetafileWriter::RoundRect(const QRect& r, int cornerWidth, int cornerHeight)
{
    BoxRecord(44, 0x061C, r, Out().i32(cornerWidth).i32(cornerHeight).b, Out().i16(cornerHeight).i16(cornerWidth).b);
}

void MetafileWriter::Pie(const QRect& box, QPoint start, QPoint end)
{
    BoxRecord(47, 0x081A, box, Out().i32(start.x()).i32(start.y()).i32(end.x()).i32(end.y()).b,
              Out().i16(end.y()).i16(end.x()).i16(start.y()).i16(start.x()).b);
}

void MetafileWriter::Text(QPoint p, const QString& text, Qt::Alignment align)
{
    const int bits = TextAlignBits(align);
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x012E, Out().u16(quint16(bits)).b);
        QByteArray s = EncodeCp1252(text).left(32000);
        Out o;
        o.i16(int(s.size())).bytes(s);
        if (s.size() % 2)
            o.u8(0);
        o.i16(p.y()).i16(p.x());
        WmfRecord(0x0521, o.b);
        return;
    }
    EmfRecord(22, Out().u32(quint32(bits)).b);
    const QString s = text.left(32000);
    Out o;
    o.i32(0).i32(0).i32(width_).i32(height_);                 // bounds
    o.u32(1).u32(0).u32(0);                                   // GM_COMPATIBLE, no scaling
    o.i32(p.x()).i32(p.y()).u32(quint32(s.size())).u32(76).u32(0);
    o.i32(0).i32(0).i32(-1).i32(-1).u32(0);                  // no clip rectangle, no advances
    for (QChar c : s)
        o.u16(c.unicode());
    EmfRecord(84, o.b);
}

void MetafileWriter::TextWithAdvances(QPoint p, const QString& text, const QList<int>& advances)
{
    if (format_ != MetafileFormat::Emf)
        return;
    EmfRecord(22, Out().u32(0).b);
    const QString s = text.left(32000);
    const quint32 stringBytes = quint32((s.size() * 2 + 3) & ~3);
    Out o;
    o.i32(0).i32(0).i32(width_).i32(height_);
    o.u32(1).u32(0).u32(0);
    o.i32(p.x()).i32(p.y()).u32(quint32(s.size())).u32(76).u32(0);
    o.i32(0).i32(0).i32(-1).i32(-1).u32(76 + stringBytes);
    for (QChar c : s)
        o.u16(c.unicode());
    o.zeros(int(stringBytes) - int(s.size()) * 2);
    for (qsizetype i = 0; i < s.size(); ++i)
        o.i32(i < advances.size() ? advances[i] : 0);
    EmfRecord(84, o.b);
}

void MetafileWriter::TextBytes(QPoint p, const QByteArray& bytes)
{
    if (format_ != MetafileFormat::Wmf)
        return;
    WmfRecord(0x012E, Out().u16(0).b);
    Out o;
    o.i16(int(bytes.size())).bytes(bytes);
    if (bytes.size() % 2)
        o.u8(0);
    o.i16(p.y()).i16(p.x());
    WmfRecord(0x0521, o.b);
}

void MetafileWriter::PatBlt(const QRect& dest, quint32 rop)
{
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x061D, Out().u32(rop).i16(dest.height()).i16(dest.width()).i16(dest.y()).i16(dest.x()).b);
        return;
    }
    Out o;
    o.i32(dest.left()).i32(dest.top()).i32(dest.right()).i32(dest.bottom());
    o.i32(dest.x()).i32(dest.y()).i32(dest.width()).i32(dest.height()).u32(rop);
    o.i32(0).i32(0);                                          // source origin
    o.u32(0x3F800000).u32(0).u32(0).u32(0x3F800000).u32(0).u32(0);   // identity source transform
    o.u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);              // colour, usage, no bitmap
    EmfRecord(76, o.b);
}

void MetafileWriter::SetReference(QSize pixels, QSize millimetres, QSize micrometres)
{
    refPixels_ = pixels;
    refMm_ = millimetres;
    refUm_ = micrometres;
}

void MetafileWriter::Image(const QRect& dest, const QImage& image, quint32 rop)
{
    if (image.isNull())
        return;
    const QByteArray header = DibHeader(image), bits = DibBits(image);
    const int w = image.width(), h = image.height();
    if (format_ == MetafileFormat::Wmf) {
        Out o;
        o.u32(rop).u16(0).i16(h).i16(w).i16(0).i16(0)
            .i16(dest.height()).i16(dest.width()).i16(dest.y()).i16(dest.x()).bytes(header).bytes(bits);
        WmfRecord(0x0F43, o.b);
        return;
    }
    Out o;
    o.i32(dest.left()).i32(dest.top()).i32(dest.right()).i32(dest.bottom());
    o.i32(dest.x()).i32(dest.y()).i32(0).i32(0).i32(w).i32(h);
    o.u32(80).u32(quint32(header.size())).u32(quint32(80 + header.size())).u32(quint32(bits.size()));
    o.u32(0).u32(rop).i32(dest.width()).i32(dest.height());
    o.bytes(header).bytes(bits);
    EmfRecord(81, o.b);
}

QByteArray MetafileWriter::End()
{
    if (format_ == MetafileFormat::Wmf) {
        WmfRecord(0x0000, {});
        Out placeable;
        placeable.u32(0x9AC6CDD7).u16(0).i16(0).i16(0).i16(width_).i16(height_).u16(96).u32(0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(placeable.b.constData() + 2 * i);
        placeable.u16(sum);
        const quint32 totalWords = quint32(9 + records_.size() / 2);
        Out header;
        header.u16(1).u16(9).u16(0x0300).u32(totalWords).u16(4).u32(maxRecordWords_).u16(0);
        return placeable.b + header.b + records_;
    }
    EmfRecord(14, Out().u32(0).u32(16).u32(20).b);
    const int frameW = qRound(width_ * 2540.0 / 96), frameH = qRound(height_ * 2540.0 / 96);
    Out h;
    h.u32(1).u32(108);
    h.i32(0).i32(0).i32(width_ - 1).i32(height_ - 1);         // bounds
    h.i32(0).i32(0).i32(frameW).i32(frameH);                  // frame, 0.01 mm
    h.u32(0x464D4520).u32(0x10000);
    h.u32(quint32(108 + records_.size())).u32(quint32(recordCount_ + 1));
    h.u16(4).u16(0).u32(0).u32(0).u32(0);
    h.i32(refPixels_.width()).i32(refPixels_.height()).i32(refMm_.width()).i32(refMm_.height());
    h.u32(0).u32(0).u32(0).i32(refUm_.width()).i32(refUm_.height());
    return h.b + records_;
}
