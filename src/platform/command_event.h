#pragma once
// Window commands: a (number, code) pair delivered to a window as a Qt event.
//
// A posted command is queued and handled after the current handler has
// returned, in the order of posting; a sent command is handled before
// SendCommand returns. Windows receive them in QObject::event() (or
// customEvent()) as a CommandEvent. Button presses, the end of a sound
// (command 1000 with the button's number as code) and most internal steps of
// an exercise arrive this way.
//
// MediaNoticeEvent is the plain multimedia notice: a sound's start notice to
// the button's owner and the end notice of a played range.
#include <QEvent>

class QObject;

class CommandEvent final : public QEvent {
public:
    static QEvent::Type EventType();
    CommandEvent(int number, int code) : QEvent(EventType()), number_(number), code_(code) {}
    int Number() const { return number_; }
    int Code() const { return code_; }

private:
    int number_;
    int code_;
};

// Queues the command for target; nothing happens when target is null.
void PostCommand(QObject* target, int number, int code);
// Delivers the command to target at once; true when the target accepted it.
bool SendCommand(QObject* target, int number, int code);

class MediaNoticeEvent final : public QEvent {
public:
    // Flags of a range end notice.
    static constexpr int kSuccessful = 1;
    static constexpr int kAborted = 4;

    static QEvent::Type EventType();
    explicit MediaNoticeEvent(int flags = 0, int device = 0)
        : QEvent(EventType()), flags_(flags), device_(device) {}
    int Flags() const { return flags_; }
    int Device() const { return device_; }

private:
    int flags_;
    int device_;
};

void PostMediaNotice(QObject* target, int flags, int device);
void SendMediaNotice(QObject* target, int flags, int device);
