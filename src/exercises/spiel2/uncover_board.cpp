#include "exercises/spiel2/uncover_board.h"

#include "platform/random.h"

#include <algorithm>
#include <cmath>

int StepCost(int puzzelanzahl, int t)
{
    if (t < 3)
        return 0;
    switch (puzzelanzahl) {
    case 9: return t <= 7 ? 10 : t <= 9 ? 15 : 0;
    case 16: return t <= 13 ? 8 : t <= 15 ? 7 : t == 16 ? 6 : 0;
    case 25: return t <= 18 ? 5 : t <= 23 ? 3 : t == 24 ? 2 : 0;
    case 36: return t <= 21 ? 5 : 0;
    default: return 0;
    }
}

QVector<QRect> PieceRects(QSize size, int puzzelanzahl)
{
    const int k = std::max(1, int(std::lround(std::sqrt(double(std::max(1, puzzelanzahl))))));
    const int w = size.width() / k;
    const int h = size.height() / k;
    QVector<QRect> pieces;
    for (int r = 0; r < k; ++r)
        for (int c = 0; c < k; ++c) {
            const int right = c == k - 1 ? size.width() : (c + 1) * w;
            const int bottom = r == k - 1 ? size.height() : (r + 1) * h;
            pieces.append(QRect(QPoint(c * w, r * h), QPoint(right - 1, bottom - 1)));
        }
    return pieces;
}

int PieceAt(const QVector<QRect>& pieces, QPoint point)
{
    for (int i = 0; i < pieces.size(); ++i)
        if (pieces[i].contains(point))
            return i;
    return -1;
}

void UncoverBoard::StartTask(int puzzelanzahl, bool manual)
{
    pieces_ = std::clamp(puzzelanzahl, 1, kOrderSize - 1);
    manual_ = manual;
    counter_ = 0;
    complete_ = false;
    order_.fill(-1);
    taskPoints_ = kStartPoints;
}

bool UncoverBoard::Uncovered(int piece) const
{
    return complete_ || std::find(order_.begin(), order_.end(), piece) != order_.end();
}

int UncoverBoard::DrawFreePiece(int s) const
{
    for (;;) {
        const int piece = RandomNumber(pieces_);
        if (std::find(order_.begin(), order_.begin() + s, piece) == order_.begin() + s)
            return piece;
    }
}

UncoverBoard::Step UncoverBoard::Advance()
{
    Step step;
    const int s = counter_;
    step.covered = s == 0 && !complete_;
    if (s > 0 && s < pieces_) {
        if (!manual_)
            order_[size_t(s)] = DrawFreePiece(s);
        else if (s == 1)
            step.clearCover = true;
        step.piece = order_[size_t(s)];
    } else if (s >= pieces_) {
        step.whole = true;
        complete_ = true;
    }
    counter_ = s + 1;
    taskPoints_ = std::max(0, taskPoints_ - StepCost(pieces_, counter_));
    if (counter_ >= pieces_ + 1) {
        counter_ = 0;
        order_.fill(-1);
        step.finished = true;
    }
    return step;
}

bool UncoverBoard::Click(int piece, Step* out)
{
    if (piece < 0 || piece >= pieces_ || Uncovered(piece))
        return false;
    order_[size_t(counter_)] = piece;
    const Step step = Advance();
    if (out)
        *out = step;
    return true;
}

UncoverBoard::Step UncoverBoard::RightChoice()
{
    counter_ = pieces_;
    const Step step = Advance();
    totalPoints_ += taskPoints_;
    ++solvedCount_;
    return step;
}

void UncoverBoard::WrongChoice()
{
    taskPoints_ = std::max(0, taskPoints_ - kWrongCost);
}
