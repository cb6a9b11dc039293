#include "app/background_window.h"

#include "data/idle_check.h"
#include "data/program_state.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

// How often the idle check looks at the window.
constexpr int kIdleCheckMs = 200;

QScreen* ScreenOfMouse()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void PaintBackgroundGradient(QPainter& painter, const QSize& client, int monitorWidth)
{
    const int w = client.width();
    const int h = client.height();
    if (w < monitorWidth || w <= 0 || h <= 0)
        return;
    painter.fillRect(0, 0, w, h, QColor(0x40, 0, 0x40));
    const int half = w / 2;
    const int step = half / 64 + (half % 64 ? 1 : 0);
    const int band = h / 64;
    if (step <= 0 || band <= 0)
        return;
    for (int b = 0; b < 64; ++b) {
        const int top = b * band;
        for (int k = 0; k < 256 && k * step < w; ++k) {
            const int c = (0x30 + k) & 0xFF;
            painter.fillRect(k * step, top, step, band, QColor(c, 0, c));
        }
    }
}

TF_hinten::TF_hinten(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                          Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("TF_hinten"));
    setWindowTitle(QStringLiteral("Lirabo"));
    setEnabled(false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPalette(QPalette(Qt::gray));
    if (QScreen* screen = ScreenOfMouse())
        setGeometry(screen->geometry());
    timer_.setInterval(kIdleCheckMs);
    connect(&timer_, &QTimer::timeout, this, &TF_hinten::CheckNow);
}

int TF_hinten::MonitorWidth() const
{
    QScreen* s = screen();
    return s ? s->geometry().width() : width();
}

void TF_hinten::CheckNow()
{
    if (!IdleCheckRunning())
        return;
    if (CoverBackground() && isHidden()) {
        // Behind every other window of the program: a window shown last
        // would otherwise lie on top of an open question or exercise.
        show();
        lower();
        if (front_) {
            front_->raise();
            front_->activateWindow();
        }
    } else if (!CoverBackground() && isVisible()) {
        hide();
    }
}

void TF_hinten::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (width() < MonitorWidth())
        painter.fillRect(rect(), palette().window());
    else
        PaintBackgroundGradient(painter, size(), MonitorWidth());
}
