#include "platform/command_event.h"

#include <QCoreApplication>
#include <QObject>

QEvent::Type CommandEvent::EventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QEvent::Type MediaNoticeEvent::EventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void PostCommand(QObject* target, int number, int code)
{
    if (target)
        QCoreApplication::postEvent(target, new CommandEvent(number, code));
}

bool SendCommand(QObject* target, int number, int code)
{
    if (!target)
        return false;
    CommandEvent event(number, code);
    return QCoreApplication::sendEvent(target, &event);
}

void PostMediaNotice(QObject* target, int flags, int device)
{
    if (target)
        QCoreApplication::postEvent(target, new MediaNoticeEvent(flags, device));
}

void SendMediaNotice(QObject* target, int flags, int device)
{
    if (!target)
        return;
    MediaNoticeEvent event(flags, device);
    QCoreApplication::sendEvent(target, &event);
}
