#pragma once
// A picture object: one decoded graphic (a bitmap, an icon or a metafile)
// with its natural size. Copies share the decoded data.
#include "controls/metafile.h"

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <memory>

enum class PictureKind { None, Bitmap, Icon, Metafile };

// The kind a file name's extension selects, without regard to case: bmp,
// jpg, jpeg, png, gif give bitmaps, ico an icon, wmf and emf metafiles.
PictureKind PictureKindOf(const QString& fileName);

class Picture {
public:
    // Loads a picture file (program path, resolved against the program
    // folder); the extension selects the decoder. On any failure the picture
    // is empty; failures are not reported.
    bool Load(const QString& fileName);
    // Decodes file bytes as the given kind (by extension, as Load does).
    bool LoadBytes(const QByteArray& bytes, const QString& fileName);
    void Clear();

    bool IsEmpty() const { return kind_ == PictureKind::None; }
    PictureKind Kind() const { return kind_; }
    QSize NaturalSize() const;
    bool HasAlpha() const;
    const QImage& Image() const { return image_; }
    const Metafile* Vector() const { return metafile_.get(); }

    // Draws into target: bitmaps and icons are stretched smoothly; metafiles
    // are played with the mirroring value and proportions (metafile.h).
    void Draw(QPainter& painter, const QRectF& target, int mirror = kNoMirror, bool keepProportions = false) const;

private:
    PictureKind kind_ = PictureKind::None;
    QImage image_;
    std::shared_ptr<const Metafile> metafile_;
};
