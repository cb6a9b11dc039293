#include "controls/face_layout.h"
#include "controls/metafile_writer.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"

#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A button of the given size, drawn into an image that starts magenta so
// that transparent faces show it.
struct Face {
    explicit Face(QSize size = QSize(100, 100)) : button(nullptr, 7, nullptr) { button.resize(size); }
    QImage Draw()
    {
        QImage img(button.size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::magenta);
        QPainter p(&img);
        button.Draw(p, button.rect());
        return img;
    }
    tdrbutton button;
};

QColor Palette(int n)
{
    return ProgInfo().Color(n);
}

// The horizontal extent of pixels of the given colour.
std::pair<int, int> InkColumns(const QImage& img, const QColor& color)
{
    int first = img.width(), last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == color) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(FaceLayout, PicturePlacementByAlignment)
{
    const QRect cell(0, 0, 100, 100);
    EXPECT_EQ(PictureFaceRect(cell, {200, 100}, 100, 4), QRect(0, 25, 100, 50));
    EXPECT_EQ(PictureFaceRect(cell, {100, 200}, 100, 4), QRect(25, 0, 50, 100));
    EXPECT_EQ(PictureFaceRect(cell, {200, 100}, 50, 4), QRect(25, 38, 50, 25));
    EXPECT_EQ(PictureFaceRect(cell, {200, 100}, 100, 7), QRect(0, 48, 100, 52));   // (100 + 3) / 2
    EXPECT_EQ(PictureFaceRect(cell, {50, 100}, 80, 7), QRect(25, 20, 50, 80));
    EXPECT_EQ(PictureFaceRect(cell, {200, 100}, 90, 0), QRect(0, 0, 90, 90));
    EXPECT_EQ(PictureFaceRect(QRect(0, 0, 5, 5), {1, 1}, 50, 4), QRect(1, 1, 2, 2));   // 2.5 -> 2
}

TEST(FaceLayout, ThreeDFrameDrawsNestedLines)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QPainter p(&img);
    Draw3DFrame(p, img.rect(), true, 1, Qt::white, Qt::blue);
    p.end();
    EXPECT_EQ(img.pixelColor(0, 5), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(1, 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(2, 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(3, 5), QColor(Qt::gray));
    EXPECT_EQ(img.pixelColor(8, 5), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(7, 5), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(5, 8), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(5, 1), QColor(Qt::white));
}

TEST(Tdrbutton, TextFaceInBackgroundColourSizedToThePercent)
{
    Face f(QSize(200, 120));
    f.button.SetStyle(QStringLiteral("f 90 xx 11"));
    EXPECT_TRUE(f.button.SetContent(QStringLiteral("Datei"), QStringLiteral("Arial")));
    const QImage img = f.Draw();
    EXPECT_EQ(img.pixelColor(0, 0), Palette(15));
    const auto [first, last] = InkColumns(img, Palette(17));
    ASSERT_GE(last, 0);
    const int width = f.button.TextSize().width();
    EXPECT_GE(width, 160);   // trunc(size * 0.9 * 200 / text width)
    EXPECT_LE(width, 182);
    EXPECT_NEAR((first + last) / 2.0, 100, 4);   // centred
}

TEST(Tdrbutton, ShortStyleGivesATransparentCentredFace)
{
    Face f(QSize(120, 60));
    f.button.SetStyle(QStringLiteral("f 90 xx 1"));
    f.button.SetContent(QStringLiteral("Ab"), QStringLiteral("Arial"));
    const QImage img = f.Draw();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::magenta));   // nothing painted over the corner
    EXPECT_EQ(f.button.Style().percent, 100);
    const auto [first, last] = InkColumns(img, ProgInfo().Text());
    ASSERT_GE(last, 0);
    EXPECT_NEAR((first + last) / 2.0, 60, 4);
}

TEST(Tdrbutton, BitmapKeepsProportionsAndTheCacheIsReused)
{
    TempProgram prog;
    prog.Write("Bilder/wide.png", Encode(SolidImage(QSize(200, 100), Qt::blue), "PNG"));
    Face f;
    f.button.SetStyle(QStringLiteral("0 100 4 11"));
    EXPECT_TRUE(f.button.SetContent(QStringLiteral("Bilder\\wide.png")));
    EXPECT_EQ(f.button.Mode(), tdrbutton::ContentMode::Picture);
    EXPECT_EQ(f.button.NaturalSize(), QSize(200, 100));
    QImage img = f.Draw();
    EXPECT_EQ(img.pixelColor(50, 24), Palette(0));
    EXPECT_EQ(img.pixelColor(50, 25), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(50, 74), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(50, 75), Palette(0));
    EXPECT_EQ(f.button.FaceRenderCount(), 1);

    // Unchanged values keep the face; the same file under another case is
    // not loaded again.
    QFile::remove(prog.Path("Bilder/wide.png"));
    f.button.SetStyle(QStringLiteral("0 100 4 11"));
    prog.Write("Bilder/wide.png", Encode(SolidImage(QSize(10, 10), Qt::red), "PNG"));
    EXPECT_FALSE(f.button.SetContent(QStringLiteral("BILDER\\WIDE.PNG")));
    img = f.Draw();
    EXPECT_EQ(f.button.FaceRenderCount(), 1);
    EXPECT_EQ(img.pixelColor(50, 50), QColor(Qt::blue));

    f.button.SetStyle(QStringLiteral("0 50  4 11"));
    f.Draw();
    EXPECT_EQ(f.button.FaceRenderCount(), 2);
}

TEST(Tdrbutton, JpegFacesAreAlwaysOpaque)
{
    TempProgram prog;
    prog.Write("a.JPG", Encode(SolidImage(QSize(50, 100), Qt::white), "JPG"));
    prog.Write("a.png", Encode(SolidImage(QSize(50, 100), Qt::white), "PNG"));
    for (const char* name : {"a.JPG", "a.png"}) {
        SCOPED_TRACE(name);
        Face f;
        f.button.SetStyle(QStringLiteral("  100x4 11"));
        f.button.SetContent(QString::fromLatin1(name));
        const QImage img = f.Draw();
        EXPECT_EQ(img.pixelColor(5, 50), name[2] == 'J' ? ProgInfo().Window() : QColor(Qt::magenta));
        EXPECT_EQ(img.pixelColor(50, 50), QColor(Qt::white));
    }
}

TEST(Tdrbutton, MetafilesAreMirroredByTheStyle)
{
    TempProgram prog;
    MetafileWriter w(MetafileFormat::Emf);
    w.Begin(100, 100);
    w.SetNoPen();
    w.SetBrush(Qt::red);
    w.Rectangle(QRect(0, 0, 50, 50));   // top-left quarter
    prog.Write("fun/q.emf", w.End());
    struct Case { const char* style; QPoint red; };
    const Case cases[] = {{"0 100x4 11", {20, 20}}, {"00100x4 11", {80, 20}}, {"01100x4 11", {20, 80}},
                          {"03100x4 11", {80, 80}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Face f;
        f.button.SetStyle(QString::fromLatin1(c.style));
        f.button.SetContent(QStringLiteral("fun\\q.emf"));
        const QImage img = f.Draw();
        EXPECT_EQ(img.pixelColor(c.red), QColor(Qt::red));
        EXPECT_EQ(img.pixelColor(100 - c.red.x(), 100 - c.red.y()), Palette(0));
    }
}

TEST(Tdrbutton, HiddenAndMarkedLetters)
{
    Face f(QSize(200, 60));
    f.button.SetStyle(QStringLiteral("7 90 x4 41"));
    f.button.SetContent(QStringLiteral("HUND"), QStringLiteral("Arial"));
    const QImage all = f.Draw();
    const auto& x = f.button.LetterPositions();
    ASSERT_EQ(x.size(), 5u);
    auto ink = [&](const QImage& img, int letter, QColor color, int below = 60) {
        int n = 0;
        for (int yy = 0; yy < below; ++yy)
            for (int xx = x[size_t(letter)] + 1; xx < x[size_t(letter) + 1] - 1; ++xx)
                n += img.pixelColor(xx, yy) == color;
        return n;
    };
    EXPECT_GT(ink(all, 1, Palette(16 + 4)), 20);

    f.button.SetLetterColors(QStringLiteral("4144"));
    f.button.SetHiddenMarks(QStringLiteral("\bg\b\b"));
    const QImage hidden = f.Draw();
    EXPECT_EQ(ink(hidden, 1, Palette(16 + 4)), 0);
    EXPECT_EQ(ink(hidden, 1, Palette(16 + 1)), 0);   // hidden, whatever its colour
    EXPECT_GT(ink(hidden, 2, Palette(16 + 4)), 20);

    f.button.SetHiddenMarks(QString());
    f.button.SetUnderlineMarks(QStringLiteral("  __"));
    f.button.SetMarking(true, 2);
    const QImage marked = f.Draw();
    EXPECT_GT(ink(marked, 1, Palette(16 + 1)), 20);   // colour code 1 for the second letter
    const int barY = (60 - f.button.TextSize().height()) / 2 + f.button.TextSize().height() - 1;
    const int mid3 = (x[3] + x[4]) / 2;
    EXPECT_EQ(marked.pixelColor(mid3, barY), Palette(16 + 4));   // underline bar in the text colour
    EXPECT_EQ(ink(marked, 3, Palette(16 + 4), barY - 6), 0);     // no letter above the bar
    EXPECT_GT(ink(marked, 0, Palette(16 + 4), barY - 6), 20);
    const int mid2 = (x[2] + x[3]) / 2;
    EXPECT_EQ(marked.pixelColor(mid2, barY), QColor::fromRgb(Palette(16 + 4).rgb() ^ 0xFFFFFF));   // cursor
}

TEST(Tdrbutton, TextMirroringFlipsTheWholeFace)
{
    Face plain(QSize(120, 40)), mirrored(QSize(120, 40));
    plain.button.SetStyle(QStringLiteral("f 90 x0 11"));
    mirrored.button.SetStyle(QStringLiteral("f090 x0 11"));
    for (Face* f : {&plain, &mirrored})
        f->button.SetContent(QStringLiteral("Lb"), QStringLiteral("Arial"));
    EXPECT_EQ(mirrored.Draw(), plain.Draw().mirrored(true, false));
}

TEST(Tdrbutton, TakesOverThePlaceholder)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* top = new QPushButton(QStringLiteral("B12"));
    auto* hidden = new QPushButton(QStringLiteral("B661"));
    layout->addWidget(top);
    layout->addWidget(hidden);
    top->setToolTip(QStringLiteral("Zurück"));
    hidden->hide();
    int clicks = 0;
    QObject::connect(top, &QPushButton::clicked, [&] { ++clicks; });

    auto* b12 = new tdrbutton(&window, 12, top);
    auto* b661 = new tdrbutton(&window, 661, hidden);
    EXPECT_EQ(b12->Number(), 12);
    EXPECT_EQ(b12->Owner(), &window);
    EXPECT_EQ(b12->parentWidget(), &window);
    EXPECT_EQ(layout->indexOf(b12), 0);
    EXPECT_EQ(layout->indexOf(top), -1);
    EXPECT_EQ(b12->toolTip(), QStringLiteral("Zurück"));
    EXPECT_TRUE(top->isHidden());
    EXPECT_FALSE(b12->isHidden());
    EXPECT_TRUE(b661->isHidden());
    EXPECT_EQ(tdrbutton::ReplacementOf(top), b12);
    b12->click();
    EXPECT_EQ(clicks, 1);

    QVariant got;
    tdrbutton tile(&window, 100, [&](const QVariant& v) { got = v; }, 5, nullptr);
    tile.RunCallback();
    EXPECT_EQ(got.toInt(), 5);
}

} // namespace
