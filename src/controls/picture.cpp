#include "controls/picture.h"

#include "controls/picture_decoders.h"
#include "controls/picture_limits.h"
#include "data/path_helpers.h"
#include "platform/file_paths.h"

#include <QFile>

PictureKind PictureKindOf(const QString& fileName)
{
    const QString ext = ExtensionPart(fileName).toLower();
    if (ext == u".bmp" || ext == u".jpg" || ext == u".jpeg" || ext == u".png" || ext == u".gif")
        return PictureKind::Bitmap;
    if (ext == u".ico")
        return PictureKind::Icon;
    if (ext == u".wmf" || ext == u".emf")
        return PictureKind::Metafile;
    return PictureKind::None;
}

void Picture::Clear()
{
    kind_ = PictureKind::None;
    image_ = QImage();
    metafile_.reset();
}

bool Picture::Load(const QString& fileName)
{
    Clear();
    if (fileName.isEmpty() || PictureKindOf(fileName) == PictureKind::None)
        return false;
    QFile file(NativePath(ResolvePath(fileName)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        return false;
    return LoadBytes(file.readAll(), fileName);
}

bool Picture::LoadBytes(const QByteArray& bytes, const QString& fileName)
{
    Clear();
    const QString ext = ExtensionPart(fileName).toLower();
    const PictureKind kind = PictureKindOf(fileName);
    if (kind == PictureKind::Metafile) {
        Metafile m = Metafile::FromBytes(bytes);
        if (m.IsNull())
            return false;
        metafile_ = std::make_shared<const Metafile>(std::move(m));
        kind_ = kind;
        return true;
    }
    QImage img;
    if (ext == u".bmp")
        img = DecodeBmp(bytes);
    else if (ext == u".jpg" || ext == u".jpeg")
        img = DecodeJpeg(bytes);
    else if (ext == u".png")
        img = DecodePng(bytes);
    else if (ext == u".gif")
        img = DecodeGif(bytes);
    else if (ext == u".ico")
        img = DecodeIco(bytes);
    if (img.isNull())
        return false;
    // Drawing is fastest from premultiplied pixels.
    image_ = img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied) : img;
    kind_ = kind;
    return true;
}

QSize Picture::NaturalSize() const
{
    if (metafile_)
        return metafile_->NaturalSize();
    return image_.size();
}

bool Picture::HasAlpha() const
{
    return metafile_ != nullptr || image_.hasAlphaChannel();
}

void Picture::Draw(QPainter& painter, const QRectF& target, int mirror, bool keepProportions) const
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    if (metafile_) {
        metafile_->Play(painter, target, mirror, keepProportions);
        return;
    }
    if (image_.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    painter.restore();
}
