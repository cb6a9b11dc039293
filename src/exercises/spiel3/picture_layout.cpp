#include "exercises/spiel3/picture_layout.h"

#include <algorithm>

using namespace picturelayout;

int PictureCountOfCode(int code)
{
    switch (code) {
    case 1: return 8;
    case 2: return 14;
    case 3: return 4;
    case 4: return 2;
    default: return 6;
    }
}

int CodeOfPictureCount(int count)
{
    switch (count) {
    case 8: return 1;
    case 12:
    case 14: return 2;
    case 4: return 3;
    case 2: return 4;
    default: return 0;
    }
}

int LoweredPictureCount(int count, int listCount)
{
    while (listCount < count && count > 2) {
        count -= 2;
        if (count == 10)
            count = 8;
    }
    return count;
}

PictureChoice ChoosePictureCount(int bilderanzahl, int listCount)
{
    const int code = CodeOfPictureCount(LoweredPictureCount(PictureCountOfCode(bilderanzahl), listCount));
    return {PictureCountOfCode(code), code};
}

int RowLength(int count)
{
    if (count == 14)
        return 4;
    if (count == 6 || count == 8)
        return 3;
    return 2;
}

std::map<int, QRect> PictureFieldPlaces(int count, int w, int h)
{
    std::map<int, QRect> places;
    // Fields first .. first + n - 1 in a row at y, each cw x ch, from x0.
    const auto row = [&](int first, int n, int x0, int y, int cw, int ch) {
        for (int i = 0; i < n; ++i)
            places[first + i] = QRect(x0 + i * cw, y, cw, ch);
    };
    switch (count) {
    case 8:
        places[kWordField] = QRect(w / 3, 0, w / 3, h / 3);
        places[101] = QRect(0, 0, w / 3, h / 3);
        places[102] = QRect(2 * w / 3, 0, w / 3, h / 3);
        row(103, 3, 0, h / 3, w / 3, h / 3);
        row(106, 3, 0, 2 * h / 3, w / 3, h / 3);
        break;
    case 14:
        places[kWordField] = QRect(w / 4, 0, w / 2, h / 4);
        places[101] = QRect(0, 0, w / 4, h / 4);
        places[102] = QRect(3 * w / 4, 0, w / 4, h / 4);
        for (int r = 0; r < 3; ++r)
            row(103 + 4 * r, 4, 0, h / 4 + r * (h / 4), w / 4, h / 4);
        break;
    case 4:
        places[kWordField] = QRect(0, 0, w, h / 4);
        row(101, 2, 0, h / 4, w / 2, 3 * h / 8);
        row(103, 2, 0, h / 4 + 3 * h / 8, w / 2, 3 * h / 8);
        break;
    case 2:
        places[kWordField] = QRect(0, 0, w, h / 4);
        row(101, 2, 0, h / 4, w / 2, 3 * h / 4);
        break;
    default:  // 6
        places[kWordField] = QRect(0, 0, w, h / 4);
        row(101, 3, 0, h / 4, w / 3, 3 * h / 8);
        row(104, 3, 0, h / 4 + 3 * h / 8, w / 3, 3 * h / 8);
        break;
    }
    return places;
}

int MoveSelection(int selected, int step, int lastField)
{
    return std::clamp(selected + step, kFirstPicture, std::max(kFirstPicture, lastField));
}
