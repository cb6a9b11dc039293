#include "app/menu_layout.h"

#include "framework/list_window_layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRowTop = 8;
constexpr int kRowHeight = 114;
constexpr int kLeftWidth = 620;
constexpr int kPanelLeft = 628;
constexpr int kPanelWidth = 249;
constexpr int kInnerLeft = 639;    // the panel's controls, 227 wide
constexpr int kInnerWidth = 227;
// Room for the window frame and the desktop's panels around the window.
constexpr double kScreenShare = 0.94;

} // namespace

int MenuLayout::ExerciseFontPx() const
{
    return std::max(9, int(std::lround(kExerciseFontPx * fontScale)));
}

int MenuLayout::ButtonFontPx() const
{
    return std::max(8, int(std::lround(kButtonFontPx * fontScale)));
}

MenuLayout LayoutMenu(QSize client)
{
    const QSize design(MenuLayout::kDesignWidth, MenuLayout::kDesignHeight);
    auto s = [&](int x, int y, int w, int h) { return ScaleDesignRect(QRect(x, y, w, h), design, client); };

    MenuLayout l;
    l.fontScale = std::min(double(client.width()) / design.width(), double(client.height()) / design.height());
    for (int i = 0; i < kMenuRowCount; ++i) {
        const int y = kRowTop + i * kRowHeight;
        const MenuRow& row = MenuRows()[size_t(i)];
        MenuRowLayout& r = l.rows[size_t(i)];
        r.row = s(0, y, kLeftWidth, kRowHeight);
        r.tile = s(12, y + 17, 193, 80);
        if (row.choiceCount == 2) {
            r.choices[0] = s(222, y + 17, 290, 34);
            r.choices[1] = s(222, y + 63, 290, 34);
        } else if (row.checkName) {
            r.choices[0] = s(222, y + 17, 290, 34);
            r.check = s(222, y + 63, 290, 34);
        } else {
            r.choices[0] = s(222, y + 40, 290, 34);
        }
        r.options = s(522, y + 17, 82, 30);
        r.file = s(522, y + 67, 82, 30);
    }
    l.panel = s(kPanelLeft, kRowTop, kPanelWidth, kMenuRowCount * kRowHeight);
    l.greeting = s(kInnerLeft, 16, kInnerWidth, 56);
    l.infoTile = s(kInnerLeft, 76, kInnerWidth, 192);
    l.editor = s(kInnerLeft, 276, kInnerWidth, 25);
    l.manual = s(kInnerLeft, 305, kInnerWidth, 25);
    l.nameLabel = s(kInnerLeft, 342, kInnerWidth, 22);
    l.pupilBox = s(kInnerLeft - 2, 366, 230, 30);
    l.help = s(kInnerLeft, 408, kInnerWidth, 30);
    l.protocol = s(kInnerLeft, 452, 110, 30);
    l.certificate = s(kInnerLeft + kInnerWidth - 110, 452, 110, 30);
    l.exitTile = s(kInnerLeft + (kInnerWidth - 161) / 2, 584, 161, 95);
    return l;
}

QSize MenuClientSize(QSize available)
{
    const double scale = std::max(0.5, kScreenShare * std::min(double(available.width()) / MenuLayout::kDesignWidth,
                                                               double(available.height()) / MenuLayout::kDesignHeight));
    return QSize(int(std::lround(MenuLayout::kDesignWidth * scale)),
                 int(std::lround(MenuLayout::kDesignHeight * scale)));
}
