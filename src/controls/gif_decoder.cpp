// The first image of a GIF through giflib, read record by record so that
// later frames of an animation are never decoded.
#include "controls/picture_decoders.h"
#include "controls/picture_limits.h"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

struct Source {
    const uchar* data;
    qsizetype size;
    qsizetype pos;
};

int ReadData(GifFileType* gif, GifByteType* out, int length)
{
    auto* src = static_cast<Source*>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(length, src->size - src->pos);
    if (n <= 0)
        return 0;
    std::memcpy(out, src->data + src->pos, size_t(n));
    src->pos += n;
    return int(n);
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser()
    {
        int err = 0;
        if (gif)
            DGifCloseFile(gif, &err);
    }
};

// 256 entries, missing ones black.
std::array<QRgb, 256> Palette(const ColorMapObject* map)
{
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    if (map && map->Colors)
        for (int i = 0; i < map->ColorCount && i < 256; ++i)
            palette[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    return palette;
}

} // namespace

QImage DecodeGif(const QByteArray& file)
{
    if (file.size() < 13 || !file.startsWith("GIF"))
        return {};
    Source src{reinterpret_cast<const uchar*>(file.constData()), file.size(), 0};
    int err = 0;
    GifCloser closer{DGifOpen(&src, ReadData, &err)};
    GifFileType* gif = closer.gif;
    if (!gif)
        return {};
    int transparent = -1;
    GifRecordType type;
    do {
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return {};
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return {};
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4 && (block[1] & 1))
                transparent = block[4];
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return {};
            }
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            break;
        } else if (type == TERMINATE_RECORD_TYPE) {
            return {};
        }
    } while (true);

    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return {};
    const GifImageDesc& desc = gif->Image;
    const qint64 iw = desc.Width, ih = desc.Height;
    // The picture is the logical screen; a screen smaller than the image (or
    // none) grows to hold it.
    const qint64 sw = std::max<qint64>(gif->SWidth, desc.Left + iw);
    const qint64 sh = std::max<qint64>(gif->SHeight, desc.Top + ih);
    if (!PictureSizeAllowed(sw, sh) || !PictureSizeAllowed(iw, ih))
        return {};

    const auto palette = Palette(desc.ColorMap ? desc.ColorMap : gif->SColorMap);
    QImage image(int(sw), int(sh), transparent >= 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(transparent >= 0 ? qRgba(0, 0, 0, 0) : palette[size_t(gif->SBackGroundColor & 0xFF)]);

    std::vector<GifPixelType> line(static_cast<size_t>(iw));
    auto putRow = [&](qint64 row) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(desc.Top + row)));
        for (qint64 x = 0; x < iw; ++x) {
            const int index = line[size_t(x)];
            out[desc.Left + x] = index == transparent ? qRgba(0, 0, 0, 0) : palette[size_t(index)];
        }
    };
    if (desc.Interlace) {
        static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (qint64 row = start[pass]; row < ih; row += step[pass]) {
                if (DGifGetLine(gif, line.data(), int(iw)) == GIF_ERROR)
                    return {};
                putRow(row);
            }
    } else {
        for (qint64 row = 0; row < ih; ++row) {
            if (DGifGetLine(gif, line.data(), int(iw)) == GIF_ERROR)
                return {};
            putRow(row);
        }
    }
    return image;
}
