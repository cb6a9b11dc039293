#include "controls/picture_drawing.h"

#include "controls/picture.h"
#include "data/path_helpers.h"

#include <QPainter>

#include <cmath>

QRect PicturePlacement(QSize picture, QSize target, bool fit)
{
    if (picture.isEmpty() || target.isEmpty())
        return QRect(QPoint(0, 0), target);
    if (!fit && picture.width() < target.width() && picture.height() < target.height())
        return QRect((target.width() - picture.width()) / 2, (target.height() - picture.height()) / 2,
                     picture.width(), picture.height());
    const double pw = picture.width(), ph = picture.height();
    QSize size;
    if (pw * target.height() >= ph * target.width())   // wider than the target
        size = QSize(target.width(), std::max(1, int(std::nearbyint(target.width() * ph / pw))));
    else
        size = QSize(std::max(1, int(std::nearbyint(target.height() * pw / ph))), target.height());
    return QRect((target.width() - size.width()) / 2, (target.height() - size.height()) / 2, size.width(),
                 size.height());
}

namespace {

// The picture as a bitmap whose transparent parts show through: a bitmap
// without alpha loses the colour of its bottom-left pixel.
QImage KeyedBitmap(const QImage& image)
{
    if (image.hasAlphaChannel() || image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return keyed;
}

void DrawInto(QImage& target, const Picture& picture, const QImage& keyed, QColor background, bool fit)
{
    target.fill(background);
    const QRect place = PicturePlacement(picture.NaturalSize(), target.size(), fit);
    QPainter p(&target);
    if (!keyed.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(place, keyed);
    } else {
        picture.Draw(p, place);
    }
}

} // namespace

void DrawPictureFileIntoBitmap(QImage& target, const QString& fileName, QColor background, int percent, bool fit,
                               bool transparent)
{
    if (target.isNull() || !FileExists(ResolvePath(fileName)))
        return;
    Picture picture;
    picture.Load(fileName);
    const bool keepTransparency = transparent && !fileName.endsWith(QStringLiteral(".wmf"));
    const QImage keyed = keepTransparency && picture.Kind() == PictureKind::Bitmap ? KeyedBitmap(picture.Image())
                                                                                  : QImage();
    if (percent == 100) {
        DrawInto(target, picture, keyed, background, fit);
        return;
    }
    const QSize size(std::max(1, int(std::nearbyint(target.width() * percent / 100.0))),
                     std::max(1, int(std::nearbyint(target.height() * percent / 100.0))));
    QImage temp(size, target.format());
    DrawInto(temp, picture, keyed, background, fit);
    target.fill(background);
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(PicturePlacement(temp.size(), target.size(), false), temp);
}
