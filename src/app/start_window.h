#pragma once
// The program's first window until the main menu exists: it holds the pupil
// box. Showing it reads the registry and the program options and makes the
// first pupil's profile current; its caption is "Lirabo " + ProgramVersion.
#include <QWidget>

class PupilBox;

class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);
    PupilBox* Box() const { return box_; }

    // Places the window centred on the monitor that holds the mouse pointer.
    void CenterOnMouseMonitor();

Q_SIGNALS:
    // The first paint of the window (start-up measurement).
    void FirstShown();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    PupilBox* box_;
    bool started_ = false;
    bool painted_ = false;
};
