#include "app/start_window.h"

#include "app/pupil_box.h"
#include "data/program_options.h"
#include "data/program_state.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

StartWindow::StartWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StartWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Dein Name:"), this);
    box_ = new PupilBox(this);
    label->setBuddy(box_);
    layout->addWidget(label);
    layout->addWidget(box_);
    layout->addStretch();
    resize(360, 140);
}

void StartWindow::CenterOnMouseMonitor()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect m = screen->geometry();
    move(m.center().x() - width() / 2, m.center().y() - height() / 2);
}

void StartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (started_)
        return;
    started_ = true;
    box_->Start();
    ReadProgramOptions();
    setWindowTitle(QStringLiteral("Lirabo ") + ProgramVersion());
}

void StartWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        Q_EMIT FirstShown();
    }
}
