#include "exercises/spiel5/card_flip.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

void CardFlip::Start(int card, QImage from, QImage to, qint64 nowMs)
{
    card_ = card;
    startMs_ = nowMs;
    from_ = std::move(from);
    to_ = std::move(to);
}

double CardFlip::HeightFactor(qint64 nowMs) const
{
    const double t = std::clamp(double(nowMs - startMs_), 0.0, 2.0 * kHalfMs);
    return t < kHalfMs ? 1.0 - t / kHalfMs : (t - kHalfMs) / kHalfMs;
}

void CardFlip::Draw(QPainter& painter, const QRect& rect, const QColor& background, qint64 nowMs) const
{
    painter.fillRect(rect, background);
    const bool secondHalf = nowMs - startMs_ >= kHalfMs;
    const QImage& look = secondHalf ? to_ : from_;
    const int height = int(std::lround(rect.height() * HeightFactor(nowMs)));
    if (height <= 0 || look.isNull())
        return;
    const QRect squeezed(rect.left(), rect.top() + (rect.height() - height) / 2, rect.width(), height);
    painter.drawImage(squeezed, look);
}
