#include "framework/key_preview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

KeyPreview::KeyPreview(QWidget& window) : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !window_.isAncestorOf(button) || !window_.isVisible())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab still moves the focus as it does everywhere.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    QKeyEvent copy(type, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), ushort(key->count()));
    QApplication::sendEvent(&window_, &copy);
    return true;
}
