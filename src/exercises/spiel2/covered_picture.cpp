#include "exercises/spiel2/covered_picture.h"

#include <QMouseEvent>
#include <QPainter>

CoveredPicture::CoveredPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("I_bild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CoveredPicture::Show(const QImage& image, bool now)
{
    image_ = image;
    if (now)
        repaint();
    else
        update();
}

void CoveredPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image_.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(QPoint(0, 0), image_);
}

void CoveredPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressedAt(event->position().toPoint());
}
