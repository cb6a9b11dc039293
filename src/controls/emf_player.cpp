// Enhanced metafile records played onto a GdiCanvas with the full mapping of
// map modes, window, viewport and world transform.
#include "controls/dib_reader.h"
#include "controls/font_charset.h"
#include "controls/metafile_players.h"
#include "controls/picture_limits.h"
#include "platform/text_codec.h"

#include <cmath>

namespace {

constexpr quint32 kEmfSignature = 0x464D4520;   // " EMF"

QColor ColorRef(quint32 v)
{
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

struct Rec {
    ByteReader r;
    QPointF Point(qsizetype o) const { return QPointF(r.I32(o), r.I32(o + 4)); }
    QRectF Box(qsizetype o) const { return QRectF(Point(o), Point(o + 8)); }
    QSizeF Size(qsizetype o) const { return QSizeF(r.I32(o), r.I32(o + 4)); }
    QTransform Xform(qsizetype o) const
    {
        return QTransform(r.F32(o), r.F32(o + 4), r.F32(o + 8), r.F32(o + 12), r.F32(o + 16), r.F32(o + 20));
    }
    std::vector<QPointF> Points(qsizetype o, quint32 count, bool small) const
    {
        std::vector<QPointF> pts;
        const qsizetype step = small ? 4 : 8;
        if (count == 0 || !r.Has(o, qsizetype(count) * step))
            return pts;
        pts.reserve(count);
        for (quint32 i = 0; i < count; ++i) {
            const qsizetype at = o + qsizetype(i) * step;
            pts.emplace_back(small ? QPointF(r.I16(at), r.I16(at + 2)) : Point(at));
        }
        return pts;
    }
    QImage Dib(qsizetype offBmiAt) const
    {
        const quint32 offBmi = r.U32(offBmiAt), cbBmi = r.U32(offBmiAt + 4);
        const quint32 offBits = r.U32(offBmiAt + 8), cbBits = r.U32(offBmiAt + 12);
        if (cbBmi == 0 || !r.Has(offBmi, cbBmi))
            return {};
        return DecodeDib(r.Sub(offBmi, cbBmi), r.Sub(offBits, cbBits));
    }
};

void Poly(int type, const Rec& rec, GdiCanvas& canvas)
{
    const bool small = type >= 85;
    const int base = small ? type - 83 : type;   // 85..89 -> 2..6
    const auto pts = rec.Points(28, rec.r.U32(24), small);
    switch (base) {
    case 2: canvas.PolyBezier(pts); break;
    case 3: canvas.Polygon(pts); break;
    case 4: canvas.Polyline(pts); break;
    case 5: canvas.PolyBezierTo(pts); break;
    case 6: canvas.PolylineTo(pts); break;
    default: break;
    }
}

void PolyPoly(int type, const Rec& rec, GdiCanvas& canvas)
{
    const bool small = type >= 90;
    const quint32 n = rec.r.U32(24);
    if (n == 0 || !rec.r.Has(32, qsizetype(n) * 4))
        return;
    qsizetype at = 32 + qsizetype(n) * 4;
    std::vector<std::vector<QPointF>> polys;
    for (quint32 i = 0; i < n; ++i) {
        const quint32 c = rec.r.U32(32 + qsizetype(i) * 4);
        auto pts = rec.Points(at, c, small);
        if (pts.empty())
            break;
        at += qsizetype(c) * (small ? 4 : 8);
        polys.push_back(std::move(pts));
    }
    if (type == 7 || type == 90)
        canvas.PolyPolyline(polys);
    else
        canvas.PolyPolygon(polys);
}

GdiFont ReadFont(const Rec& rec)
{
    const ByteReader& r = rec.r;
    GdiFont font;
    font.height = r.I32(12);
    font.width = r.I32(16);
    font.escapement = r.I32(20);
    font.weight = r.I32(28);
    font.italic = r.U8(32) != 0;
    font.underline = r.U8(33) != 0;
    font.strikeOut = r.U8(34) != 0;
    font.charset = r.U8(35);
    for (int i = 0; i < 32; ++i) {
        const quint16 c = r.U16(40 + 2 * i);
        if (c == 0)
            break;
        font.face.append(QChar(c));
    }
    return font;
}

void ExtTextOut(const Rec& rec, bool wide, GdiCanvas& canvas)
{
    const ByteReader& r = rec.r;
    const QPointF ref = rec.Point(36);
    const quint32 count = r.U32(44), offString = r.U32(48), options = r.U32(52), offDx = r.U32(72);
    const qsizetype charBytes = wide ? 2 : 1;
    if (count > quint32(r.Size()) || !r.Has(offString, qsizetype(count) * charBytes))
        return;
    QString text;
    if (wide) {
        text.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            text.append(QChar(r.U16(offString + 2 * qsizetype(i))));
    } else {
        text = DecodeInCharset(QByteArray(reinterpret_cast<const char*>(r.Data() + offString), count),
                               canvas.SelectedFont().charset);
    }
    std::vector<double> dx;
    const qsizetype step = (options & 0x2000) ? 8 : 4;   // ETO_PDY: pairs
    if (offDx != 0 && r.Has(offDx, qsizetype(count) * step))
        for (quint32 i = 0; i < count; ++i)
            dx.push_back(r.I32(offDx + qsizetype(i) * step));
    std::optional<QRectF> opaque;
    if (options & 0x0002)
        opaque = rec.Box(56);
    canvas.TextOut(ref, text, dx, opaque);
}

using Blit = GdiCanvas::Blit;

// A bit-block transfer record: where, what and how.
std::optional<Blit> ReadBlit(quint32 type, const Rec& rec)
{
    const ByteReader& r = rec.r;
    Blit b;
    switch (type) {
    case 76: case 77: case 114:   // BITBLT, STRETCHBLT, ALPHABLEND
        b.dest = QRectF(rec.Point(24), rec.Size(32));
        b.rop = type == 114 ? quint32(gdi::SrcCopy) : r.U32(40);
        b.image = rec.Dib(84);
        b.src = QRectF(rec.Point(44), type == 76 ? rec.Size(32) : rec.Size(100));
        return b;
    case 80: case 81: {   // SETDIBITSTODEVICE, STRETCHDIBITS
        b.image = rec.Dib(48);
        const QSizeF srcSize = rec.Size(40);
        b.dest = QRectF(rec.Point(24), type == 81 ? rec.Size(72) : srcSize);
        b.rop = type == 81 ? r.U32(68) : quint32(gdi::SrcCopy);
        // Source y counts from the bottom row of the bitmap.
        b.src = QRectF(rec.Point(32), srcSize);
        b.src.moveTop(b.image.height() - b.src.top() - b.src.height());
        return b;
    }
    default:
        return std::nullopt;
    }
}

void PlayRecord(quint32 type, const Rec& rec, GdiCanvas& canvas)
{
    const ByteReader& r = rec.r;
    switch (type) {
    case 2: case 3: case 4: case 5: case 6:
    case 85: case 86: case 87: case 88: case 89: Poly(int(type), rec, canvas); break;
    case 7: case 8: case 90: case 91: PolyPoly(int(type), rec, canvas); break;
    case 9: canvas.SetWindowExt(rec.Size(8)); break;
    case 10: canvas.SetWindowOrg(rec.Point(8)); break;
    case 11: canvas.SetViewportExt(rec.Size(8)); break;
    case 12: canvas.SetViewportOrg(rec.Point(8)); break;
    case 15: canvas.SetPixel(rec.Point(8), ColorRef(r.U32(16))); break;
    case 17: canvas.SetMapMode(r.I32(8)); break;
    case 18: canvas.SetBkMode(r.I32(8)); break;
    case 19: canvas.SetPolyFillMode(r.I32(8)); break;
    case 20: canvas.SetRop2(r.I32(8)); break;
    case 22: canvas.SetTextAlign(r.I32(8)); break;
    case 24: canvas.SetTextColor(ColorRef(r.U32(8))); break;
    case 25: canvas.SetBkColor(ColorRef(r.U32(8))); break;
    case 27: canvas.MoveTo(rec.Point(8)); break;
    case 29: canvas.ExcludeClipRect(rec.Box(8)); break;
    case 30: canvas.IntersectClipRect(rec.Box(8)); break;
    case 31: canvas.ScaleViewportExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case 32: canvas.ScaleWindowExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case 33: canvas.SaveDc(); break;
    case 34: canvas.RestoreDc(r.I32(8)); break;
    case 35: canvas.SetWorldTransform(rec.Xform(8)); break;
    case 36: canvas.ModifyWorldTransform(rec.Xform(8), r.I32(32)); break;
    case 37: canvas.SelectObject(r.U32(8)); break;
    case 38: canvas.PutObject(r.U32(8), GdiPen{int(r.U32(12)), double(r.I32(16)), ColorRef(r.U32(24))}); break;
    case 39: canvas.PutObject(r.U32(8), GdiBrush{int(r.U32(12)), ColorRef(r.U32(16)), int(r.U32(20)), {}}); break;
    case 40: canvas.DeleteObject(r.U32(8)); break;
    case 42: canvas.Ellipse(rec.Box(8)); break;
    case 43: canvas.Rectangle(rec.Box(8)); break;
    case 44: canvas.RoundRect(rec.Box(8), rec.Size(24)); break;
    case 45: canvas.Arc(GdiCanvas::ArcKind::Arc, rec.Box(8), rec.Point(24), rec.Point(32)); break;
    case 46: canvas.Arc(GdiCanvas::ArcKind::Chord, rec.Box(8), rec.Point(24), rec.Point(32)); break;
    case 47: canvas.Arc(GdiCanvas::ArcKind::Pie, rec.Box(8), rec.Point(24), rec.Point(32)); break;
    case 55: canvas.Arc(GdiCanvas::ArcKind::ArcTo, rec.Box(8), rec.Point(24), rec.Point(32)); break;
    case 48: break;
    case 49: canvas.PutObject(r.U32(8), std::monostate{}); break;
    case 54: canvas.LineTo(rec.Point(8)); break;
    case 57: canvas.SetArcDirection(r.I32(8)); break;
    case 59: canvas.BeginPath(); break;
    case 60: canvas.EndPath(); break;
    case 61: canvas.CloseFigure(); break;
    case 62: canvas.FillPath(); break;
    case 63: canvas.StrokeAndFillPath(); break;
    case 64: canvas.StrokePath(); break;
    case 67: canvas.SelectClipPath(r.I32(8)); break;
    case 68: canvas.AbortPath(); break;
    case 75:   // EXTSELECTCLIPRGN: only the reset to no clip is honoured
        if (r.U32(8) == 0 && r.U32(12) == 5)
            canvas.ResetClip();
        break;
    case 76: case 77: case 114: case 80: case 81: {
        const auto blit = ReadBlit(type, rec);
        if (blit && !blit->image.isNull())
            canvas.DrawImage(blit->dest, blit->image, blit->src, blit->rop);
        else if (blit && type == 76)
            canvas.PatBlt(blit->dest, blit->rop);
        break;
    }
    case 82: canvas.PutObject(r.U32(8), ReadFont(rec)); break;
    case 83: ExtTextOut(rec, false, canvas); break;
    case 84: ExtTextOut(rec, true, canvas); break;
    case 93: case 94: {
        GdiBrush brush{5, Qt::gray, 0, rec.Dib(16)};
        canvas.PutObject(r.U32(8), brush);
        break;
    }
    case 95: {
        const int style = int(r.U32(28));
        GdiPen pen{style, double(r.U32(32)), ColorRef(r.U32(40))};
        if (r.U32(36) == 1)   // hollow brush: nothing drawn
            pen.style = (style & ~0xF) | 5;
        if (!(style & 0x10000))   // cosmetic pens are one pixel
            pen.width = 0;
        canvas.PutObject(r.U32(8), pen);
        break;
    }
    default: break;   // comments, palettes, regions and the rest: skipped
    }
}

} // namespace

std::optional<MetafileInfo> ReadEmfInfo(const ByteReader& file)
{
    if (file.U32(0) != 1 || file.U32(4) < 88 || file.U32(40) != kEmfSignature || !file.Has(0, 88))
        return std::nullopt;
    MetafileInfo info;
    const double devX = file.I32(72), devY = file.I32(76), mmX = file.I32(80), mmY = file.I32(84);
    if (devX > 0 && devY > 0 && mmX > 0 && mmY > 0) {
        // The millimetre size is rounded; a header of 108 bytes or more also
        // holds it in micrometres, used when it agrees (within a millimetre).
        double exactX = mmX, exactY = mmY;
        if (file.U32(4) >= 108 && file.Has(0, 108)) {
            const double umX = file.I32(100) / 1000.0, umY = file.I32(104) / 1000.0;
            if (umX > 0 && umY > 0 && std::abs(umX - mmX) <= 1 && std::abs(umY - mmY) <= 1) {
                exactX = umX;
                exactY = umY;
            }
        }
        info.pxPerMmX = devX / exactX;
        info.pxPerMmY = devY / exactY;
    }
    info.objectSlots = file.U16(56);
    const Rec head{file};
    const QRectF frame100 = head.Box(24).normalized();   // 0.01 mm
    if (frame100.width() > 0 && frame100.height() > 0) {
        info.frame = QRectF(frame100.left() * info.pxPerMmX / 100, frame100.top() * info.pxPerMmY / 100,
                            frame100.width() * info.pxPerMmX / 100, frame100.height() * info.pxPerMmY / 100);
        info.naturalSize = QSize(ClampedPictureSide(frame100.width() * 96 / 2540),
                                 ClampedPictureSide(frame100.height() * 96 / 2540));
    } else {
        const QRectF bounds = head.Box(8).normalized().adjusted(0, 0, 1, 1);
        info.frame = bounds;
        info.naturalSize = QSize(ClampedPictureSide(bounds.width()), ClampedPictureSide(bounds.height()));
    }
    if (!(info.frame.width() > 0 && info.frame.height() > 0) || !std::isfinite(info.frame.width()) ||
        !std::isfinite(info.frame.height()))
        return std::nullopt;
    info.naturalSize = info.naturalSize.expandedTo(QSize(1, 1));
    return info;
}

void PlayEmf(const ByteReader& file, const MetafileInfo& info, GdiCanvas& canvas)
{
    canvas.SetPixelsPerMm(info.pxPerMmX, info.pxPerMmY);
    canvas.SetObjectSlots(info.objectSlots);
    qsizetype pos = qsizetype(file.U32(4));
    while (file.Has(pos, 8)) {
        const quint32 type = file.U32(pos), size = file.U32(pos + 4);
        if (type == 14 || size < 8 || size % 4 != 0 || qint64(size) > file.Size() - pos)
            return;
        const Rec rec{file.Sub(pos, size)};
        pos += size;
        // A mask and the picture after it may be one bitmap with alpha.
        if (const auto blit = ReadBlit(type, rec); blit && GdiCanvas::StartsMaskPair(*blit) && file.Has(pos, 8)) {
            const quint32 nextType = file.U32(pos), nextSize = file.U32(pos + 4);
            if (nextSize >= 8 && qint64(nextSize) <= file.Size() - pos) {
                const auto next = ReadBlit(nextType, Rec{file.Sub(pos, nextSize)});
                if (next && canvas.DrawMaskPair(*blit, *next)) {
                    pos += nextSize;
                    continue;
                }
            }
        }
        PlayRecord(type, rec, canvas);
    }
}
