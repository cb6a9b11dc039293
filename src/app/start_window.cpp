#include "app/start_window.h"

#include "app/pupil_box.h"
#include "data/program_options.h"
#include "data/program_state.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
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
    layout->addSpacing(8);
    AddExerciseButton(ExerciseKind::HoerenUndSchreiben, QStringLiteral("Hören und Schreiben"));
    AddExerciseButton(ExerciseKind::Lautieruebung, QStringLiteral("Lautierübung"));
    layout->addStretch();
    resize(360, 200);
}

void StartWindow::AddExerciseButton(ExerciseKind kind, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    (kind == ExerciseKind::Lautieruebung ? lautier_ : hoeren_) = button;
    layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, kind] {
        box_->SelectCurrentProfile();
        Q_EMIT ExerciseChosen(kind);
    });
}

QPushButton* StartWindow::ExerciseButton(ExerciseKind kind) const
{
    return kind == ExerciseKind::Lautieruebung ? lautier_ : hoeren_;
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
    Begin();
}

void StartWindow::Begin()
{
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
