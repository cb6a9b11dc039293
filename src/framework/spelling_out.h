#pragma once
// Spelling a text out unit by unit in an exercise window.
//
// Step-by-step: Start() sets the running flag and plays the first unit on the
// end button (number 125); when its sound has ended the window receives
// command 1000 with code 125 and calls Continue(), which plays the next unit
// while the flag is set and the end is not reached. A blank is a pause of the
// spelling speed ("Buchstabierpause" x 100 ms) plus 700 ms, after which the
// window gets 1000/125 as if a sound had ended. A single unit on request
// (running flag clear) is played directly: asynchronously while the text goes
// on after it, synchronously at its end.
#include <QString>

#include "sound/spelling.h"

class T_urahnlrb;

class SpellingOut {
public:
    explicit SpellingOut(T_urahnlrb& window) : window_(window) {}

    // Index of the next unit; the exercises read and set it.
    int position = 0;
    // Spelling out proceeds by itself on 1000/125.
    bool running = false;

    // SpellStep: plays the unit at `at` by kind and moves position past it.
    void Step(const QString& text, int at, SpellKind kind);
    // Spells text from `from` to `to` (exclusive; -1 = its end) by itself.
    void Start(const QString& text, int from, SpellKind kind, int to = -1);
    // The next unit after 1000/125; clears the running flag at the end.
    // Returns whether a unit was started.
    bool Continue();
    // Clears the running flag (the window stops the sound itself).
    void Stop();

    const QString& Text() const { return text_; }
    int End() const { return end_; }

private:
    void StepOnce(const QString& text, int at, SpellKind kind);

    T_urahnlrb& window_;
    QString text_;
    SpellKind kind_ = SpellKind::Groups;
    int end_ = 0;
    bool stepping_ = false;
    bool continueRequested_ = false;
};
