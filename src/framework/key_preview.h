#pragma once
// Key preview: the window receives key presses before its controls. A key
// aimed at a button inside the window (one that took the focus by a click or
// by Tab) is handed to the window instead, so arrows, Enter and Space act on
// the exercise and never press or move between its buttons. Text fields keep
// their keys.
#include <QObject>

class QWidget;

class KeyPreview : public QObject {
public:
    explicit KeyPreview(QWidget& window);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};
