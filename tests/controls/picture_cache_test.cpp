#include "controls/picture_cache.h"
#include "controls/tdrbutton.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A PNG of one colour; its pixels take w * h * 4 bytes once decoded.
QByteArray Png(QSize size, QColor color)
{
    return Encode(SolidImage(size, color), "PNG");
}

QColor CentreOf(const Picture& picture)
{
    const QImage& image = picture.Image();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(PictureCache, AFileIsDecodedOnceAndAFaceIsKeptPerSizeAndDrawing)
{
    TempProgram prog;
    prog.Write("Bilder/rot.png", Png(QSize(40, 30), Qt::red));
    PictureCache cache;
    Picture first, second;
    ASSERT_TRUE(cache.Load("Bilder\\rot.png", first));
    ASSERT_TRUE(cache.Load("Bilder\\rot.png", second));
    EXPECT_EQ(cache.Decodes(), 1);
    EXPECT_EQ(second.NaturalSize(), QSize(40, 30));
    EXPECT_EQ(CentreOf(second), QColor(Qt::red));

    const QImage face = SolidImage(QSize(20, 15), Qt::blue);
    cache.StoreFace("Bilder\\rot.png", QSize(20, 15), "style A", face);
    EXPECT_EQ(cache.Face("Bilder\\rot.png", QSize(20, 15), "style A"), face);
    EXPECT_TRUE(cache.Face("Bilder\\rot.png", QSize(21, 15), "style A").isNull());
    EXPECT_TRUE(cache.Face("Bilder\\rot.png", QSize(20, 15), "style B").isNull());

    // A file that is missing or no picture gives an empty picture, and is
    // not kept.
    Picture none;
    EXPECT_FALSE(cache.Load("Bilder\\fehlt.png", none));
    prog.Write("Bilder/kaputt.png", "no picture");
    EXPECT_FALSE(cache.Load("Bilder\\kaputt.png", none));
    EXPECT_TRUE(none.IsEmpty());
}

TEST(PictureCache, TheByteBudgetLetsTheLeastRecentlyUsedGo)
{
    TempProgram prog;
    const QSize size(50, 50);   // 10,000 bytes decoded
    for (const char* name : {"a", "b", "c"})
        prog.Write(QStringLiteral("Bilder/%1.png").arg(QLatin1String(name)), Png(size, Qt::green));
    PictureCache cache(25'000);
    Picture p;
    cache.Load("Bilder\\a.png", p);
    cache.Load("Bilder\\b.png", p);
    cache.Load("Bilder\\a.png", p);   // a is used again: b is now the oldest
    cache.Load("Bilder\\c.png", p);
    EXPECT_EQ(cache.Decodes(), 3);
    EXPECT_LE(cache.Bytes(), 25'000);
    cache.Load("Bilder\\a.png", p);
    EXPECT_EQ(cache.Decodes(), 3);
    cache.Load("Bilder\\b.png", p);
    EXPECT_EQ(cache.Decodes(), 4);

    // Something larger than the whole budget is used but not kept.
    prog.Write("Bilder/gross.png", Png(QSize(100, 100), Qt::green));
    EXPECT_TRUE(cache.Load("Bilder\\gross.png", p));
    EXPECT_LE(cache.Bytes(), 25'000);
    cache.Load("Bilder\\gross.png", p);
    EXPECT_EQ(cache.Decodes(), 6);
}

TEST(PictureCache, AnotherListDropsEverythingTheSameListKeepsIt)
{
    TempProgram prog;
    prog.Write("Bilder/a.png", Png(QSize(10, 10), Qt::red));
    PictureCache cache;
    Picture p;
    cache.SetList("listen/tiere.txt");
    cache.Load("Bilder\\a.png", p);
    cache.StoreFace("Bilder\\a.png", QSize(5, 5), "s", SolidImage(QSize(5, 5), Qt::red));
    cache.SetList("LISTEN/Tiere.txt");
    cache.Load("Bilder\\a.png", p);
    EXPECT_EQ(cache.Decodes(), 1);
    cache.SetList("listen/obst.txt");
    EXPECT_EQ(cache.Bytes(), 0);
    EXPECT_TRUE(cache.Face("Bilder\\a.png", QSize(5, 5), "s").isNull());
    cache.Load("Bilder\\a.png", p);
    EXPECT_EQ(cache.Decodes(), 2);
}

TEST(PictureCache, AFileChangedOnDiskIsDecodedAgainAndItsOldFacesAreNotUsed)
{
    TempProgram prog;
    const QString path = prog.Write("Bilder/a.png", Png(QSize(10, 10), Qt::red));
    PictureCache cache;
    Picture p;
    cache.Load("Bilder\\a.png", p);
    cache.StoreFace("Bilder\\a.png", QSize(5, 5), "s", SolidImage(QSize(5, 5), Qt::red));
    // Same size on disk, other content, a later time.
    prog.Write("Bilder/a.png", Png(QSize(10, 10), Qt::blue));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    file.close();
    ASSERT_TRUE(cache.Load("Bilder\\a.png", p));
    EXPECT_EQ(cache.Decodes(), 2);
    EXPECT_EQ(CentreOf(p), QColor(Qt::blue));
    EXPECT_TRUE(cache.Face("Bilder\\a.png", QSize(5, 5), "s").isNull());
}

// The drawn buttons of a later task (another window, another game) take the
// picture and its face from the shared cache.
TEST(PictureCache, ALaterButtonWithTheSamePictureNeitherDecodesNorDraws)
{
    TempProgram prog;
    prog.Write("Bilder/hund.png", Png(QSize(64, 48), QColor(200, 100, 0)));
    SharedPictureCache().SetList(prog.Path("listen/eins.txt"));
    const int decodes = SharedPictureCache().Decodes();
    QImage target(QSize(80, 60), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    tdrbutton first(nullptr, 1, nullptr);
    first.SetContent("Bilder\\hund.png");
    first.Draw(painter, QRect(0, 0, 80, 60));
    tdrbutton later(nullptr, 1, nullptr);
    later.SetContent("Bilder\\hund.png");
    later.Draw(painter, QRect(0, 0, 80, 60));
    EXPECT_EQ(SharedPictureCache().Decodes(), decodes + 1);
    EXPECT_EQ(first.FaceRenderCount(), 1);
    EXPECT_EQ(later.FaceRenderCount(), 0);
    EXPECT_EQ(later.Face(), first.Face());
    // Another style draws its own face.
    tdrbutton styled(nullptr, 1, nullptr);
    styled.SetStyle("   50 4   ");
    styled.SetContent("Bilder\\hund.png");
    styled.Draw(painter, QRect(0, 0, 80, 60));
    EXPECT_EQ(styled.FaceRenderCount(), 1);
    SharedPictureCache().SetList(QString());
}

} // namespace
