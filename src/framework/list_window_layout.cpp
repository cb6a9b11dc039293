#include "framework/list_window_layout.h"

#include <cmath>

QRect ScaleDesignRect(const QRect& design, QSize client)
{
    return ScaleDesignRect(design, QSize(ListWindowLayout::kDesignWidth, ListWindowLayout::kDesignHeight), client);
}

QRect ScaleDesignRect(const QRect& design, QSize designSize, QSize client)
{
    const double sx = double(client.width()) / designSize.width();
    const double sy = double(client.height()) / designSize.height();
    const int left = int(std::lround(design.left() * sx));
    const int top = int(std::lround(design.top() * sy));
    const int right = int(std::lround((design.left() + design.width()) * sx));
    const int bottom = int(std::lround((design.top() + design.height()) * sy));
    return QRect(left, top, qMax(1, right - left), qMax(1, bottom - top));
}

ListWindowLayout LayoutListWindow(QSize client)
{
    constexpr int W = ListWindowLayout::kDesignWidth;
    constexpr int H = ListWindowLayout::kDesignHeight;
    constexpr int barX = W - ListWindowLayout::kRightBarWidth;   // 1068
    constexpr int barY = H - ListWindowLayout::kBottomBarHeight; // 541
    auto s = [client](int x, int y, int w, int h) { return ScaleDesignRect(QRect(x, y, w, h), client); };

    ListWindowLayout l;
    l.centre = s(0, 0, barX, barY);

    l.rightBar = s(barX, 0, ListWindowLayout::kRightBarWidth, H);
    l.help = s(barX, 0, 152, 40);
    l.options = s(barX, 42, 152, 45);
    l.speech = s(barX + 8, 96, 140, 24);
    l.noise = s(barX + 8, 124, 140, 24);
    l.fileRight = s(barX + 8, 156, 136, 56);
    l.end = s(barX, H - 108, 152, 108);

    l.bottomBar = s(0, barY, barX, ListWindowLayout::kBottomBarHeight);
    // Navigation: the number box above the previous button, ending at its right edge.
    l.previous = s(8, 581, 88, 96);
    l.next = s(104, 581, 88, 96);
    l.labelNr = s(8, 549, 36, 26);
    l.numberBox = s(46, 549, 50, 26);
    l.labelVon = s(104, 549, 36, 26);
    l.count = s(142, 549, 50, 26);
    l.check = s(202, 573, 100, 104);
    // Sound panel with its four buttons.
    l.soundPanel = s(312, 545, 424, 138);
    l.labelTon = s(320, 549, 80, 26);
    l.play = s(320, 581, 96, 96);
    l.stop = s(424, 581, 96, 96);
    l.spell = s(528, 581, 96, 96);
    l.letter = s(632, 581, 96, 96);
    // List panel on the right of the bottom bar.
    l.fileBottom = s(741, 549, 100, 80);
    l.learnCards = s(847, 549, 110, 80);
    l.remove = s(963, 549, 99, 80);
    l.listName = s(741, 636, 321, 44);
    return l;
}
