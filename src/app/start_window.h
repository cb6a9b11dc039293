#pragma once
// The program's first window until the main menu exists: the pupil box and a
// button for each exercise the program has. Showing it (or Begin) reads the
// registry and the program options and makes the first pupil's profile
// current; its caption is "Lirabo " + ProgramVersion.
#include "app/exercise_start.h"

#include <QWidget>

class PupilBox;
class QPushButton;

class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);
    PupilBox* Box() const { return box_; }
    QPushButton* ExerciseButton(ExerciseKind kind) const;

    // Places the window centred on the monitor that holds the mouse pointer.
    void CenterOnMouseMonitor();
    // What showing the window does first (registry, options, caption); once.
    void Begin();

Q_SIGNALS:
    // The first paint of the window (start-up measurement).
    void FirstShown();
    // An exercise button was pressed; the pupil in the box is current.
    void ExerciseChosen(ExerciseKind kind);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void AddExerciseButton(ExerciseKind kind, const QString& caption);

    PupilBox* box_;
    QPushButton* hoeren_ = nullptr;
    QPushButton* lautier_ = nullptr;
    bool started_ = false;
    bool painted_ = false;
};
