#pragma once
// The flip of one card: its old look is squeezed vertically to the middle
// line, then its new look grows back, each half in kHalfMs. Both looks are
// images made once when the flip starts; every frame only draws one of them
// scaled, on the window colour.
#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

class CardFlip {
public:
    static constexpr int kHalfMs = 200;

    void Start(int card, QImage from, QImage to, qint64 nowMs);
    void Stop() { card_ = 0; }
    bool Running(qint64 nowMs) const { return card_ != 0 && nowMs < startMs_ + 2 * kHalfMs; }
    int Card() const { return card_; }
    // The height of the look at that time, from 1 (full) down to 0 and back.
    double HeightFactor(qint64 nowMs) const;
    // Draws the frame of that time into rect (the card's own rectangle).
    void Draw(QPainter& painter, const QRect& rect, const QColor& background, qint64 nowMs) const;

private:
    int card_ = 0;
    qint64 startMs_ = 0;
    QImage from_, to_;
};
