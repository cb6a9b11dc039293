// Windows metafile records (16-bit coordinates) played onto a GdiCanvas. The
// window set by the records is mapped onto the picture frame.
#include "controls/dib_reader.h"
#include "controls/font_charset.h"
#include "controls/metafile_players.h"
#include "controls/picture_limits.h"
#include "platform/text_codec.h"

#include <cmath>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22;

QColor ColorRef(quint32 v)
{
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// Records store their parameters as 16-bit words, often in reverse order.
struct Params {
    ByteReader r;
    qsizetype at;
    qint16 I(int word) const { return r.I16(at + 2 * word); }
    quint16 U(int word) const { return r.U16(at + 2 * word); }
    quint32 U32(int word) const { return r.U32(at + 2 * word); }
    qsizetype Offset(int word) const { return at + 2 * word; }
    QPointF Point(int yWord) const { return QPointF(I(yWord + 1), I(yWord)); }   // y, x
    // bottom, right, top, left
    QRectF Box(int bottomWord) const
    {
        const double l = I(bottomWord + 3), t = I(bottomWord + 2), r2 = I(bottomWord + 1), b = I(bottomWord);
        return QRectF(QPointF(l, t), QPointF(r2, b));
    }
    std::vector<QPointF> Points(int firstWord, int count) const
    {
        std::vector<QPointF> pts;
        if (count <= 0 || !r.Has(Offset(firstWord), qsizetype(count) * 4))
            return pts;
        pts.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            pts.emplace_back(I(firstWord + 2 * i), I(firstWord + 2 * i + 1));
        return pts;
    }
};

qsizetype HeaderStart(const ByteReader& file)
{
    return file.U32(0) == kPlaceableKey ? kPlaceableSize : 0;
}

bool HeaderValid(const ByteReader& file, qsizetype at)
{
    const quint16 type = file.U16(at);
    return file.Has(at, 18) && (type == 1 || type == 2) && file.U16(at + 2) == 9;
}

// Walks the records from the first after the header; f(function, params,
// record size in words) returns false to stop.
template <typename F>
void ForEachRecord(const ByteReader& file, F f)
{
    qsizetype pos = HeaderStart(file) + 18;
    while (file.Has(pos, 6)) {
        const quint32 words = file.U32(pos);
        const quint16 function = file.U16(pos + 4);
        if (words < 3 || function == 0)
            return;
        const qint64 bytes = qint64(words) * 2;
        if (bytes > file.Size() - pos)
            return;
        const ByteReader rec = file.Sub(pos, qsizetype(bytes));
        if (!f(function, Params{rec, 6}, words))
            return;
        pos += qsizetype(bytes);
    }
}

GdiFont ReadFont(const Params& p)
{
    GdiFont font;
    font.height = p.I(0);
    font.width = p.I(1);
    font.escapement = p.I(2);
    font.weight = p.I(4);
    const qsizetype b = p.Offset(5);
    font.italic = p.r.U8(b) != 0;
    font.underline = p.r.U8(b + 1) != 0;
    font.strikeOut = p.r.U8(b + 2) != 0;
    font.charset = p.r.U8(b + 3);
    QByteArray face;
    for (qsizetype i = b + 8; i < b + 8 + 32 && p.r.Has(i, 1) && p.r.U8(i) != 0; ++i)
        face.append(char(p.r.U8(i)));
    font.face = DecodeCp1252(face);
    return font;
}

// One-byte text in the character set of the selected font.
QString ReadString(const Params& p, qsizetype offset, int count, const GdiCanvas& canvas)
{
    if (count <= 0)
        return {};
    const ByteReader s = p.r.Sub(offset, count);
    return DecodeInCharset(QByteArray(reinterpret_cast<const char*>(s.Data()), s.Size()),
                           canvas.SelectedFont().charset);
}

void ExtTextOut(const Params& p, GdiCanvas& canvas)
{
    const QPointF ref = p.Point(0);
    const int count = p.I(2);
    const quint16 options = p.U(3);
    qsizetype at = p.Offset(4);
    std::optional<QRectF> opaque;
    if (options & 0x0006) {
        const ByteReader& r = p.r;
        const QRectF rect(QPointF(r.I16(at), r.I16(at + 2)), QPointF(r.I16(at + 4), r.I16(at + 6)));
        if (options & 0x0002)
            opaque = rect;
        at += 8;
    }
    if (count < 0)
        return;
    const QString text = ReadString(p, at, count, canvas);
    std::vector<double> dx;
    const qsizetype dxAt = at + ((count + 1) & ~1);
    if (p.r.Has(dxAt, qsizetype(count) * 2))
        for (int i = 0; i < count; ++i)
            dx.push_back(p.r.I16(dxAt + 2 * i));
    canvas.TextOut(ref, text, dx, opaque);
}

using Blit = GdiCanvas::Blit;

// A bit-block record with an embedded DIB starting at word dibWord.
Blit ReadDib(const Params& p, int dibWord, const QRectF& dest, QRectF src, quint32 rop, bool yFromBottom)
{
    Blit b{dest, DecodePackedDib(p.r.Sub(p.Offset(dibWord), -1)), src, rop};
    if (b.image.isNull())
        return b;
    if (b.src.width() == 0 || b.src.height() == 0)
        b.src = QRectF(b.image.rect());
    if (yFromBottom)
        b.src.moveTop(b.image.height() - b.src.top() - b.src.height());
    return b;
}

// The bit-block transfer records; the image is null when there is no bitmap.
std::optional<Blit> ReadBlit(quint16 fn, const Params& p, quint32 words)
{
    const bool hasBitmap = words != quint32(fn >> 8) + 3;
    switch (fn) {
    case 0x0B41:   // DIBSTRETCHBLT
        if (!hasBitmap)
            return Blit{QRectF(p.I(10), p.I(9), p.I(8), p.I(7)), {}, {}, p.U32(0)};
        return ReadDib(p, 10, QRectF(p.I(9), p.I(8), p.I(7), p.I(6)), QRectF(p.I(5), p.I(4), p.I(3), p.I(2)),
                       p.U32(0), false);
    case 0x0940:   // DIBBITBLT
        if (!hasBitmap)
            return Blit{QRectF(p.I(8), p.I(7), p.I(6), p.I(5)), {}, {}, p.U32(0)};
        return ReadDib(p, 8, QRectF(p.I(7), p.I(6), p.I(5), p.I(4)), QRectF(p.I(3), p.I(2), p.I(5), p.I(4)),
                       p.U32(0), false);
    case 0x0F43:   // STRETCHDIB
        return ReadDib(p, 11, QRectF(p.I(10), p.I(9), p.I(8), p.I(7)), QRectF(p.I(6), p.I(5), p.I(4), p.I(3)),
                       p.U32(0), true);
    case 0x0D33:   // SETDIBTODEV
        return ReadDib(p, 9, QRectF(p.I(8), p.I(7), p.I(6), p.I(5)), QRectF(p.I(4), p.I(3), p.I(6), p.I(5)),
                       gdi::SrcCopy, true);
    default:
        return std::nullopt;
    }
}


void PlayRecord(quint16 fn, const Params& p, quint32 words, GdiCanvas& canvas)
{
    switch (fn) {
    case 0x0201: canvas.SetBkColor(ColorRef(p.U32(0))); break;
    case 0x0102: canvas.SetBkMode(p.U(0)); break;
    case 0x0103: canvas.SetMapMode(p.U(0)); break;
    case 0x0104: canvas.SetRop2(p.U(0)); break;
    case 0x0106: canvas.SetPolyFillMode(p.U(0)); break;
    case 0x0209: canvas.SetTextColor(ColorRef(p.U32(0))); break;
    case 0x012E: canvas.SetTextAlign(p.U(0)); break;
    case 0x020B: canvas.SetWindowOrg(p.Point(0)); break;
    case 0x020C: canvas.SetWindowExt(QSizeF(p.I(1), p.I(0))); break;
    case 0x020D: canvas.SetViewportOrg(p.Point(0)); break;
    case 0x020E: canvas.SetViewportExt(QSizeF(p.I(1), p.I(0))); break;
    case 0x020F: canvas.OffsetWindowOrg(p.Point(0)); break;
    case 0x0211: canvas.OffsetViewportOrg(p.Point(0)); break;
    case 0x0410: canvas.ScaleWindowExt(p.I(3), p.I(2), p.I(1), p.I(0)); break;
    case 0x0412: canvas.ScaleViewportExt(p.I(3), p.I(2), p.I(1), p.I(0)); break;
    case 0x0213: canvas.LineTo(p.Point(0)); break;
    case 0x0214: canvas.MoveTo(p.Point(0)); break;
    case 0x0324: canvas.Polygon(p.Points(1, p.I(0))); break;
    case 0x0325: canvas.Polyline(p.Points(1, p.I(0))); break;
    case 0x0538: {
        const int n = p.I(0);
        if (n <= 0 || !p.r.Has(p.Offset(1), qsizetype(n) * 2))
            break;
        std::vector<std::vector<QPointF>> polys;
        int word = 1 + n;
        for (int i = 0; i < n; ++i) {
            const int c = p.I(1 + i);
            auto pts = p.Points(word, c);
            if (pts.empty() && c > 0)
                break;
            polys.push_back(std::move(pts));
            word += 2 * std::max(c, 0);
        }
        canvas.PolyPolygon(polys);
        break;
    }
    case 0x041B: canvas.Rectangle(p.Box(0)); break;
    case 0x0418: canvas.Ellipse(p.Box(0)); break;
    case 0x061C: canvas.RoundRect(p.Box(2), QSizeF(p.I(1), p.I(0))); break;
    case 0x0817: canvas.Arc(GdiCanvas::ArcKind::Arc, p.Box(4), p.Point(2), p.Point(0)); break;
    case 0x081A: canvas.Arc(GdiCanvas::ArcKind::Pie, p.Box(4), p.Point(2), p.Point(0)); break;
    case 0x0830: canvas.Arc(GdiCanvas::ArcKind::Chord, p.Box(4), p.Point(2), p.Point(0)); break;
    case 0x041F: canvas.SetPixel(p.Point(2), ColorRef(p.U32(0))); break;
    case 0x001E: canvas.SaveDc(); break;
    case 0x0127: canvas.RestoreDc(p.I(0)); break;
    case 0x0416: canvas.IntersectClipRect(p.Box(0)); break;
    case 0x0415: canvas.ExcludeClipRect(p.Box(0)); break;
    case 0x0521: {
        const int count = p.I(0);
        const int words16 = (std::max(count, 0) + 1) / 2;
        canvas.TextOut(p.Point(1 + words16), ReadString(p, p.Offset(1), count, canvas));
        break;
    }
    case 0x0A32: ExtTextOut(p, canvas); break;
    case 0x012D: canvas.SelectObject(p.U(0)); break;
    case 0x01F0: canvas.DeleteObject(p.U(0)); break;
    case 0x02FA: canvas.AddObject(GdiPen{p.U(0), double(p.I(1)), ColorRef(p.U32(3))}); break;
    case 0x02FC: canvas.AddObject(GdiBrush{p.U(0), ColorRef(p.U32(1)), p.U(3), {}}); break;
    case 0x02FB: canvas.AddObject(ReadFont(p)); break;
    case 0x0142: {
        GdiBrush brush{5, Qt::gray, 0, DecodePackedDib(p.r.Sub(p.Offset(2), -1))};
        canvas.AddObject(brush);
        break;
    }
    case 0x00F7: case 0x06FF: case 0x01F9: canvas.AddObject(std::monostate{}); break;
    case 0x061D: {
        const QRectF dest(p.I(5), p.I(4), p.I(3), p.I(2));
        canvas.PatBlt(dest, p.U32(0));
        break;
    }
    case 0x0B41: case 0x0940: case 0x0F43: case 0x0D33: {
        const auto blit = ReadBlit(fn, p, words);
        if (blit && !blit->image.isNull())
            canvas.DrawImage(blit->dest, blit->image, blit->src, blit->rop);
        else if (blit && (fn == 0x0B41 || fn == 0x0940))
            canvas.PatBlt(blit->dest, blit->rop);   // a transfer without a bitmap
        break;
    }
    default: break;   // palettes, escapes, flood fills and the rest: skipped
    }
}

} // namespace

std::optional<MetafileInfo> ReadWmfInfo(const ByteReader& file)
{
    const qsizetype at = HeaderStart(file);
    if (!HeaderValid(file, at))
        return std::nullopt;
    MetafileInfo info;
    info.objectSlots = file.U16(at + 10);
    if (at > 0) {
        const double l = file.I16(6), t = file.I16(8), r = file.I16(10), b = file.I16(12);
        const int inch = file.U16(14) > 0 ? file.U16(14) : 1440;
        info.frame = QRectF(QPointF(l, t), QPointF(r, b)).normalized();
        info.naturalSize = QSize(ClampedPictureSide(info.frame.width() * 96 / inch),
                                 ClampedPictureSide(info.frame.height() * 96 / inch));
    } else {
        // No placeable header: the first window the records set is the picture.
        std::optional<QPointF> org;
        std::optional<QSizeF> ext;
        ForEachRecord(file, [&](quint16 fn, const Params& p, quint32) {
            if (fn == 0x020B && !org)
                org = p.Point(0);
            if (fn == 0x020C && !ext)
                ext = QSizeF(p.I(1), p.I(0));
            return !(org && ext);
        });
        if (!ext || ext->width() == 0 || ext->height() == 0)
            return std::nullopt;
        info.frame = QRectF(org.value_or(QPointF()), *ext).normalized();
        info.naturalSize = QSize(ClampedPictureSide(info.frame.width()), ClampedPictureSide(info.frame.height()));
    }
    if (info.frame.width() <= 0 || info.frame.height() <= 0)
        return std::nullopt;
    info.naturalSize = info.naturalSize.expandedTo(QSize(1, 1));
    return info;
}

void PlayWmf(const ByteReader& file, const MetafileInfo& info, GdiCanvas& canvas)
{
    canvas.SetFixedFrame(info.frame);
    canvas.SetObjectSlots(info.objectSlots);
    canvas.SetWindowOrg(info.frame.topLeft());
    canvas.SetWindowExt(info.frame.size());
    // A mask waits for the record after it: with the picture it may be one
    // bitmap with alpha.
    std::optional<Blit> mask;
    const auto flush = [&] {
        if (mask)
            canvas.DrawImage(mask->dest, mask->image, mask->src, mask->rop);
        mask.reset();
    };
    ForEachRecord(file, [&](quint16 fn, const Params& p, quint32 words) {
        const auto blit = ReadBlit(fn, p, words);
        if (mask && blit && canvas.DrawMaskPair(*mask, *blit)) {
            mask.reset();
            return true;
        }
        flush();
        if (blit && GdiCanvas::StartsMaskPair(*blit))
            mask = blit;
        else
            PlayRecord(fn, p, words, canvas);
        return true;
    });
    flush();
}
