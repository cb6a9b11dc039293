#include "controls/face_layout.h"

#include <QColor>
#include <QPainter>

#include <cmath>

int RoundHalfEven(double v)
{
    return int(std::nearbyint(v));   // the default rounding mode is to nearest, ties to even
}

QRect PictureFaceRect(const QRect& cell, QSize picture, int percent, int alignment)
{
    const double scale = percent / 100.0;
    const int cw = cell.width(), ch = cell.height();
    int w = RoundHalfEven(cw * scale), h = RoundHalfEven(ch * scale);
    int left = cell.left(), top = cell.top();
    if (alignment == 4) {
        left = cell.left() + cw / 2 - w / 2;
        top = cell.top() + ch / 2 - h / 2;
    } else if (alignment == 7) {
        left = cell.left() + cw / 2 - w / 2;
        top = cell.top() + ch - h;
    }
    if ((alignment == 4 || alignment == 7) && !picture.isEmpty() && ch > 0) {
        const double r = double(cw) / ch, p = double(picture.width()) / picture.height();
        if (alignment == 4) {
            if (r < p) {
                h = RoundHalfEven(h * r / p);
                top = cell.top() + ch / 2 - h / 2;
            } else {
                w = RoundHalfEven(w * p / r);
                left = cell.left() + cw / 2 - w / 2;
            }
        } else {
            if (r < p) {
                h = RoundHalfEven((cw + 3) / p);
                top = cell.top() + ch - h;
            } else {
                w = RoundHalfEven(cw * p / r);
                left = cell.left() + cw / 2 - w / 2;
            }
        }
    }
    return QRect(left, top, w, h);
}

void Draw3DFrame(QPainter& painter, QRect rect, bool outline, int n, const QColor& a, const QColor& b)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (outline) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), Qt::black);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), Qt::black);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), Qt::black);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), Qt::black);
        rect.adjust(1, 1, -1, -1);
    }
    for (int i = 0; i <= n && rect.width() > 0 && rect.height() > 0; ++i) {
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), b);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), b);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), a);
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), a);
        rect.adjust(1, 1, -1, -1);
    }
    painter.restore();
}
