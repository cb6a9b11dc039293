#include "framework/input_discard.h"

#include "platform/command_event.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <utility>
#include <vector>

namespace {

bool g_draining = false;

class InputDrain final : public QObject {
public:
    InputDrain(QWidget* window, QueuedInputs kinds) : window_(window), kinds_(kinds) {}

    // Commands held back during the drain, in the order they arrived.
    std::vector<std::pair<int, int>> held;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!AimedAtWindow(receiver))
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return kinds_.testFlag(QueuedInput::Keys);
        case QEvent::KeyRelease:
            // A release carries no input but ends a held key: dropping it
            // would leave a key lock waiting for it and swallow the next key.
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return kinds_.testFlag(QueuedInput::LeftMouseDown)
                   && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::Timer:
            // A tick falling into the drain is skipped rather than run nested.
            return receiver == window_;
        default:
            break;
        }
        if (event->type() == CommandEvent::EventType() && receiver == window_) {
            const auto* command = static_cast<CommandEvent*>(event);
            held.emplace_back(command->Number(), command->Code());
            return true;
        }
        return false;
    }

private:
    bool AimedAtWindow(QObject* receiver) const
    {
        if (!window_)
            return false;
        if (receiver == window_ || receiver == window_->windowHandle())
            return true;
        if (receiver->isWidgetType())
            return window_->isAncestorOf(static_cast<QWidget*>(receiver));
        return false;
    }

    QPointer<QWidget> window_;
    QueuedInputs kinds_;
};

} // namespace

namespace {

// Drains the queue; returns the window's commands met on the way (none when
// another drain runs or the window went away meanwhile).
std::vector<std::pair<int, int>> Drain(QWidget* window, QueuedInputs kinds, bool* done)
{
    *done = false;
    if (!window || g_draining || !QCoreApplication::instance())
        return {};
    const QPointer<QWidget> guard(window);
    g_draining = true;
    InputDrain drain(window, kinds);
    QCoreApplication::instance()->installEventFilter(&drain);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&drain);
    g_draining = false;
    *done = !guard.isNull();
    return *done ? std::move(drain.held) : std::vector<std::pair<int, int>>{};
}

} // namespace

void DiscardQueuedInput(QWidget* window, QueuedInputs kinds)
{
    bool done = false;
    const auto held = Drain(window, kinds, &done);
    if (!done)
        return;
    for (const auto& [number, code] : held)
        PostCommand(window, number, code);
}

std::vector<std::pair<int, int>> DiscardQueuedInputAndCommands(QWidget* window, QueuedInputs kinds)
{
    bool done = false;
    return Drain(window, kinds, &done);
}
