#include "exercises/spiel2/cover_painting.h"

#include "controls/face_layout.h"
#include "controls/picture_drawing.h"
#include "data/path_helpers.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QColor kTeal(0, 0x80, 0x80);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kWindowColour(192, 192, 192);

} // namespace

int StyleZoom(const QString& style)
{
    bool ok = false;
    const int zoom = style.mid(2, 3).trimmed().toInt(&ok);
    return ok && zoom > 0 ? zoom : 100;
}

void PaintFrame(QImage& image, int frameWidth)
{
    if (image.isNull() || frameWidth <= 0)
        return;
    QPainter painter(&image);
    const QRect outer = image.rect();
    Draw3DFrame(painter, outer, true, frameWidth - 1, kCyan, kTeal);
    const int inset = frameWidth + 1;
    Draw3DFrame(painter, outer.adjusted(inset, inset, -inset, -inset), false, 0, kTeal, kCyan);
}

QImage FullPicture(QSize size, const QString& pictureFile, const QString& style, int frameWidth)
{
    QImage full(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    full.fill(kWindowColour);
    DrawPictureFileIntoBitmap(full, ResolvePath(pictureFile), kWindowColour, StyleZoom(style), true, true);
    PaintFrame(full, frameWidth);
    return full;
}

void PaintCover(QImage& shown, const QVector<QRect>& pieces, int frameWidth, const QString& request)
{
    shown.fill(kCoverColour);
    QPainter painter(&shown);
    if (!request.isEmpty()) {
        QFont font(QStringLiteral("Arial"));
        const int maxWidth = shown.width() * 95 / 100;
        const int maxHeight = 3 * frameWidth;
        int size = 100;
        for (; size > 4; --size) {
            font.setPixelSize(size);
            const QFontMetrics metrics(font);
            if (metrics.horizontalAdvance(request) <= maxWidth && metrics.height() <= maxHeight)
                break;
        }
        font.setPixelSize(size);
        painter.setFont(font);
        painter.setPen(kCoverTextColour);
        painter.drawText(shown.rect(), Qt::AlignCenter, request);
    }
    painter.setPen(Qt::black);
    for (const QRect& piece : pieces) {
        if (piece.right() + 1 < shown.width())
            painter.drawLine(piece.right() + 1, 0, piece.right() + 1, shown.height() - 1);
        if (piece.bottom() + 1 < shown.height())
            painter.drawLine(0, piece.bottom() + 1, shown.width() - 1, piece.bottom() + 1);
    }
    painter.end();
    PaintFrame(shown, frameWidth);
}

void CopyPiece(const QImage& full, QImage& shown, const QRect& piece)
{
    QPainter painter(&shown);
    painter.drawImage(piece.topLeft(), full, piece);
}
