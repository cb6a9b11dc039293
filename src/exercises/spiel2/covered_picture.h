#pragma once
// I_bild of "Welches Wort stimmt?": the covered picture of uncovering mode,
// lying in front of the picture field. It shows the bitmap it is given and
// reports a press of the left mouse button at a point of the bitmap.
#include <QImage>
#include <QWidget>

class CoveredPicture : public QWidget {
    Q_OBJECT
public:
    explicit CoveredPicture(QWidget* parent = nullptr);

    // Shows image (a copy is kept; repainted at once when now is set).
    void Show(const QImage& image, bool now);
    const QImage& Image() const { return image_; }

Q_SIGNALS:
    void pressedAt(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};
