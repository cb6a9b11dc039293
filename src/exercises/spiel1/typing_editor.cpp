#include "exercises/spiel1/typing_editor.h"

#include "exercises/spiel1/key_classes.h"
#include "exercises/spiel1/typing_control.h"

#include <QKeyEvent>

int VirtualKeyOf(const QKeyEvent& event)
{
    const QString text = event.text();
    return VirtualKeyOfQtKey(event.key(), text.isEmpty() ? QChar() : text[0]);
}

TypingEditor::TypingEditor(TypingControl& typing, QWidget* parent) : QWidget(parent), typing_(typing)
{
    setObjectName(QStringLiteral("Editor"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TypingEditor::HandleKeyPress(QKeyEvent* event)
{
    // Shortcuts with Ctrl or Alt are no typing.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int vk = VirtualKeyOf(*event);
    const EditorAction action = typing_.EditorKeyDown(vk);
    if (action != EditorAction::None) {
        if (onAction_)
            onAction_(action);
        return;
    }
    if (vk == Vk::Tab || shortcut) {
        event->ignore();
        return;
    }
    typing_.EditKey(vk, event->text());
}

void TypingEditor::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    typing_.EditorKeyUp(VirtualKeyOf(*event));
}
