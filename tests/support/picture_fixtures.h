#pragma once
// Picture files made in code for tests: Qt writes JPEG, PNG, BMP and ICO;
// GIF files (several frames, local colour tables) are written with giflib.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <gif_lib.h>

#include <vector>

inline QImage SolidImage(QSize size, QColor color, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(size, format);
    img.fill(color);
    return img;
}

inline QByteArray Encode(const QImage& img, const char* format, int quality = 95)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format, quality);
    return bytes;
}

struct GifFrame {
    QSize size;
    std::vector<QColor> colors;   // the frame's colour table (local when a later frame)
    int index = 0;                // every pixel uses this index
};

// Frame 0's colours become the global table; later frames get local tables.
inline QByteArray MakeGif(QSize screen, const std::vector<GifFrame>& frames)
{
    QByteArray out;
    auto write = [](GifFileType* gif, const GifByteType* data, int n) {
        static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), n);
        return n;
    };
    int err = 0;
    GifFileType* gif = EGifOpen(&out, write, &err);
    auto map = [](const std::vector<QColor>& colors) {
        int count = 2;
        while (count < int(colors.size()))
            count *= 2;
        std::vector<GifColorType> c(size_t(count), GifColorType{0, 0, 0});
        for (size_t i = 0; i < colors.size(); ++i)
            c[i] = GifColorType{GifByteType(colors[i].red()), GifByteType(colors[i].green()),
                                GifByteType(colors[i].blue())};
        return GifMakeMapObject(count, c.data());
    };
    ColorMapObject* global = map(frames.front().colors);
    EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, global);
    for (size_t f = 0; f < frames.size(); ++f) {
        ColorMapObject* local = f == 0 ? nullptr : map(frames[f].colors);
        EGifPutImageDesc(gif, 0, 0, frames[f].size.width(), frames[f].size.height(), false, local);
        std::vector<GifPixelType> line(size_t(frames[f].size.width()), GifPixelType(frames[f].index));
        for (int y = 0; y < frames[f].size.height(); ++y)
            EGifPutLine(gif, line.data(), frames[f].size.width());
        if (local)
            GifFreeMapObject(local);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(global);
    return out;
}
