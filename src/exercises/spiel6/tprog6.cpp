#include "exercises/spiel6/tprog6.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/teinstellungen6.h"

#include <QCheckBox>
#include <QPainter>

Tprog6::Tprog6(QWidget* parent) : Tprog5(Section::kSoundMemory, QStringLiteral("Soundmemory"), parent)
{
    setObjectName(QStringLiteral("prog6"));
    fullBack_ = new tdrbutton(this, 0, nullptr);
    fullBack_->SetStyle(QStringLiteral("0 100x0011"));
    halfBack_ = new tdrbutton(this, 0, nullptr);
    halfBack_->SetStyle(QStringLiteral("0150 x4011"));
    for (tdrbutton* b : {fullBack_, halfBack_})
        b->hide();
}

void Tprog6::TakeBack()
{
    const QString& back = ExerciseSettings().bildhinten;
    if (back == backShown_)
        return;
    backShown_ = back;
    fullBack_->SetContent(back);
    halfBack_->SetContent(back);
}

QImage Tprog6::CardFace(int number, CardState state, QSize size)
{
    const MemoryCard* card = Game().Card(number);
    if (!card || size.isEmpty())
        return QImage();
    TakeBack();
    switch (state) {
    case CardState::FaceDown: return FaceOfButton(*fullBack_, size);
    case CardState::FaceUp: return FaceOfButton(*halfBack_, size);
    case CardState::Taken: {
        QImage face(size, QImage::Format_RGB32);
        face.fill(WindowColour());
        const QString style = QStringLiteral("  90 x4 ") + ExerciseSettings().textfarbe + u'1';
        QPainter p(&face);
        p.drawImage(0, 0, TextFace(card->TakenText(), style, size, true));
        return face;
    }
    }
    return QImage();
}

CardFrame Tprog6::FrameOf(CardState state, bool selected) const
{
    const int c = Game().Layout().count;
    CardFrame f;
    switch (state) {
    case CardState::FaceUp:
        f.lines = 7 - Game().Layout().columns;
        f.upperLeft = selected ? QColor(128, 0, 128) : QColor(0, 128, 128);
        f.lowerRight = selected ? QColor(255, 0, 255) : QColor(0, 255, 255);
        break;
    case CardState::Taken:
        f.lines = (selected ? 5 : 3) - c / 16;
        f.upperLeft = selected ? QColor(128, 0, 128) : QColor(0, 128, 128);
        f.lowerRight = selected ? QColor(128, 0, 255) : QColor(0, 255, 255);
        break;
    case CardState::FaceDown:
        f.lines = (selected ? 5 : 3) - c / 16;
        f.upperLeft = selected ? QColor(128, 0, 255) : QColor(0, 255, 255);
        f.lowerRight = selected ? QColor(128, 0, 128) : QColor(0, 128, 128);
        break;
    }
    return f;
}

int Tprog6::FrameInset() const
{
    return std::max(0, 34 - Game().Layout().count);
}

QString Tprog6::CardTextStyle() const
{
    // Red on the window's ground: yellow there cannot be read.
    return QStringLiteral("  98 x4x11");
}

void Tprog6::OpenSettingsDialog()
{
    Teinstellungen6 dialog(this);
    dialog.Open(CurrentList(), Section());
}

void Tprog6::SoundBoxesChanged()
{
    if (!NoiseBox()->isChecked() && !SpeechBox()->isChecked())
        SpeechBox()->setChecked(true);
}
