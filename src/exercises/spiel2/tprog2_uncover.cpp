// Tprog2: uncovering mode: the covered picture in front of the picture field,
// the steps of the timer and of the pupil's clicks, and the points.
#include "exercises/spiel2/tprog2.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "exercises/spiel2/cover_painting.h"
#include "exercises/spiel2/covered_picture.h"
#include "platform/clock.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

namespace {
const QString kRequest = QStringLiteral("Bitte auf ein Feld klicken!");
}

void Tprog2::StartUncovering()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    picture_->SetContent(QStringLiteral(" "), s.schriftart);
    board_.StartTask(s.puzzelanzahl, s.aufdeckenmanuell != 0);
    ShowPoints();
    StopUncoverTimer();
    cover_->show();
    cover_->raise();
    // The first step shows the covered picture at once, also before the
    // window is ready (the pupil never sees the picture uncovered).
    ApplyStep(board_.Advance());
    if (!board_.Manual() && s.aufdeckpause > 0)
        uncoverDueAt_ = TickCount() + s.aufdeckpause * 1000;
}

void Tprog2::StopUncoverTimer()
{
    uncoverDueAt_ = -1;
}

void Tprog2::OnTick()
{
    if (uncoverDueAt_ >= 0 && TickCount() >= uncoverDueAt_)
        UncoverTimerStep();
}

void Tprog2::UncoverTimerStep()
{
    if (!uncover_ || uncoverDueAt_ < 0)
        return;
    if (board_.Manual()) {
        StopUncoverTimer();
        return;
    }
    ApplyStep(board_.Advance());
    if (uncoverDueAt_ >= 0)
        uncoverDueAt_ = TickCount() + ExerciseSettings().aufdeckpause * 1000;
}

void Tprog2::ClickCover(QPoint point)
{
    if (!uncover_ || !board_.Manual() || evaluating_)
        return;
    ResetReminder();
    if (taskSolved_) {
        CarryOutPending();
        return;
    }
    UncoverBoard::Step step;
    if (!board_.Click(PieceAt(pieces_, point), &step)) {
        QApplication::beep();
        return;
    }
    ApplyStep(step);
}

void Tprog2::ApplyStep(const UncoverBoard::Step& step)
{
    if (step.finished)
        StopUncoverTimer();
    PrepareFullPicture();
    RenderCover();
    ShowPoints();
}

void Tprog2::PrepareFullPicture()
{
    const WordEntry* entry = CurrentEntry();
    if (!entry || !cover_)
        return;
    const QString file = ResolvePath(entry->Field(FieldPicture));
    const QSize size = cover_->size();
    if (file == lastPicture_ && full_.size() == size && !full_.isNull())
        return;
    lastPicture_ = file;
    full_ = FullPicture(size, entry->Field(FieldPicture), entry->slots[FieldPicture], FrameWidth());
    shown_ = QImage(full_.size(), QImage::Format_RGB32);
    pieces_ = PieceRects(full_.size(), board_.Pieces());
}

void Tprog2::RenderCover()
{
    if (full_.isNull())
        return;
    if (pieces_.size() != board_.Pieces())
        pieces_ = PieceRects(full_.size(), board_.Pieces());
    if (board_.Complete()) {
        shown_ = full_;
    } else {
        // The request text stands until the first piece of the first task.
        const bool request = board_.Manual() && board_.SolvedCount() == 0 && board_.Order()[1] < 0;
        PaintCover(shown_, pieces_, FrameWidth(), request ? kRequest : QString());
        for (int piece : board_.Order())
            if (piece >= 0 && piece < pieces_.size())
                CopyPiece(full_, shown_, pieces_[piece]);
    }
    cover_->Show(shown_, true);
}

void Tprog2::ShowPoints()
{
    if (!totalEdit_)
        return;
    totalEdit_->setText(TotalPointsText());
    taskEdit_->setText(TaskPointsText());
}

QString Tprog2::TotalPointsText() const
{
    return QString::number(board_.TotalPoints()).rightJustified(5, u' ');
}

QString Tprog2::TaskPointsText() const
{
    return QString::number(board_.TaskPoints()).rightJustified(4, u' ');
}

bool Tprog2::PointsVisible() const
{
    return points_ && !points_->isHidden();
}
