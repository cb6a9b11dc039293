#pragma once
// The number box L10 of the list-driven window: the pupil types the number of
// an entry and goes there with Enter or by leaving the box.
#include <QLineEdit>

// The list position that typed text asks for: n - 1 limited to 0..count - 1.
// False when the text is no number (the position then stays).
bool NumberBoxTarget(const QString& text, int count, int* position);

class TNumberBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberBox(QWidget* parent = nullptr);

    // The edge the box keeps its right side on while it grows with its text.
    void SetRightEdge(int x) { rightEdge_ = x; FitToText(); }

Q_SIGNALS:
    // Enter was pressed or the box lost the focus, with the text typed.
    void Committed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void FitToText();
    int rightEdge_ = -1;
};
