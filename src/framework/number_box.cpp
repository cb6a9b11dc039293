#include "framework/number_box.h"

#include <QFocusEvent>
#include <QKeyEvent>

bool NumberBoxTarget(const QString& text, int count, int* position)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    *position = qBound(0, n - 1, qMax(0, count - 1));
    return true;
}

TNumberBox::TNumberBox(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, [this] {
        FitToText();
        end(false);
    });
}

void TNumberBox::keyPressEvent(QKeyEvent* event)
{
    // Control keys (Tab, Enter, Escape, the blank, ...) are swallowed and take
    // the focus away, which commits the number; Backspace edits as usual.
    const QString text = event->text();
    const bool control = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab
                         || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
                         || event->key() == Qt::Key_Escape
                         || (text.size() == 1 && text[0].unicode() <= 32 && text[0].unicode() != 8);
    if (control) {
        event->accept();
        if (QWidget* w = window())
            w->setFocus(Qt::OtherFocusReason);
        if (hasFocus())   // nothing else took it
            clearFocus();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumberBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (rest_.isValid())
        setGeometry(rest_);
    // Leaving the box without typing in it changes nothing.
    if (!isModified())
        return;
    setModified(false);
    Q_EMIT Committed(text());
}

void TNumberBox::SetRestGeometry(const QRect& rect)
{
    rest_ = rect;
    setGeometry(rect);
}

void TNumberBox::FitToText()
{
    if (!rest_.isValid())
        return;
    const int width = fontMetrics().horizontalAdvance(text() + u' ') + 4 + 2 * 2;
    setGeometry(rest_.right() + 1 - width, rest_.top(), width, rest_.height());
}
