#include "exercises/spiel1/rescue_picture.h"

#include <QMouseEvent>
#include <QPainter>

RescuePicture::RescuePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
}

void RescuePicture::Show(const QString& file)
{
    if (file.compare(file_, Qt::CaseInsensitive) == 0)
        return;
    file_ = file;
    if (!picture_.Load(file))
        picture_.Clear();
    update();
}

void RescuePicture::paintEvent(QPaintEvent*)
{
    if (picture_.IsEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture_.Draw(painter, QRectF(rect()), kNoMirror, true);
}

void RescuePicture::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT pressed();
}

void RescuePicture::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT released();
}
