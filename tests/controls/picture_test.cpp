#include "controls/metafile_writer.h"
#include "controls/picture.h"
#include "controls/picture_decoders.h"
#include "controls/picture_drawing.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

bool Near(QColor a, QColor b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QByteArray Wmf(QColor color, QSize size)
{
    MetafileWriter w(MetafileFormat::Wmf);
    w.Begin(size.width(), size.height());
    w.SetNoPen();
    w.SetBrush(color);
    w.Rectangle(QRect(QPoint(0, 0), size));
    return w.End();
}

TEST(Picture, EveryFormatLoadsByItsExtensionIgnoringCase)
{
    TempProgram prog;
    const QImage orange = SolidImage(QSize(30, 20), QColor(250, 120, 0));
    QImage indexed = orange.convertToFormat(QImage::Format_Indexed8);
    const QImage iconImage = SolidImage(QSize(32, 32), QColor(0, 0, 200), QImage::Format_ARGB32);
    MetafileWriter emf(MetafileFormat::Emf);
    emf.Begin(30, 20);
    emf.SetBrush(QColor(250, 120, 0));
    emf.SetNoPen();
    emf.Rectangle(QRect(0, 0, 30, 20));
    struct Case { const char* name; QByteArray bytes; PictureKind kind; QSize size; QColor color; };
    const Case cases[] = {
        {"a.jpg", Encode(orange, "JPG"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"b.JPG", Encode(orange, "JPG"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"c.Jpeg", Encode(orange, "JPG"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"d.png", Encode(orange, "PNG"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"e.BMP", Encode(orange, "BMP"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"f.bmp", Encode(indexed, "BMP"), PictureKind::Bitmap, {30, 20}, QColor(250, 120, 0)},
        {"g.ico", Encode(iconImage, "ICO"), PictureKind::Icon, {32, 32}, QColor(0, 0, 200)},
        {"h.gif", MakeGif({30, 20}, {{{30, 20}, {Qt::black, QColor(250, 120, 0)}, 1}}), PictureKind::Bitmap,
         {30, 20}, QColor(250, 120, 0)},
        {"i.WMF", Wmf(QColor(250, 120, 0), {30, 20}), PictureKind::Metafile, {30, 20}, QColor(250, 120, 0)},
        {"j.emf", emf.End(), PictureKind::Metafile, {30, 20}, QColor(250, 120, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prog.Write(QStringLiteral("Bilder/") + c.name, c.bytes);
        Picture pic;
        ASSERT_TRUE(pic.Load(QStringLiteral("bilder\\") + c.name));
        EXPECT_EQ(pic.Kind(), c.kind);
        EXPECT_EQ(pic.NaturalSize(), c.size);
        QImage out(c.size, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::white);
        QPainter p(&out);
        pic.Draw(p, QRectF(QPointF(0, 0), QSizeF(c.size)));
        p.end();
        EXPECT_TRUE(Near(out.pixelColor(c.size.width() / 2, c.size.height() / 2), c.color));
    }
    Picture none;
    EXPECT_FALSE(none.Load(QStringLiteral("Bilder\\missing.png")));
    EXPECT_FALSE(none.Load(QStringLiteral("Bilder\\d.txt")));
    EXPECT_TRUE(none.IsEmpty());
}

TEST(Picture, GifShowsItsFirstImageWithItsOwnColours)
{
    const QByteArray two = MakeGif({8, 8}, {{{8, 8}, {Qt::black, Qt::red}, 1}, {{8, 8}, {Qt::blue, Qt::green}, 0}});
    EXPECT_EQ(DecodeGif(two).pixelColor(4, 4), QColor(Qt::red));
    // Index 7 of a four-colour table is a missing entry: black.
    const QByteArray missing = MakeGif({4, 4}, {{{4, 4}, {Qt::red, Qt::green, Qt::blue}, 7}});
    EXPECT_EQ(DecodeGif(missing).pixelColor(1, 1), QColor(Qt::black));
}

TEST(Picture, BrokenAndAbsurdFilesGiveEmptyPictures)
{
    const QImage img = SolidImage(QSize(64, 64), Qt::darkCyan);
    const QByteArray files[] = {Encode(img, "JPG"), Encode(img, "PNG"), Encode(img, "BMP"),
                                MakeGif({64, 64}, {{{64, 64}, {Qt::black, Qt::white}, 1}})};
    QImage (*const decoders[])(const QByteArray&) = {DecodeJpeg, DecodePng, DecodeBmp, DecodeGif};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(decoders[i](files[i]).isNull());
        EXPECT_TRUE(decoders[i](files[i].left(files[i].size() / 2)).isNull() || i == 2);
        EXPECT_TRUE(decoders[i](QByteArray()).isNull());
        EXPECT_TRUE(decoders[i](QByteArray(100, '\xff')).isNull());
    }
    // Half a BMP keeps its header: the missing rows are black, memory bounded.
    EXPECT_EQ(DecodeBmp(files[2].left(files[2].size() / 2)).size(), QSize(64, 64));

    const QByteArray huge = MakeGif({60000, 60000}, {{{1, 1}, {Qt::black, Qt::white}, 0}});
    EXPECT_TRUE(DecodeGif(huge).isNull());   // a 60000 x 60000 screen
    QByteArray bigBmp = files[2];
    bigBmp[18] = bigBmp[22] = char(0x60);   // width and height 0x6040 ...
    bigBmp[19] = bigBmp[23] = char(0xEA);   // ... = 60000 each
    EXPECT_TRUE(DecodeBmp(bigBmp).isNull());
    EXPECT_TRUE(DecodeIco(QByteArray::fromHex("000001000100ffff000001002000ffffff7f16000000")).isNull());
}

TEST(PictureDrawing, SmallPicturesAreCentredUnlessFitted)
{
    EXPECT_EQ(PicturePlacement({50, 20}, {100, 100}, false), QRect(25, 40, 50, 20));
    EXPECT_EQ(PicturePlacement({50, 20}, {100, 100}, true), QRect(0, 30, 100, 40));
    EXPECT_EQ(PicturePlacement({20, 50}, {100, 100}, true), QRect(30, 0, 40, 100));
    EXPECT_EQ(PicturePlacement({400, 100}, {100, 100}, false), QRect(0, 37, 100, 25));
}

TEST(PictureDrawing, DrawsFileWithBackgroundPercentAndTransparency)
{
    TempProgram prog;
    QImage pic = SolidImage(QSize(50, 20), Qt::red);
    pic.setPixelColor(0, 19, Qt::white);   // the bottom-left colour is the transparent one
    pic.setPixelColor(10, 10, Qt::white);
    prog.Write("p.bmp", Encode(pic, "BMP"));

    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::gray);
    DrawPictureFileIntoBitmap(target, "missing.bmp", Qt::green, 100, false, false);
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::gray));

    DrawPictureFileIntoBitmap(target, "p.bmp", Qt::green, 100, false, false);
    EXPECT_EQ(target.pixelColor(24, 50), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(30, 45), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(35, 50), QColor(Qt::white));

    DrawPictureFileIntoBitmap(target, "p.bmp", Qt::green, 100, false, true);
    EXPECT_EQ(target.pixelColor(35, 50), QColor(Qt::green));

    DrawPictureFileIntoBitmap(target, "p.bmp", Qt::green, 50, true, false);   // 50 x 50 bitmap, centred
    EXPECT_EQ(target.pixelColor(20, 50), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(30, 50), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(50, 35), QColor(Qt::green));
}

} // namespace
