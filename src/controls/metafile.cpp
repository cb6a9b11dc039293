#include "controls/metafile.h"

#include "controls/gdi_canvas.h"

Metafile Metafile::FromBytes(const QByteArray& bytes)
{
    const ByteReader file(bytes);
    Metafile m;
    if (auto info = ReadEmfInfo(file)) {
        m.format_ = MetafileFormat::Emf;
        m.info_ = *info;
    } else if (auto wmf = ReadWmfInfo(file)) {
        m.format_ = MetafileFormat::Wmf;
        m.info_ = *wmf;
    } else {
        return {};
    }
    m.bytes_ = bytes;
    return m;
}

bool Metafile::Play(QPainter& painter, const QRectF& target, int mirror, bool keepProportions) const
{
    if (IsNull() || target.width() <= 0 || target.height() <= 0)
        return false;
    const QRectF frame = info_.frame;
    QRectF place = target;
    if (keepProportions) {
        const double scale = std::min(target.width() / frame.width(), target.height() / frame.height());
        const QSizeF size(frame.width() * scale, frame.height() * scale);
        place = QRectF(target.left() + (target.width() - size.width()) / 2,
                       target.top() + (target.height() - size.height()) / 2, size.width(), size.height());
    }
    const bool flipX = mirror == 0 || mirror >= 2;
    const bool flipY = mirror >= 1;
    const double sx = place.width() / frame.width() * (flipX ? -1 : 1);
    const double sy = place.height() / frame.height() * (flipY ? -1 : 1);
    const double ox = flipX ? place.right() : place.left();
    const double oy = flipY ? place.bottom() : place.top();
    const QTransform frameToTarget(sx, 0, 0, sy, ox - frame.left() * sx, oy - frame.top() * sy);

    GdiCanvas canvas(painter, frameToTarget, target);
    const ByteReader file(bytes_);
    if (format_ == MetafileFormat::Emf)
        PlayEmf(file, info_, canvas);
    else
        PlayWmf(file, info_, canvas);
    return true;
}
