#include "controls/dib_reader.h"

#include "controls/picture_limits.h"

#include <array>
#include <bit>

namespace {

enum Compression : quint32 { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

struct DibHeader {
    qsizetype headerSize = 0;
    qint64 width = 0;
    qint64 height = 0;   // rows of the colour image (positive)
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = kRgb;
    int paletteEntries = 0;   // entries stored in the file
    int paletteEntrySize = 4;
    qsizetype maskBytes = 0;  // bit-field masks stored after a 40-byte header
    std::array<quint32, 4> masks{};  // red, green, blue, alpha
};

bool ReadHeader(const ByteReader& in, DibHeader& h)
{
    h.headerSize = in.U32(0);
    if (h.headerSize == 12) {
        h.width = in.U16(4);
        h.height = in.U16(6);
        h.bitCount = in.U16(10);
        h.paletteEntrySize = 3;
        h.paletteEntries = h.bitCount <= 8 ? 1 << h.bitCount : 0;
        return h.width > 0 && h.height > 0 && in.Has(0, 12);
    }
    if (h.headerSize < 40 || h.headerSize > 4096 || !in.Has(0, 40))
        return false;
    h.width = in.I32(4);
    const qint64 height = in.I32(8);
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bitCount = in.U16(14);
    h.compression = in.U32(16);
    const quint32 used = in.U32(32);
    if (h.bitCount <= 8)
        h.paletteEntries = used == 0 || used > (1u << h.bitCount) ? 1 << h.bitCount : int(used);
    else
        h.paletteEntries = used > 256 ? 0 : int(used);   // present but unused
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        const int count = h.compression == kAlphaBitFields ? 4 : 3;
        const bool inHeader = h.headerSize >= 52;
        const qsizetype at = inHeader ? 40 : h.headerSize;
        for (int i = 0; i < count; ++i)
            h.masks[size_t(i)] = in.U32(at + 4 * i);
        if (h.headerSize >= 56)
            h.masks[3] = in.U32(52);
        if (!inHeader)
            h.maskBytes = 4 * count;
    } else if (h.bitCount == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (h.bitCount == 32) {
        h.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    }
    return h.width > 0 && h.height > 0;
}

// Extracts a channel by mask and scales it to 0..255.
int Channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return -1;
    const int shift = std::countr_zero(mask);
    const quint32 max = mask >> shift;
    const quint32 v = (pixel & mask) >> shift;
    return max == 0 ? 0 : int((v * 255 + max / 2) / max);
}

QRgb PaletteColor(const std::array<QRgb, 256>& palette, int index)
{
    return palette[size_t(index & 0xFF)];
}

// Decodes RLE8 or RLE4 data into palette indices (bottom-up row order as stored).
void DecodeRle(const ByteReader& bits, const DibHeader& h, std::vector<quint8>& indices)
{
    const qint64 w = h.width;
    qint64 x = 0, y = 0;
    qsizetype p = 0;
    const bool four = h.compression == kRle4;
    auto put = [&](int value) {
        if (x < w && y < h.height)
            indices[size_t(y * w + x)] = quint8(value);
        ++x;
    };
    while (p + 1 < bits.Size() && y < h.height) {
        const int count = bits.U8(p), value = bits.U8(p + 1);
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += bits.U8(p);
            y += bits.U8(p + 1);
            p += 2;
        } else {
            const int n = value;
            for (int i = 0; i < n; ++i) {
                const int byte = bits.U8(p + (four ? i / 2 : i));
                put(four ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
            }
            const qsizetype used = four ? (n + 1) / 2 : n;
            p += (used + 1) & ~qsizetype(1);
        }
    }
}

} // namespace

qsizetype DibHeaderAndPaletteSize(const ByteReader& info)
{
    DibHeader h;
    if (!ReadHeader(info, h))
        return 0;
    return h.headerSize + h.maskBytes + qsizetype(h.paletteEntries) * h.paletteEntrySize;
}

QImage DecodeDib(const ByteReader& info, const ByteReader& bits, DibOptions options)
{
    DibHeader h;
    if (!ReadHeader(info, h))
        return {};
    qint64 rows = h.height;
    if (options.iconMask)
        rows = h.height / 2;
    if (!PictureSizeAllowed(h.width, rows))
        return {};
    const int bpp = h.bitCount;
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    if (rle ? !((h.compression == kRle8 && bpp == 8) || (h.compression == kRle4 && bpp == 4))
            : (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32))
        return {};
    if (!rle && h.compression != kRgb && h.compression != kBitFields && h.compression != kAlphaBitFields)
        return {};

    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    const qsizetype palAt = h.headerSize + h.maskBytes;
    if (bpp <= 8 || rle) {
        for (int i = 0; i < h.paletteEntries && i < 256; ++i) {
            const qsizetype o = palAt + qsizetype(i) * h.paletteEntrySize;
            palette[size_t(i)] = qRgb(info.U8(o + 2), info.U8(o + 1), info.U8(o));
        }
    }

    QImage image(int(h.width), int(rows), QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    image.fill(qRgb(0, 0, 0));
    const qint64 stride = ((h.width * bpp + 31) / 32) * 4;
    bool alphaSeen = false;

    std::vector<quint8> rleIndices;
    if (rle) {
        rleIndices.assign(size_t(h.width * h.height), 0);
        DecodeRle(bits, h, rleIndices);
    }

    for (qint64 fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = int(h.topDown ? fileRow : rows - 1 - fileRow);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const qsizetype rowAt = qsizetype(fileRow * stride);
        for (qint64 x = 0; x < h.width; ++x) {
            QRgb c;
            if (rle) {
                c = PaletteColor(palette, rleIndices[size_t(fileRow * h.width + x)]);
            } else if (bpp <= 8) {
                const qint64 bit = x * bpp;
                const int byte = bits.U8(rowAt + qsizetype(bit / 8));
                const int shift = 8 - bpp - int(bit % 8);
                c = PaletteColor(palette, (byte >> shift) & ((1 << bpp) - 1));
            } else if (bpp == 24) {
                const qsizetype o = rowAt + qsizetype(x * 3);
                c = qRgb(bits.U8(o + 2), bits.U8(o + 1), bits.U8(o));
            } else {
                const quint32 px = bpp == 16 ? bits.U16(rowAt + qsizetype(x * 2)) : bits.U32(rowAt + qsizetype(x * 4));
                const int a = Channel(px, h.masks[3]);
                if (a > 0)
                    alphaSeen = true;
                c = qRgba(Channel(px, h.masks[0]) & 0xFF, Channel(px, h.masks[1]) & 0xFF,
                          Channel(px, h.masks[2]) & 0xFF, a < 0 ? 255 : a);
            }
            line[x] = c;
        }
    }

    // A 32-bit image whose alpha bytes are all zero is opaque (the usual
    // meaning of the unused fourth byte).
    const bool hasAlpha = bpp == 32 && alphaSeen;
    if (bpp == 32 && !alphaSeen) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xFF000000u;
        }
    }

    if (options.iconMask && !hasAlpha) {
        const qint64 maskStride = ((h.width + 31) / 32) * 4;
        const qsizetype maskAt = qsizetype(stride * rows);
        for (qint64 fileRow = 0; fileRow < rows; ++fileRow) {
            const int y = int(h.topDown ? fileRow : rows - 1 - fileRow);
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const qsizetype rowAt = maskAt + qsizetype(fileRow * maskStride);
            for (qint64 x = 0; x < h.width; ++x)
                if (bits.U8(rowAt + qsizetype(x / 8)) & (0x80 >> (x % 8)))
                    line[x] = 0;
        }
        return image;
    }
    return hasAlpha || options.iconMask ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage DecodePackedDib(const ByteReader& data, DibOptions options)
{
    const qsizetype at = DibHeaderAndPaletteSize(data);
    if (at <= 0)
        return {};
    return DecodeDib(data, data.Sub(at, -1), options);
}
