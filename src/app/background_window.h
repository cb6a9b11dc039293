#pragma once
// The background window: a borderless window without input that covers the
// monitor holding the mouse pointer behind the program. While the program is
// idle (and no exercise window has stopped the check, see data/idle_check.h)
// it is shown when the background is to be covered and hidden when not.
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QPainter;

// Paints the purple gradient: only when the client area is at least as wide
// as the monitor; filled with red 0x40, blue 0x40, then 64 bands of 1/64 of
// the height, each with 256 steps of (half the width / 64, rounded up) pixels,
// step k in red = blue = 0x30 + k.
void PaintBackgroundGradient(QPainter& painter, const QSize& client, int monitorWidth);

class TF_hinten : public QWidget {
    Q_OBJECT
public:
    explicit TF_hinten(QWidget* parent = nullptr);

    // The window brought to the front whenever the background is shown.
    void SetFrontWindow(QWidget* window) { front_ = window; }
    // One pass of the idle check.
    void CheckNow();
    // The idle check runs on a short timer; the timer is what tests leave off.
    void StartTimer() { timer_.start(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int MonitorWidth() const;

    QPointer<QWidget> front_;
    QTimer timer_;
};
