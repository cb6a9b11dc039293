#pragma once
// Taking a picture from anywhere (the home folder, a drop from the file
// manager) into the program's "Bilder" folder. A picture in one of the
// program's own formats that is small enough is copied unchanged; a larger
// one is scaled down; any other format Qt can read is converted to PNG. An
// existing picture is never replaced: the new one gets a free name.
#include <QString>

// The longest side an imported bitmap keeps; larger ones are scaled to it.
constexpr int kMaxPictureSide = 800;
// The largest file taken for import.
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

struct PictureImport {
    QString listPath;   // "Bilder\Hund.png" on success
    QString error;      // the German message otherwise; nothing was written
};

// baseName names the new file ("Hund"; the extension follows the picture).
PictureImport ImportPicture(const QString& sourcePath, const QString& baseName);
