#include "exercises/spiel1/editor_line.h"

#include "exercises/spiel1/key_classes.h"

#include <algorithm>

void EditorLine::Set(const QString& newText, int newCaret)
{
    text = newText;
    SetCaret(newCaret);
}

void EditorLine::SetCaret(int position)
{
    caret = std::clamp(position, 0, int(text.size()));
    selectionStart = caret;
    selectionLength = 0;
}

void EditorLine::Select(int start, int length)
{
    selectionStart = std::clamp(start, 0, int(text.size()));
    selectionLength = std::clamp(length, 0, int(text.size()) - selectionStart);
    caret = selectionStart + selectionLength;
}

void EditorLine::RemoveSelection()
{
    text.remove(selectionStart, selectionLength);
    SetCaret(selectionStart);
}

bool EditorLine::Type(const QString& characters)
{
    if (readOnly || characters.isEmpty())
        return false;
    if (HasSelection())
        RemoveSelection();
    for (const QChar c : characters) {
        if (caret < text.size())
            text[caret] = c;
        else
            text.append(c);
        ++caret;
    }
    SetCaret(caret);
    return true;
}

bool EditorLine::Backspace()
{
    if (readOnly)
        return false;
    if (HasSelection()) {
        RemoveSelection();
        return true;
    }
    if (caret == 0)
        return false;
    text.remove(caret - 1, 1);
    SetCaret(caret - 1);
    return true;
}

bool EditorLine::DeleteForward()
{
    if (readOnly)
        return false;
    if (HasSelection()) {
        RemoveSelection();
        return true;
    }
    if (caret >= text.size())
        return false;
    text.remove(caret, 1);
    return true;
}

bool EditorLine::MoveCaret(int vk)
{
    switch (vk) {
    case Vk::Home: SetCaret(0); return true;
    case Vk::End: SetCaret(int(text.size())); return true;
    case Vk::Left: SetCaret(caret - 1); return true;
    case Vk::Right: SetCaret(caret + 1); return true;
    default: return false;
    }
}
