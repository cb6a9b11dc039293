#include "app/pupil_box.h"

#include <QKeyEvent>
#include <QLineEdit>

PupilBox::PupilBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("pupilBox"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(20);
}

void PupilBox::Take()
{
    selection_.SetText(currentText());
}

void PupilBox::Show()
{
    const QSignalBlocker block(this);
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    if (items != selection_.Names()) {
        clear();
        addItems(selection_.Names());
    }
    const int i = findText(selection_.Text(), Qt::MatchFixedString);
    setCurrentIndex(i);
    setEditText(selection_.Text());
}

void PupilBox::Start()
{
    selection_.Start();
    Show();
}

void PupilBox::SelectCurrentProfile()
{
    Take();
    selection_.SelectCurrentProfile();
}

bool PupilBox::SelectRegisteredName(const QString& name)
{
    if (!selection_.SelectRegisteredName(name))
        return false;
    Show();
    return true;
}

PupilSelection::Confirmed PupilBox::Confirm()
{
    busy_ = true;
    Take();
    const auto result = selection_.ConfirmPupilName();
    Show();
    busy_ = false;
    return result;
}

void PupilBox::showPopup()
{
    if (!busy_) {
        Take();
        selection_.ReloadList();
        Show();
    }
    QComboBox::showPopup();
}

void PupilBox::keyPressEvent(QKeyEvent* event)
{
    if (busy_) {
        QComboBox::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (const auto result = Confirm();
            result == PupilSelection::Confirmed::Added || result == PupilSelection::Confirmed::NotAdded) {
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete: {
        // With part of the name selected (the completion of what was typed),
        // "Entf" removes that part and never deletes the completed pupil.
        if (!DeleteMeansThePupil())
            break;
        busy_ = true;
        Take();
        const bool consumed = selection_.DeletePupil();
        if (consumed)
            Show();
        busy_ = false;
        if (consumed) {
            event->accept();
            return;
        }
        break;
    }
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

bool PupilBox::DeleteMeansThePupil() const
{
    const QLineEdit* edit = lineEdit();
    if (!edit)
        return true;
    return !edit->hasSelectedText() || edit->selectedText() == edit->text();
}

void PupilBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (!busy_ && event->reason() != Qt::PopupFocusReason)
        Confirm();
}
