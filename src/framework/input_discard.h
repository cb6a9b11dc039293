#pragma once
// Throwing away input that the pupil made while the program was busy (loading
// pictures, playing a sound), so that it is not taken as an answer.
//
// The event queue is drained through a filter that drops the chosen input
// events aimed at the window or any widget inside it. Commands queued for the
// window meanwhile are held back and queued again afterwards, in their order,
// so that they still run after the current handler has returned.
#include <QFlags>

#include <utility>
#include <vector>

class QWidget;

enum class QueuedInput {
    Keys = 1,            // key down and character (key up still arrives)
    LeftMouseDown = 2,   // left button down (and its double click)
};
Q_DECLARE_FLAGS(QueuedInputs, QueuedInput)
Q_DECLARE_OPERATORS_FOR_FLAGS(QueuedInputs)

// Drops the queued input of the given kinds for window. A call made while
// another drain is running does nothing (the running drain covers it).
void DiscardQueuedInput(QWidget* window, QueuedInputs kinds);

// As DiscardQueuedInput, and the window's queued commands are dropped too;
// returns them (number, code) in the order they were queued.
std::vector<std::pair<int, int>> DiscardQueuedInputAndCommands(QWidget* window, QueuedInputs kinds);
