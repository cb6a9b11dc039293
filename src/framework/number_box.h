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

    // The place of the box when nobody types; while typing it keeps the right
    // edge of this place and is as wide as its text plus a blank and 4 pixels.
    void SetRestGeometry(const QRect& rect);

Q_SIGNALS:
    // Enter was pressed or the box lost the focus after the pupil typed in
    // it, with the text typed.
    void Committed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void FitToText();
    QRect rest_;
};
