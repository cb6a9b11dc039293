// The drawn buttons of the list-driven window: creation, looks by state,
// frames and the bar columns of "Bedienung".
#include "framework/list_window.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "framework/spelling_out.h"

#include <QPainter>

namespace {

const QColor kDarkCyan(0, 0x80, 0x80);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kFocusFrame(0xFF, 0, 0xFF);
const QString kArial = QStringLiteral("Arial");

struct ButtonDef {
    int number;
    const char* name;
    const char* hint;
};

const ButtonDef kButtons[] = {
    {T_urahnlrb1::kPrevious, "B12", ""},
    {T_urahnlrb1::kNext, "B13", ""},
    {T_urahnlrb1::kListName, "b14", ""},
    {T_urahnlrb1::kOptions, "boptionen", ""},
    {T_urahnlrb1::kHelp, "bhelp", ""},
    {T_urahnlrb1::kEnd, "bende", ""},
    {T_urahnlrb1::kCheck, "B201", "Überprüft die Eingabe auf Übereinstimmung mit der Vorgabe."},
    {T_urahnlrb1::kPlay, "B202", ""},
    {T_urahnlrb1::kStop, "B203", ""},
    {T_urahnlrb1::kSpell, "B204", ""},
    {T_urahnlrb1::kLetter, "B205", ""},
    {T_urahnlrb1::kChooseList, "B660", "neue Datei auswählen"},
    {T_urahnlrb1::kRemove, "B661", "Entfernt den aktuellen Eintrag aus der Fehlerliste."},
    {T_urahnlrb1::kLearnCards, "B662", "Lernkartei"},
    {T_urahnlrb1::kChooseList2, "b669", "neue Datei auswählen"},
};

void Show(tdrbutton& b, const char* style, const QString& content, const QString& font = QString())
{
    b.SetStyle(QString::fromLatin1(style));
    b.SetContent(content, font);
}

} // namespace

void T_urahnlrb1::CreateButtons()
{
    if (!buttons_.isEmpty())
        return;
    for (const ButtonDef& def : kButtons) {
        auto* b = new tdrbutton(this, def.number, nullptr);
        b->setObjectName(QString::fromLatin1(def.name));
        b->setToolTip(QString::fromUtf8(def.hint));
        b->setFocusPolicy(Qt::TabFocus);
        const int number = def.number;
        connect(b, &QAbstractButton::clicked, this, [this, number] { ButtonClicked(number); });
        connect(b, &QAbstractButton::pressed, b, [b] { b->update(); });
        connect(b, &QAbstractButton::released, b, [b] { b->update(); });
        b->SetDrawHandler([this](tdrbutton& button, QPainter& painter) { DrawButton(button, painter); });
        b->show();
        buttons_.insert(number, b);
    }
    LayoutButtons();
}

void T_urahnlrb1::LayoutButtons()
{
    const QHash<int, QRect> places = {
        {kPrevious, layout_.previous}, {kNext, layout_.next},       {kListName, layout_.listName},
        {kOptions, layout_.options},   {kHelp, layout_.help},       {kEnd, layout_.end},
        {kCheck, layout_.check},       {kPlay, layout_.play},       {kStop, layout_.stop},
        {kSpell, layout_.spell},       {kLetter, layout_.letter},   {kChooseList, layout_.fileBottom},
        {kRemove, layout_.remove},     {kLearnCards, layout_.learnCards},
        {kChooseList2, layout_.fileRight},
    };
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it)
        if (places.contains(it.key()) && it.value()->geometry() != places.value(it.key())) {
            it.value()->setGeometry(places.value(it.key()));
            it.value()->DropFace();
        }
}

void T_urahnlrb1::ShowButton(int number, bool visible)
{
    if (tdrbutton* b = buttons_.value(number))
        b->setVisible(visible);
}

void T_urahnlrb1::RedrawButton(int number)
{
    if (tdrbutton* b = buttons_.value(number))
        b->update();
}

void T_urahnlrb1::RepaintButton(int number)
{
    if (tdrbutton* b = buttons_.value(number))
        b->repaint();
}

void T_urahnlrb1::SetListNameCaption(const QString& caption, const QString& hint)
{
    listNameCaption_ = caption;
    listNameHint_ = hint;
    if (tdrbutton* b = buttons_.value(kListName)) {
        b->setToolTip(hint);
        b->update();
    }
}

QString T_urahnlrb1::ListNameCaption() const
{
    return listNameCaption_;
}

QString T_urahnlrb1::ListNameHint() const
{
    return listNameHint_;
}

void T_urahnlrb1::SetCheckEnabled(bool enabled)
{
    checkEnabled_ = enabled;
    if (tdrbutton* b = buttons_.value(kCheck)) {
        b->setEnabled(enabled);
        b->update();
    }
}

void T_urahnlrb1::UpdateLook(tdrbutton& b)
{
    const bool down = b.isDown();
    const bool bars = ExerciseSettings().bedienung != 0;
    const bool sounding = SoundPlaying();
    switch (b.Number()) {
    case kPrevious:
        if (bars)
            Show(b, "4 100 7  1", QString(), kArial);
        else
            Show(b, "f 80 x4 11", QStringLiteral("fun\\links.wmf"));
        break;
    case kNext:
        if (bars)
            Show(b, "1 100 7 11", QString(), kArial);
        else
            Show(b, "f 80 x4 11", QStringLiteral("fun\\rechts.wmf"));
        break;
    case kListName:
        Show(b, "7 98 x4 11", listNameCaption_, QStringLiteral("KV_Druckschrift"));
        break;
    case kOptions:
        Show(b, "f 90 xx 11", QStringLiteral("Optionen"), kArial);
        break;
    case kHelp:
        if (LoadingTextShown())
            Show(b, "E3100x41F1", LoadingTextCaption(), kArial);
        else
            Show(b, helpStyle.toLatin1().constData(), QStringLiteral("Hilfe-Datei"), kArial);
        break;
    case kEnd:
        Show(b, "0 90 xx 11", down ? QStringLiteral("fun\\endep.wmf") : QStringLiteral("fun\\ende.wmf"));
        break;
    case kCheck:
        Show(b, checkEnabled_ ? "4 95 x4 71" : "F 95 x4 A1",
             bars ? QStringLiteral(" Neu ") : QStringLiteral(" OK "), kArial);
        break;
    case kPlay:
        if (down || sounding)
            Show(b, "E 80 x4 11", QStringLiteral("fun\\startdown.emf"));
        else
            Show(b, "F 80 x4 11", QStringLiteral("fun\\start.emf"));
        break;
    case kStop:
        Show(b, sounding ? "f 80 x4 11" : "E 80 x4 11", QStringLiteral("fun\\stop.wmf"));
        break;
    case kSpell:
        Show(b, down || Spelling().running ? "e 80 x4 11" : "f 80 x4 11", QStringLiteral("fun\\ABC.wmf"));
        break;
    case kLetter:
        Show(b, down ? "e 80 x4 11" : "f 80 x4 11", QStringLiteral("fun\\A.wmf"));
        break;
    case kChooseList:
        Show(b, "f 76 xx 11", QStringLiteral("Datei"), kArial);
        break;
    case kRemove:
        Show(b, "f 90 xx 11", QStringLiteral("raus"), kArial);
        break;
    case kLearnCards:
        Show(b, "f 90 xx 11", QStringLiteral("Lernkartei"), kArial);
        break;
    case kChooseList2:
        Show(b, "f 90 xx 11", QStringLiteral("Datei"), kArial);
        break;
    default:
        break;
    }
}

void T_urahnlrb1::DrawButton(tdrbutton& b, QPainter& painter)
{
    UpdateLook(b);
    const QRect outer = b.rect();
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    b.Draw(painter, inner);
    const bool bars = ExerciseSettings().bedienung != 0;
    if (bars && b.Number() == kPrevious)
        DrawBarColumn(painter, inner, barCountLeft);
    else if (bars && b.Number() == kNext)
        DrawBarColumn(painter, inner, barCountRight);
    const bool pressed = b.isDown();
    Draw3DFrame(painter, outer, false, 1, pressed ? kDarkCyan : kCyan, pressed ? kCyan : kDarkCyan);
    if (b.hasFocus()) {
        painter.setPen(kFocusFrame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(2, 2, -3, -3));
    }
}

void T_urahnlrb1::DrawBarColumn(QPainter& painter, const QRect& inner, int count) const
{
    const int left = inner.left() + inner.width() / 4;
    const int right = inner.right() - inner.width() / 4;
    QFont font = painter.font();
    font.setPixelSize(qMax(8, inner.height() / 6));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int bottom = inner.bottom() - 4;
    int drawn = 0;
    for (; drawn < count && bottom - 3 > inner.top() + metrics.height(); ++drawn, bottom -= 4) {
        painter.setPen(kCyan);
        painter.drawLine(left, bottom - 3, right, bottom - 3);
        painter.drawLine(left, bottom - 2, right, bottom - 2);
        painter.setPen(Qt::black);
        painter.drawLine(left, bottom - 1, right, bottom - 1);
        painter.drawLine(left, bottom, right, bottom);
    }
    painter.setPen(Qt::black);
    const QRect textRect(inner.left(), bottom - metrics.height(), inner.width(), metrics.height());
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
}
