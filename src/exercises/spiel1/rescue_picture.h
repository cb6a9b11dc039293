#pragma once
// Image1, the rescue picture in the right bar of the writing exercise: a
// picture file drawn to fit; holding a mouse button on it shows the solution.
#include "controls/picture.h"

#include <QWidget>

class RescuePicture final : public QWidget {
    Q_OBJECT
public:
    explicit RescuePicture(QWidget* parent);

    // Shows a picture file (program path); a missing file shows nothing.
    void Show(const QString& file);
    const QString& File() const { return file_; }

Q_SIGNALS:
    void pressed();
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString file_;
    Picture picture_;
};
