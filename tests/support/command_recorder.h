#pragma once
// A stand-in window that records the commands and multimedia notices it gets.
#include "platform/command_event.h"

#include <QCoreApplication>
#include <QObject>
#include <vector>

class CommandRecorder : public QObject {
public:
    struct Command {
        int number;
        int code;
        bool operator==(const Command&) const = default;
    };
    std::vector<Command> commands;
    std::vector<int> noticeFlags;

    bool event(QEvent* e) override
    {
        if (e->type() == CommandEvent::EventType()) {
            const auto* c = static_cast<CommandEvent*>(e);
            commands.push_back({c->Number(), c->Code()});
            return true;
        }
        if (e->type() == MediaNoticeEvent::EventType()) {
            noticeFlags.push_back(static_cast<MediaNoticeEvent*>(e)->Flags());
            return true;
        }
        return QObject::event(e);
    }
};

// Runs queued events until none are left (ends reported by a device post
// events that post further ones).
inline void DrainEvents()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
}
