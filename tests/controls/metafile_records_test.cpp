// Records that drawing programs write and that our players must honour:
// transparency as a mask and picture pair, transfers that leave the
// destination alone, condensed and expanded fonts, text in the character set
// of its font and joined scripts, and the exact reference size of an EMF.
#include "controls/font_charset.h"
#include "controls/metafile.h"
#include "controls/metafile_players.h"
#include "controls/metafile_writer.h"
#include "controls/picture_limits.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Render(const QByteArray& bytes, QSize size, QColor background = Qt::white,
             QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    const Metafile m = Metafile::FromBytes(bytes);
    EXPECT_FALSE(m.IsNull());
    QImage img(size, format);
    img.fill(background);
    QPainter p(&img);
    m.Play(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return img;
}

// Columns with any pixel darker than the background.
int InkWidth(const QImage& img)
{
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

// Pixels whose grey differs by more than half between two pictures.
int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 128;
    return n;
}

class MetafileRecords : public ::testing::TestWithParam<MetafileFormat> {};

constexpr quint32 kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086, kSrcInvert = 0x00660046;
constexpr quint32 kPatCopy = 0x00F00021, kNop = 0x00AA0029;

} // namespace

TEST_P(MetafileRecords, AMaskAndPictureCoverTheBackgroundByTheMasksGrades)
{
    // Left half opaque red, right half half-transparent red, as exporters
    // write it: the mask (black opaque, grey half, white clear) with SrcAnd,
    // then the picture premultiplied (black where clear) with SrcPaint or SrcInvert.
    for (quint32 pictureRop : {kSrcPaint, kSrcInvert}) {
        QImage mask(8, 4, QImage::Format_RGB32), picture(8, 4, QImage::Format_RGB32);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 4; ++y) {
                mask.setPixel(x, y, x < 4 ? qRgb(0, 0, 0) : qRgb(128, 128, 128));
                picture.setPixel(x, y, x < 4 ? qRgb(255, 0, 0) : qRgb(127, 0, 0));
            }
        MetafileWriter w(GetParam());
        w.Begin(80, 40);
        w.Image(QRect(0, 0, 80, 40), mask, kSrcAnd);
        w.Image(QRect(0, 0, 80, 40), picture, pictureRop);
        const QByteArray file = w.End();
        const QImage img = Render(file, QSize(80, 40), QColor(0, 0, 255));
        const QColor opaque = img.pixelColor(20, 20), half = img.pixelColor(60, 20);
        EXPECT_GT(opaque.red(), 240);
        EXPECT_LT(opaque.blue(), 15);
        EXPECT_NEAR(half.red(), 127, 12) << pictureRop;
        EXPECT_NEAR(half.blue(), 127, 12) << pictureRop; // the background shows through, not black
        EXPECT_EQ(img.pixelColor(60, 20).alpha(), 255);
        // On a clear face the picture keeps its grades of transparency.
        const QImage clear = Render(file, QSize(80, 40), Qt::transparent);
        EXPECT_EQ(clear.pixelColor(20, 20), QColor(255, 0, 0)) << pictureRop;
        EXPECT_NEAR(clear.pixelColor(60, 20).alpha(), 127, 12) << pictureRop;
        EXPECT_GT(clear.pixelColor(60, 20).red(), 230) << pictureRop;
    }
}

TEST_P(MetafileRecords, ATransferThatLeavesTheDestinationDoesNotPaint)
{
    MetafileWriter w(GetParam());
    w.Begin(40, 20);
    w.SetBrush(Qt::red);
    w.PatBlt(QRect(0, 0, 20, 20), kNop);
    w.PatBlt(QRect(20, 0, 20, 20), kPatCopy);
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    w.Image(QRect(0, 0, 20, 20), bitmap, kNop);
    const QImage img = Render(w.End(), QSize(40, 20));
    EXPECT_EQ(img.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(30, 10), QColor(Qt::red));
}

TEST_P(MetafileRecords, RasterOperationsWorkOnEveryChannelBitByBit)
{
    // Destination, source bitmap and brush (the pattern) of distinct bits in
    // every channel; each operation's result is its formula on each channel.
    const QRgb d = qRgb(0x30, 0x60, 0xC0), s = qRgb(0x0F, 0xF0, 0x55), pat = qRgb(0x99, 0x3C, 0xA5);
    const struct {
        const char* name;
        quint32 rop;
        quint8 (*result)(quint8 p, quint8 s, quint8 d);
    } cases[] = {
        {"SRCCOPY", 0x00CC0020, [](quint8, quint8 s, quint8) { return s; }},
        {"SRCPAINT", 0x00EE0086, [](quint8, quint8 s, quint8 d) { return quint8(s | d); }},
        {"SRCAND", 0x008800C6, [](quint8, quint8 s, quint8 d) { return quint8(s & d); }},
        {"SRCINVERT", 0x00660046, [](quint8, quint8 s, quint8 d) { return quint8(s ^ d); }},
        {"SRCERASE", 0x00440328, [](quint8, quint8 s, quint8 d) { return quint8(s & ~d); }},
        {"NOTSRCCOPY", 0x00330008, [](quint8, quint8 s, quint8) { return quint8(~s); }},
        {"NOTSRCERASE", 0x001100A6, [](quint8, quint8 s, quint8 d) { return quint8(~(s | d)); }},
        {"MERGECOPY", 0x00C000CA, [](quint8 p, quint8 s, quint8) { return quint8(p & s); }},
        {"MERGEPAINT", 0x00BB0226, [](quint8, quint8 s, quint8 d) { return quint8(~s | d); }},
        {"PATCOPY", 0x00F00021, [](quint8 p, quint8, quint8) { return p; }},
        {"PATPAINT", 0x00FB0A09, [](quint8 p, quint8 s, quint8 d) { return quint8(p | ~s | d); }},
        {"PATINVERT", 0x005A0049, [](quint8 p, quint8, quint8 d) { return quint8(p ^ d); }},
        {"DSTINVERT", 0x00550009, [](quint8, quint8, quint8 d) { return quint8(~d); }},
        {"BLACKNESS", 0x00000042, [](quint8, quint8, quint8) { return quint8(0); }},
        {"WHITENESS", 0x00FF0062, [](quint8, quint8, quint8) { return quint8(0xFF); }},
        // P xor (S and (D xor P)): the destination where the source is set, else the pattern.
        {"PSDPxax", 0x00B8074A, [](quint8 p, quint8 s, quint8 d) { return quint8(p ^ (s & (d ^ p))); }},
    };
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(s);
    const auto expected = [](auto f, QRgb p, QRgb s, QRgb d) {
        return qRgb(f(qRed(p), qRed(s), qRed(d)), f(qGreen(p), qGreen(s), qGreen(d)), f(qBlue(p), qBlue(s), qBlue(d)));
    };
    for (const auto& c : cases) {
        for (const bool withBitmap : {true, false}) {
            MetafileWriter w(GetParam());
            w.Begin(40, 20);
            w.SetBrush(QColor::fromRgb(pat));
            if (withBitmap)
                w.Image(QRect(5, 5, 30, 10), source, c.rop);
            else
                w.PatBlt(QRect(5, 5, 30, 10), c.rop);
            const QByteArray file = w.End();
            for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
                const QImage img = Render(file, QSize(40, 20), QColor::fromRgb(d), format);
                // A transfer without a bitmap has a source of 0.
                const QRgb want = expected(c.result, pat, withBitmap ? s : 0, d);
                EXPECT_EQ(QColor::fromRgb(img.pixel(20, 10)), QColor::fromRgb(want)) << c.name << " " << withBitmap;
                EXPECT_EQ(QColor::fromRgb(img.pixel(12, 7)), QColor::fromRgb(want)) << c.name << " " << withBitmap;
                EXPECT_EQ(img.pixel(2, 2), d) << c.name << " outside the rectangle";
                EXPECT_EQ(qAlpha(img.pixel(20, 10)), 255) << c.name;
            }
        }
    }
}

TEST_P(MetafileRecords, AStretchedBitmapWithARasterOperationHasNoInBetweenColours)
{
    // Two pixels, black and white, stretched over 80 with SRCINVERT: every
    // pixel is the background or its inverse, none smoothed in between.
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    MetafileWriter w(GetParam());
    w.Begin(80, 10);
    w.Image(QRect(0, 0, 80, 10), source, 0x00660046);
    const QRgb d = qRgb(0x30, 0x60, 0xC0);
    const QImage img = Render(w.End(), QSize(80, 10), QColor::fromRgb(d));
    int inverted = 0;
    for (int x = 0; x < 80; ++x) {
        const QRgb px = img.pixel(x, 5) & 0xFFFFFF;
        EXPECT_TRUE(px == (d & 0xFFFFFF) || px == (~d & 0xFFFFFF)) << x << " " << std::hex << px;
        inverted += px == (~d & 0xFFFFFF);
    }
    EXPECT_NEAR(inverted, 40, 2);
}

TEST_P(MetafileRecords, TheFontWidthCondensesAndExpandsTheText)
{
    std::vector<int> widths;
    for (int width : {4, 0, 30}) {
        MetafileWriter w(GetParam());
        w.Begin(600, 60);
        w.SetFont("DejaVu Sans", 40, false, false, width);
        w.Text(QPoint(5, 5), "MMMM");
        widths.push_back(InkWidth(Render(w.End(), QSize(600, 60))));
    }
    EXPECT_LT(widths[0], widths[1] * 2 / 3);
    EXPECT_GT(widths[2], widths[1] * 4 / 3);
}

INSTANTIATE_TEST_SUITE_P(Both, MetafileRecords, ::testing::Values(MetafileFormat::Wmf, MetafileFormat::Emf),
                         [](const auto& info) { return info.param == MetafileFormat::Wmf ? "Wmf" : "Emf"; });

TEST(MetafileText, OneByteTextIsReadInTheCharacterSetOfItsFont)
{
    const struct {
        int charset;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {204, "\xcc\xe8\xf0", QString::fromUtf8("Мир")},        // Cyrillic
        {161, "\xc1\xe1", QString::fromUtf8("Αα")},             // Greek
        {177, "\xf9\xec\xe5\xed", QString::fromUtf8("שלום")},   // Hebrew
        {178, "\xd3\xe1\xc7\xe3", QString::fromUtf8("سلام")},   // Arabic
        {222, "\xa1", QString::fromUtf8("ก")},                  // Thai
        {128, "\x93\xfa\x96\x7b", QString::fromUtf8("日本")},    // Japanese
        {134, "\xd6\xd0", QString::fromUtf8("中")},              // Chinese (simplified)
        {136, "\xa4\xa4", QString::fromUtf8("中")},              // Chinese (traditional)
        {0, "\xe4\xdf", QString::fromUtf8("äß")},               // ANSI
        {1, "\x80", QString::fromUtf8("€")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeInCharset(c.bytes, c.charset), c.text) << c.charset;

    // Through a WMF: Cyrillic text in a Cyrillic font draws Cyrillic letters,
    // which look unlike the Windows-1252 letters of the same bytes.
    const auto draw = [](int charset) {
        MetafileWriter w(MetafileFormat::Wmf);
        w.Begin(300, 60);
        w.SetFont("DejaVu Sans", 40, false, false, 0, charset);
        w.TextBytes(QPoint(5, 5), "\xc6\xc6\xc6");
        return Render(w.End(), QSize(300, 60));
    };
    MetafileWriter reference(MetafileFormat::Emf);
    reference.Begin(300, 60);
    reference.SetFont("DejaVu Sans", 40);
    reference.Text(QPoint(5, 5), QString::fromUtf8("ЖЖЖ"));
    const QImage expected = Render(reference.End(), QSize(300, 60));
    EXPECT_LT(Differing(draw(204), expected) * 4, Differing(draw(0), expected));
}

TEST(MetafileText, EmfTextWithAdvancesIsDrawnWholeSoArabicLettersJoin)
{
    const QString word = QString::fromUtf8("سلام");
    const auto draw = [&](bool advances) {
        MetafileWriter w(MetafileFormat::Emf);
        w.Begin(300, 80);
        w.SetFont("DejaVu Sans", 50);
        if (advances) {
            // The advances of the joined letters, as a writer measures them.
            QFont font("DejaVu Sans");
            font.setPixelSize(50);
            const QFontMetricsF fm(font);
            const int total = qRound(fm.horizontalAdvance(word));
            QList<int> dx(word.size(), total / int(word.size()));
            dx.back() += total - total / int(word.size()) * int(word.size());
            w.TextWithAdvances(QPoint(20, 10), word, dx);
        } else {
            w.Text(QPoint(20, 10), word);
        }
        return Render(w.End(), QSize(300, 80));
    };
    const QImage whole = draw(false), spaced = draw(true);
    // Letters drawn one by one take their isolated forms and differ widely.
    EXPECT_GT(InkWidth(whole), 40) << "the font draws Arabic";
    EXPECT_LT(Differing(whole, spaced), 150);
    EXPECT_NEAR(InkWidth(spaced), InkWidth(whole), 4);
}

TEST(MetafileHeader, TheExactSizeInMicrometresIsUsedWhenItAgrees)
{
    const auto info = [](QSize um) {
        MetafileWriter w(MetafileFormat::Emf);
        w.Begin(100, 100);
        w.SetReference(QSize(1366, 768), QSize(361, 203), um);
        const QByteArray bytes = w.End();
        return ReadEmfInfo(ByteReader(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()));
    };
    const auto exact = info(QSize(361421, 203200));
    ASSERT_TRUE(exact);
    EXPECT_NEAR(exact->pxPerMmX, 1366 / 361.421, 1e-9);
    EXPECT_NEAR(exact->pxPerMmY, 768 / 203.2, 1e-9);
    // A micrometre size that disagrees with the millimetres, or none: the millimetres.
    for (QSize um : {QSize(500000, 203200), QSize(0, 0)}) {
        const auto rounded = info(um);
        ASSERT_TRUE(rounded);
        EXPECT_NEAR(rounded->pxPerMmX, 1366 / 361.0, 1e-9);
    }
}

TEST(MetafileText, AbsurdFontWidthsAndAdvancesStretchTheTextOnlySoFar)
{
    // Width fields and advances far beyond the letters are held to a bounded
    // stretch; unbounded ones once crashed the font engine.
    const auto ink = [](int fontWidth, int advance) {
        MetafileWriter w(MetafileFormat::Emf);
        w.Begin(1000, 40);
        w.SetFont("DejaVu Sans", 20, false, false, fontWidth);
        if (advance > 0)
            w.TextWithAdvances(QPoint(0, 5), "M", {advance});
        else
            w.Text(QPoint(0, 5), "M");
        return InkWidth(Render(w.End(), QSize(1000, 40)));
    };
    const int natural = ink(0, 0);
    ASSERT_GT(natural, 5);
    EXPECT_GT(ink(0, 900), natural * 4) << "advances still stretch";
    EXPECT_LT(ink(0, 900), natural * 20);
    EXPECT_LT(ink(2000000000, 0), natural * 20);
    EXPECT_LE(ink(2000000000, 2000000000), 1000);
}

TEST(MetafileHeader, AbsurdBoundsGiveABoundedNaturalSize)
{
    MetafileWriter w(MetafileFormat::Emf);
    w.Begin(100, 100);
    QByteArray bytes = w.End();
    // No frame, and bounds from one end of the coordinate range to the other.
    const qint32 box[8] = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 0, 0};
    bytes.replace(8, sizeof box, reinterpret_cast<const char*>(box), sizeof box);
    const auto info = ReadEmfInfo(ByteReader(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->naturalSize, QSize(kMaxPictureSide, kMaxPictureSide));
}
