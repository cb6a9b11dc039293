// BMP files and icon files, read with our DIB reader (and the PNG decoder for
// the PNG entries of newer icons).
#include "controls/byte_reader.h"
#include "controls/dib_reader.h"
#include "controls/picture_decoders.h"

QImage DecodeBmp(const QByteArray& file)
{
    const ByteReader in(file);
    if (in.Size() < 14 + 12 || in.U8(0) != 'B' || in.U8(1) != 'M')
        return {};
    const ByteReader info = in.Sub(14, -1);
    const quint32 bitsAt = in.U32(10);
    // A plausible offset is honoured; else the rows follow the colour table.
    if (bitsAt >= 14 + 12 && bitsAt < quint32(in.Size()) && qsizetype(bitsAt) >= 14 + DibHeaderAndPaletteSize(info))
        return DecodeDib(info, in.Sub(bitsAt, -1));
    return DecodePackedDib(info);
}

QImage DecodeIco(const QByteArray& file)
{
    const ByteReader in(file);
    const int type = in.U16(2), count = in.U16(4);
    if (in.U16(0) != 0 || (type != 1 && type != 2) || count == 0 || !in.Has(6, qsizetype(count) * 16))
        return {};
    // The largest entry, the deepest colours among equals.
    int best = -1;
    qint64 bestScore = -1;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = 6 + qsizetype(i) * 16;
        const int w = in.U8(e) ? in.U8(e) : 256, h = in.U8(e + 1) ? in.U8(e + 1) : 256;
        const qint64 score = qint64(w) * h * 64 + in.U16(e + 6);
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    const qsizetype e = 6 + qsizetype(best) * 16;
    const quint32 size = in.U32(e + 8), offset = in.U32(e + 12);
    if (!in.Has(offset, 8))
        return {};
    const ByteReader image = in.Sub(offset, size);
    if (image.U32(0) == 0x474E5089)   // "\x89PNG"
        return DecodePng(QByteArray(reinterpret_cast<const char*>(image.Data()), image.Size()));
    DibOptions options;
    options.iconMask = true;
    return DecodePackedDib(image, options);
}
