#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

Answer Run(const MessageRequest& req, bool cancel)
{
    if (Hook())
        return Hook()(req);
    QMessageBox box(ToQt(req.icon),
                    req.title.isEmpty() ? QApplication::applicationName() : req.title,
                    req.text.isEmpty() ? QStringLiteral(" ") : req.text);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Transient for the active window (not owned by it, which may close while
    // the box is open), so it stays above the full-screen window that asks.
    if (QWidget* active = QApplication::activeWindow(); active && active->windowHandle()) {
        box.winId();
        box.windowHandle()->setTransientParent(active->windowHandle());
    }
    if (req.okCancel) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QPushButton* cancelButton = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancelButton);
        box.exec();
        return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
    }
    if (!req.question) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* abort = cancel ? box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(cancel ? yes : no);
    box.setEscapeButton(cancel ? static_cast<QAbstractButton*>(abort) : no);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

} // namespace

void SetMessageHook(MessageHook hook)
{
    Hook() = std::move(hook);
}

void ShowNote(const QString& text)
{
    Run({QString(), text, MessageIcon::None, false}, false);
}

void ShowMessage(const QString& text, MessageIcon icon, const QString& title)
{
    Run({title, text, icon, false}, false);
}

Answer Confirm(const QString& text)
{
    return Run({QStringLiteral("Sicherheitsabfrage"), text, MessageIcon::Warning, true}, true);
}

Answer AskYesNo(const QString& text, const QString& title)
{
    return Run({title, text, MessageIcon::Warning, true}, false);
}

Answer AskQuestion(const QString& text, const QString& title)
{
    return Run({title, text, MessageIcon::Question, true}, false);
}

Answer AskOkCancel(const QString& text, const QString& title)
{
    MessageRequest req{title, text, MessageIcon::Warning, true};
    req.okCancel = true;
    return Run(req, true);
}
