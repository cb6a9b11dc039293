// Tprog3: drawing the word field with its bevel and the picture fields with
// their frames, messages typed over a field, and the opening and closing
// effects (stepped by a timer, so input is never held up).
#include "exercises/spiel3/tprog3.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "exercises/choice/displayed_word.h"
#include "framework/input_discard.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace {

const QString kWordStyle = QStringLiteral("0 98 x4x11");
const QColor kTeal(0, 0x80, 0x80);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kOlive(0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kSelectedDark(0x80, 0x80, 0);
const QColor kSelectedLight(0xC0, 0xC0, 0);
constexpr int kEffectStepMs = 15;

} // namespace

int Tprog3::FrameWidth() const
{
    return std::max(1, BottomBarHeight() / 10);
}

QString Tprog3::WordStyle(bool) const
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const ColourPair& pair = animator_.Colours();
    QString style = kWordStyle;
    style[0] = pair.background;
    style[6] = WordAlignmentCode(s.textausrichtung);
    style[7] = s.outfit;
    style[8] = pair.text;
    return style;
}

void Tprog3::DrawWordField(tdrbutton& b, QPainter& painter)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    b.SetStyle(WordStyle(false));
    const QString shown = WordShown();
    b.SetContent(shown.isEmpty() ? QStringLiteral(" ") : shown, s.schriftart);
    if (spelling_ && spellMark_ >= 0)
        b.SetMarking(true, spellMark_, spellMark_, 1);
    else
        b.SetMarking(false);
    const int w = FrameWidth();
    const QRect inner = b.rect().adjusted(w, w, -w, -w);
    if (effectField_ == kWordField) {
        QImage face(inner.size(), QImage::Format_ARGB32_Premultiplied);
        face.fill(Qt::white);
        QPainter fp(&face);
        b.Draw(fp, QRect(QPoint(0, 0), inner.size()));
        fp.end();
        DrawEffect(painter, face, inner, kWordField);
        return;
    }
    b.Draw(painter, inner);
    if (!spelling_)
        DrawBevel(painter, b.rect());
}

void Tprog3::DrawBevel(QPainter& painter, const QRect& rect) const
{
    const int w = FrameWidth();
    const int half = std::max(0, w / 2 - 1);
    Draw3DFrame(painter, rect, false, half, kCyan, kTeal);
    Draw3DFrame(painter, rect.adjusted(half + 1, half + 1, -half - 1, -half - 1), true, std::max(0, w - half - 2),
                kTeal, kOlive);
}

void Tprog3::DrawPictureField(tdrbutton& b, QPainter& painter)
{
    const int field = b.Number();
    const int w = FrameWidth();
    const QRect inner = b.rect().adjusted(w, w, -w, -w);
    QImage face(inner.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::white);
    QPainter fp(&face);
    if (animator_.Field() == field) {
        // The message in the word style with the colour pair.
        const ExerciseSettingsRecord& s = ExerciseSettings();
        messageFace_->resize(inner.size());
        messageFace_->SetStyle(WordStyle(true));
        messageFace_->SetContent(animator_.Shown().isEmpty() ? QStringLiteral(" ") : animator_.Shown(), s.schriftart);
        messageFace_->SetSizingSample(messageReference_.isEmpty() ? reference_ : messageReference_, true);
        messageFace_->Draw(fp, QRect(QPoint(0, 0), inner.size()));
    } else {
        b.Draw(fp, QRect(QPoint(0, 0), inner.size()));
    }
    fp.end();
    if (effectField_ == field)
        DrawEffect(painter, face, inner, field);
    else
        painter.drawImage(inner.topLeft(), face);
    const bool selected = b.Selected();
    Draw3DFrame(painter, b.rect(), false, std::max(0, w - 1), selected ? kSelectedLight : kSilver,
                selected ? kSelectedDark : kGrey);
}

void Tprog3::DrawEffect(QPainter& painter, const QImage& face, const QRect& rect, int) const
{
    // Bands from the middle line: growing while opening, shrinking while
    // closing; the rest is white, or black once the task is solved.
    const double t = std::clamp(double(effectClock_.elapsed()) / kEffectMs, 0.0, 1.0);
    const double open = effectOpening_ ? t : 1.0 - t;
    const int band = int(rect.height() * open / 2);
    const int middle = rect.height() / 2;
    painter.fillRect(rect, taskSolved_ && !effectOpening_ ? Qt::black : Qt::white);
    const QRect part(0, middle - band, rect.width(), 2 * band);
    painter.drawImage(rect.topLeft() + part.topLeft(), face, part);
}

void Tprog3::StartEffect(int field, bool opening)
{
    if (!Field(field))
        return;
    effectField_ = field;
    effectOpening_ = opening;
    effectClock_.start();
    effectTimer_.start(kEffectStepMs, this);
    Field(field)->update();
}

void Tprog3::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != effectTimer_.timerId()) {
        T_urahnlrb1::timerEvent(event);
        return;
    }
    const int field = effectField_;
    if (effectClock_.elapsed() >= kEffectMs) {
        effectTimer_.stop();
        effectField_ = 0;
    }
    if (tdrbutton* b = Field(field))
        b->update();
}

// ---- Messages over a field ---------------------------------------------------------

void Tprog3::ShowMessageFrame(int field, const QString&)
{
    if (tdrbutton* b = Field(field))
        b->repaint();
}

void Tprog3::EndMessage(int field)
{
    if (tdrbutton* b = Field(field))
        b->repaint();
}

void Tprog3::DiscardMouseInput()
{
    DiscardQueuedInput(this, QueuedInput::LeftMouseDown);
}
