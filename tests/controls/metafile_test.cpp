#include "controls/metafile.h"
#include "controls/metafile_writer.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A 100 x 50 picture: red left half, blue disc in the right half, a green
// bar along the top edge of the right half.
QByteArray Fixture(MetafileFormat format)
{
    MetafileWriter w(format);
    w.Begin(100, 50);
    w.SetNoPen();
    w.SetBrush(Qt::red);
    w.Rectangle(QRect(0, 0, 50, 50));
    w.SetBrush(Qt::blue);
    w.Ellipse(QRect(55, 5, 40, 40));
    w.SetBrush(Qt::green);
    w.Rectangle(QRect(50, 0, 50, 4));
    return w.End();
}

QImage Render(const Metafile& m, QSize size, int mirror = kNoMirror, bool keep = false)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    m.Play(p, QRectF(QPointF(0, 0), QSizeF(size)), mirror, keep);
    p.end();
    return img;
}

QColor At(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y);
}

class MetafileFormats : public ::testing::TestWithParam<MetafileFormat> {};

TEST_P(MetafileFormats, WrittenFixturePlaysStretchedAndMirrored)
{
    const Metafile m = Metafile::FromBytes(Fixture(GetParam()));
    ASSERT_FALSE(m.IsNull());
    EXPECT_EQ(m.Format(), GetParam());
    EXPECT_EQ(m.NaturalSize(), QSize(100, 50));

    struct Case { int mirror; QPoint red, blue, green, white; };
    const Case cases[] = {
        {kNoMirror, {40, 60}, {150, 50}, {150, 3}, {198, 96}},
        {0, {160, 60}, {50, 50}, {50, 3}, {2, 96}},        // left-right
        {1, {40, 40}, {150, 50}, {150, 96}, {198, 3}},     // top-bottom
        {2, {160, 40}, {50, 50}, {50, 96}, {2, 3}},        // both
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mirror);
        const QImage img = Render(m, QSize(200, 100), c.mirror);
        EXPECT_EQ(At(img, c.red.x(), c.red.y()), QColor(Qt::red));
        EXPECT_EQ(At(img, c.blue.x(), c.blue.y()), QColor(Qt::blue));
        EXPECT_EQ(At(img, c.green.x(), c.green.y()), QColor(Qt::green));
        EXPECT_EQ(At(img, c.white.x(), c.white.y()), QColor(Qt::white));
    }
}

TEST_P(MetafileFormats, KeepingProportionsCentresThePicture)
{
    const Metafile m = Metafile::FromBytes(Fixture(GetParam()));
    const QImage img = Render(m, QSize(200, 200), kNoMirror, true);
    EXPECT_EQ(At(img, 40, 20), QColor(Qt::white));    // above the picture band 50..150
    EXPECT_EQ(At(img, 40, 100), QColor(Qt::red));
    EXPECT_EQ(At(img, 150, 100), QColor(Qt::blue));
    EXPECT_EQ(At(img, 40, 180), QColor(Qt::white));
}

TEST_P(MetafileFormats, ShapesTextAndBitmapsDraw)
{
    MetafileWriter w(GetParam());
    w.Begin(100, 100);
    w.SetPen(Qt::black, 3);
    w.SetBrush(Qt::yellow);
    w.RoundRect(QRect(0, 0, 50, 50), 20, 20);
    w.SetBrush(Qt::magenta);
    w.Pie(QRect(50, 0, 50, 50), QPoint(100, 25), QPoint(75, 0));   // upper right quarter
    w.Polyline({QPoint(0, 60), QPoint(50, 60)});
    w.Bezier({QPoint(50, 70), QPoint(60, 70), QPoint(90, 70), QPoint(100, 70)});
    QImage bitmap(2, 1, QImage::Format_RGB32);
    bitmap.setPixelColor(0, 0, Qt::cyan);
    bitmap.setPixelColor(1, 0, Qt::darkGreen);
    w.Image(QRect(0, 80, 40, 20), bitmap);
    w.SetFont(QStringLiteral("Arial"), 18, true);
    w.SetTextColor(Qt::black);
    w.Text(QPoint(75, 98), QStringLiteral("Ab"), Qt::AlignHCenter | Qt::AlignBottom);
    const Metafile m = Metafile::FromBytes(w.End());
    ASSERT_FALSE(m.IsNull());
    const QImage img = Render(m, QSize(100, 100));

    EXPECT_EQ(At(img, 25, 25), QColor(Qt::yellow));
    EXPECT_EQ(At(img, 0, 0), QColor(Qt::white));       // rounded corner left out
    EXPECT_EQ(At(img, 0, 25), QColor(Qt::black));      // outline
    EXPECT_EQ(At(img, 85, 15), QColor(Qt::magenta));   // inside the slice
    EXPECT_EQ(At(img, 65, 35), QColor(Qt::white));     // other quarter
    EXPECT_EQ(At(img, 25, 60), QColor(Qt::black));
    EXPECT_EQ(At(img, 75, 70), QColor(Qt::black));
    EXPECT_EQ(At(img, 5, 90), QColor(Qt::cyan));
    EXPECT_EQ(At(img, 35, 90), QColor(Qt::darkGreen));
    int ink = 0;
    for (int y = 78; y < 100; ++y)
        for (int x = 55; x < 100; ++x)
            ink += qGray(img.pixel(x, y)) < 100;
    EXPECT_GT(ink, 20);
    for (int y = 78; y < 100; ++y)   // centred text stays right of x = 55
        for (int x = 45; x < 55; ++x)
            EXPECT_GT(qGray(img.pixel(x, y)), 100) << x << "," << y;
}

TEST_P(MetafileFormats, LogicalWindowMapsOntoThePicture)
{
    // y grows upwards in a window of 1000 x 500 units over a 100 x 50 picture.
    MetafileWriter w(GetParam());
    w.Begin(100, 50);
    w.SetLogicalWindow(QPoint(0, 500), QSize(1000, -500));
    w.SetNoPen();
    w.SetBrush(Qt::red);
    w.Rectangle(QRect(0, 0, 500, 250));   // lower left quarter
    const QImage img = Render(Metafile::FromBytes(w.End()), QSize(100, 50));
    EXPECT_EQ(At(img, 20, 40), QColor(Qt::red));
    EXPECT_EQ(At(img, 20, 10), QColor(Qt::white));
    EXPECT_EQ(At(img, 70, 40), QColor(Qt::white));
}

TEST_P(MetafileFormats, BrokenFilesNeverCrash)
{
    const QByteArray good = Fixture(GetParam());
    for (qsizetype cut = 0; cut < good.size(); cut += 7) {
        const Metafile m = Metafile::FromBytes(good.left(cut));
        if (!m.IsNull())
            Render(m, QSize(20, 20));
    }
    QByteArray bad = good;
    for (qsizetype i = 30; i < bad.size(); i += 13)
        bad[i] = char(0xFF);
    const Metafile m = Metafile::FromBytes(bad);
    if (!m.IsNull())
        Render(m, QSize(20, 20));
}

INSTANTIATE_TEST_SUITE_P(Both, MetafileFormats, ::testing::Values(MetafileFormat::Wmf, MetafileFormat::Emf),
                         [](const auto& info) { return info.param == MetafileFormat::Wmf ? "Wmf" : "Emf"; });

TEST(Metafile, WmfWithoutPlaceableHeaderTakesItsWindow)
{
    const QByteArray bare = Fixture(MetafileFormat::Wmf).mid(22);
    const Metafile m = Metafile::FromBytes(bare);
    ASSERT_FALSE(m.IsNull());
    EXPECT_EQ(m.NaturalSize(), QSize(100, 50));
    EXPECT_EQ(At(Render(m, QSize(100, 50)), 20, 20), QColor(Qt::red));
}

TEST(Metafile, AbsurdHeadersGiveNullOrBoundedPlay)
{
    QByteArray emf = Fixture(MetafileFormat::Emf);
    // Gigantic record count and size in the header, and a record that claims
    // four gigabytes.
    QByteArray big = emf;
    big[52] = big[53] = big[54] = big[55] = char(0xFF);
    big[48] = big[49] = big[50] = big[51] = char(0xFF);
    const qsizetype firstRecord = 108;
    big[firstRecord + 4] = big[firstRecord + 5] = big[firstRecord + 6] = char(0xFF);
    const Metafile m = Metafile::FromBytes(big);
    ASSERT_FALSE(m.IsNull());
    const QImage img = Render(m, QSize(40, 20));
    EXPECT_EQ(At(img, 10, 10), QColor(Qt::white));   // playing stopped at the bad record
    EXPECT_TRUE(Metafile::FromBytes(QByteArray("GIF89a")).IsNull());
    EXPECT_TRUE(Metafile::FromBytes(QByteArray()).IsNull());
}

} // namespace
