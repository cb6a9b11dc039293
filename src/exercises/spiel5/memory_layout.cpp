#include "exercises/spiel5/memory_layout.h"

#include <algorithm>

CardLayout CardLayoutFor(bool haveList, int entries, int bilderanzahl)
{
    const int doubled = 2 * std::max(0, entries);
    if (bilderanzahl <= 0 || !haveList || doubled <= 6)
        return {6, 3, 2};
    if (bilderanzahl == 1 || doubled <= 12)
        return {12, 4, 3};
    if (bilderanzahl == 2 || doubled <= 20)
        return {20, 5, 4};
    if (bilderanzahl == 3)
        return {24, 6, 4};
    return {32, 8, 4};
}

std::vector<QRect> CardPlaces(QSize window, int rightBarWidth, int bottomBarHeight, const CardLayout& layout)
{
    const int cellWidth = std::max(0, window.width() - rightBarWidth - 8) / layout.columns;
    const int cellHeight = std::max(0, window.height() - bottomBarHeight) / layout.rows;
    const int side = std::min(cellWidth, cellHeight);
    const int marginX = (cellWidth - side) / 2;
    const int marginY = (cellHeight - side) / 2;
    std::vector<QRect> places(size_t(layout.count));
    for (int r = 0; r < layout.rows; ++r)
        for (int c = 1; c <= layout.columns; ++c) {
            const int index = c - 1 + r * layout.columns;
            places[size_t(index)] = QRect((c - 1) * (cellWidth + 1) + marginX, r * cellHeight + marginY + 1,
                                          side, std::max(0, side - 1));
        }
    return places;
}
