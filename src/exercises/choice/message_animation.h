#pragma once
// Messages of the choice exercises ("richtig", "nimm ein anderes", praise,
// "Liste ist zu Ende") animated on a word field, and the colour pair all word
// fields are drawn in.
//
// Typing in shows the prefixes of the text one after the other (5 ms each),
// erasing shows the text shrinking from both ends (3 ms each). Waits do not
// run window messages; after each animation the queued mouse input is
// thrown away, so clicks made meanwhile have no effect. The window shows the
// frames (MessageSurface); the animator keeps the colour pair.
#include <QChar>
#include <QString>
#include <QStringList>

struct ExerciseSettingsRecord;

// Text and background colour codes ("0123456789ABCDEFz", "z": no background).
struct ColourPair {
    QChar text = u'0';
    QChar background = u'7';
    bool operator==(const ColourPair&) const = default;
};
// Textfarbe and Hintergrundfarbe.
ColourPair SettingsColourPair(const ExerciseSettingsRecord& settings);
// The highlighted pair: the background takes the text colour code and the
// text the background code; with no background ("z") the text becomes "0"
// when the text code is "7", else "7".
ColourPair HighlightedPair(const ColourPair& pair);
// A highlighted text padded by Textausrichtung: left 10 blanks after, centred
// 5 before and after, right 10 before.
QString PadHighlighted(const QString& text, int textausrichtung);

// The frames of typing in: "", "a", "ab", ... the whole text.
QStringList TypingFrames(const QString& text);
// The frames of erasing from both ends: with L the length rounded up to even,
// for i = 0 .. L/2 the characters from i up to L-i.
QStringList ErasingFrames(const QString& text);

// What the window does for an animation on one of its fields.
class MessageSurface {
public:
    virtual ~MessageSurface() = default;
    // Shows text in place of the field's caption and repaints it at once.
    virtual void ShowMessageFrame(int field, const QString& text) = 0;
    // The field shows its own caption again.
    virtual void EndMessage(int field) = 0;
    // Throws away the queued mouse input.
    virtual void DiscardMouseInput() = 0;
};

class MessageAnimator {
public:
    static constexpr int kTypeStepMs = 5;
    static constexpr int kEraseStepMs = 3;

    explicit MessageAnimator(MessageSurface& surface) : surface_(surface) {}

    // At every new task: the pair from the settings.
    void ResetColours(const ColourPair& settings);
    // The pair of the field that showed the last message (swapped after a
    // highlighted one until the next task), and that field (0: none); every
    // other field is drawn in the pair of the settings.
    const ColourPair& Colours() const { return pair_; }
    int ColourField() const { return pairField_; }
    const ColourPair& ColoursOf(int field) const { return field == pairField_ ? pair_ : settings_; }
    // The text shown while a message runs, and on which field (0: none).
    const QString& Shown() const { return shown_; }
    int Field() const { return field_; }
    bool Running() const { return field_ != 0; }

    void TypeIn(int field, const QString& text, bool highlighted, int holdMs, int textausrichtung);
    void ShowAtOnce(int field, const QString& text, bool highlighted, int holdMs, int textausrichtung);
    void Erase(int field, const QString& text, bool highlighted, int waitMs, int textausrichtung);

private:
    QString Prepare(int field, const QString& text, bool highlighted, int textausrichtung);
    void Frame(const QString& text, int pauseMs);
    void Finish(int waitMs);

    MessageSurface& surface_;
    ColourPair settings_;
    ColourPair pair_;
    QString shown_;
    int field_ = 0;
    int pairField_ = 0;
};
