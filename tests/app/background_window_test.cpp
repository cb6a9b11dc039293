#include "app/background_window.h"
#include "data/idle_check.h"
#include "data/program_state.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Painted(int w, int h, int monitorWidth)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBackgroundGradient(painter, image.size(), monitorWidth);
    return image;
}

QRgb Purple(int c)
{
    return qRgb(c, 0, c);
}

} // namespace

TEST(BackgroundWindow, GradientSteps)
{
    // 640 wide: steps of 320 / 64 = 5 pixels; 200 high: bands of 3 rows.
    const QImage a = Painted(640, 200, 640);
    const struct {
        int x, y;
        int color;
    } cases[] = {
        {0, 0, 0x30}, {4, 0, 0x30}, {5, 0, 0x31}, {9, 100, 0x31}, {10, 191, 0x32},
        {639, 0, 0x30 + 127}, {320, 50, 0x30 + 64},
        {0, 192, 0x40}, {639, 199, 0x40},   // below the 64 bands: the fill colour
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(a.pixel(c.x, c.y), Purple(c.color));
    }
    // 650 wide: 325 / 64 leaves a remainder, so the step is rounded up to 6.
    const QImage b = Painted(650, 128, 650);
    EXPECT_EQ(b.pixel(5, 0), Purple(0x30));
    EXPECT_EQ(b.pixel(6, 0), Purple(0x31));
    EXPECT_EQ(b.pixel(649, 127), Purple(0x30 + 649 / 6));
    // Narrower than the monitor: nothing is painted.
    EXPECT_EQ(Painted(640, 200, 1280).pixel(10, 10), qRgb(255, 255, 255));
}

TEST(BackgroundWindow, IdleCheckFollowsCoverBackground)
{
    const ProgramState saved = Program();
    TF_hinten background;
    QWidget front;
    background.SetFrontWindow(&front);
    EXPECT_FALSE(background.isEnabled());
    EXPECT_TRUE(background.isHidden());

    Program().coverBackground = true;
    background.CheckNow();
    EXPECT_TRUE(background.isVisible());
    Program().coverBackground = false;
    background.CheckNow();
    EXPECT_TRUE(background.isHidden());

    // An exercise window stops the check while it is shown.
    StopIdleCheck();
    Program().coverBackground = true;
    background.CheckNow();
    EXPECT_TRUE(background.isHidden());
    StartIdleCheck();
    background.CheckNow();
    EXPECT_TRUE(background.isVisible());
    Program() = saved;
}
