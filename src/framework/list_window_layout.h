#pragma once
// Where the bars of the list-driven exercise window lie. The window was
// designed at 1220 x 688 client pixels; every rectangle is that design
// rectangle scaled to the window's client size. The exercise owns the centre.
#include <QRect>
#include <QSize>

struct ListWindowLayout {
    static constexpr int kDesignWidth = 1220;
    static constexpr int kDesignHeight = 688;
    static constexpr int kRightBarWidth = 152;
    static constexpr int kBottomBarHeight = 147;

    QRect centre;
    // Right bar, top to bottom.
    QRect rightBar, help, options, speech, noise, fileRight, end;
    // Bottom bar: navigation, sound panel, list panel.
    QRect bottomBar;
    QRect labelNr, numberBox, labelVon, count, previous, next, check;
    QRect soundPanel, labelTon, play, stop, spell, letter;
    QRect fileBottom, learnCards, remove, listName;
};

// The layout for a client area of the given size.
ListWindowLayout LayoutListWindow(QSize client);

// A design rectangle scaled from the design size to client.
QRect ScaleDesignRect(const QRect& design, QSize client);
// The same for a window of another design size (the main menu).
QRect ScaleDesignRect(const QRect& design, QSize designSize, QSize client);
