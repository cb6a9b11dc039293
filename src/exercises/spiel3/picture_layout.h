#pragma once
// How "Bild zum Wort" lays out its word field (100) and its picture fields
// (101 ... 114): the picture count chosen by "Bilderanzahl", lowered while the
// list is too short for it, and the places of the fields in the area the bars
// leave free.
#include <QRect>
#include <map>

namespace picturelayout {
constexpr int kWordField = 100;
constexpr int kFirstPicture = 101;
constexpr int kMostPictures = 14;
} // namespace picturelayout

// "Bilderanzahl": 0 = 6, 1 = 8, 2 = 14, 3 = 4, 4 = 2 pictures (another code: 6).
int PictureCountOfCode(int code);
// The code of a picture count (12 keeps the code of 14; an unknown count: 0).
int CodeOfPictureCount(int count);

// The picture count a list of listCount entries gets: while the list has
// fewer entries than pictures and the count is not 2, two pictures fewer, and
// 10 becomes 8 (14 gives 12 or 8, 8 gives 6, 6 gives 4, 4 gives 2).
int LoweredPictureCount(int count, int listCount);

// What the window uses: the picture count laid out and the code written back
// to "Bilderanzahl". A lowering that stops at 12 keeps code 2, so the fourteen
// fields are laid out and the ones beyond the list stay empty.
struct PictureChoice {
    int count = 6;
    int code = 0;
};
PictureChoice ChoosePictureCount(int bilderanzahl, int listCount);

// The arrow keys: Up and Down move by this many fields (3 with 6 or 8
// pictures, 4 with 14, 2 with 4 or 2).
int RowLength(int count);

// The places of the word field and of the fields 101 ... 100 + count in an
// area of width w and height h (origin at the top left); fields not in the
// map are hidden.
std::map<int, QRect> PictureFieldPlaces(int count, int w, int h);

// The keyboard: Left/Right move the selected field by 1 (step +-1), Up/Down
// by the row length; never below 101 nor above the last picture field.
int MoveSelection(int selected, int step, int lastField);
