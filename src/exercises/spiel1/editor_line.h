#pragma once
// The one-line editor of the writing exercise as plain state: its text, the
// caret, a selection and the read-only switch. The pupil's edits work in
// overwrite mode, so that a letter typed into the template or over a word to
// copy replaces the character under the caret.
#include <QString>

struct EditorLine {
    QString text;
    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    bool readOnly = false;

    bool HasSelection() const { return selectionLength > 0; }
    // Sets text and caret as the program does (no edit of the pupil).
    void Set(const QString& newText, int newCaret);
    void SetCaret(int position);
    void Select(int start, int length);

    // The pupil's edits; each returns false when nothing could be edited
    // (read-only, nothing to delete).
    bool Type(const QString& characters);
    bool Backspace();
    bool DeleteForward();
    // Caret keys (Home, End, Left, Right); no edit.
    bool MoveCaret(int vk);

private:
    void RemoveSelection();
};
