#pragma once
// The one-line editor of the writing exercise. It takes the keyboard focus
// and hands every key to the typing control, which edits the line and checks
// it; the word display shows the result, so the editor itself draws nothing
// (it lies under the word display).
#include <QWidget>

#include <functional>

class TypingControl;
enum class EditorAction;

class TypingEditor final : public QWidget {
    Q_OBJECT
public:
    TypingEditor(TypingControl& typing, QWidget* parent);

    // What the window does with Enter and Escape.
    void SetActionHandler(std::function<void(EditorAction)> handler) { onAction_ = std::move(handler); }
    // Handles a key press as the editor's own (the window forwards the keys
    // that move the focus here).
    void HandleKeyPress(QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override { HandleKeyPress(event); }
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent*) override {}
    bool focusNextPrevChild(bool) override { return false; }

private:
    TypingControl& typing_;
    std::function<void(EditorAction)> onAction_;
};

// The virtual key code of a Qt key event.
int VirtualKeyOf(const QKeyEvent& event);
