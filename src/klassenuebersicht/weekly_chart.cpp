#include "klassenuebersicht/weekly_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void PaintWeeklyChart(QPainter& painter, const QRectF& area, const QList<WeekFigures>& weeks)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF fm(painter.font());
    const qreal left = area.left() + fm.horizontalAdvance(QStringLiteral("0000")) + 6;
    const qreal right = area.right() - fm.horizontalAdvance(QStringLiteral("100 %")) - 6;
    const qreal top = area.top() + fm.height() + 4;
    const qreal bottom = area.bottom() - fm.height() - 6;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    painter.setPen(QColor(0x44, 0x44, 0x44));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), fm.height()), Qt::AlignLeft,
                     QStringLiteral("Antworten je Woche (Balken), sofort richtig in % (Linie)"));
    painter.drawRect(plot);
    if (weeks.isEmpty() || plot.width() < 10 || plot.height() < 10) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("Noch keine Antworten"));
        painter.restore();
        return;
    }
    int most = 1;
    for (const WeekFigures& w : weeks)
        most = std::max(most, w.answers);
    const qreal slot = plot.width() / qreal(weeks.size());
    painter.drawText(QRectF(area.left(), plot.top() - fm.height() / 2, left - area.left() - 4, fm.height()),
                     Qt::AlignRight, QString::number(most));
    painter.drawText(QRectF(right + 4, plot.top() - fm.height() / 2, area.right() - right, fm.height()),
                     Qt::AlignLeft, QStringLiteral("100 %"));
    painter.drawText(QRectF(right + 4, plot.bottom() - fm.height() / 2, area.right() - right, fm.height()),
                     Qt::AlignLeft, QStringLiteral("0 %"));
    QPainterPath rate;
    QList<QPointF> points;
    const int labelEvery = std::max(1, int(fm.horizontalAdvance(QStringLiteral("00.00.")) / slot) + 1);
    for (qsizetype i = 0; i < weeks.size(); ++i) {
        const WeekFigures& w = weeks[i];
        const qreal x = plot.left() + slot * qreal(i);
        const qreal h = plot.height() * w.answers / most;
        painter.fillRect(QRectF(x + slot * 0.15, plot.bottom() - h, slot * 0.7, h), QColor(0x7f, 0xb2, 0xe5));
        if (i % labelEvery == 0)
            painter.drawText(QRectF(x, plot.bottom() + 2, slot * labelEvery, fm.height()), Qt::AlignLeft,
                             w.monday.toString(QStringLiteral("dd.MM.")));
        if (w.answers) {
            const QPointF p(x + slot / 2, plot.bottom() - plot.height() * w.firstTry / w.answers);
            points << p;
            if (rate.elementCount() == 0)
                rate.moveTo(p);
            else
                rate.lineTo(p);
        }
    }
    painter.setPen(QPen(QColor(0xd0, 0x50, 0x20), 2));
    painter.drawPath(rate);
    // A dot per week, so a single week shows its rate too.
    painter.setBrush(QColor(0xd0, 0x50, 0x20));
    for (const QPointF& p : points)
        painter.drawEllipse(p, 3, 3);
    painter.restore();
}

WeeklyChart::WeeklyChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 180);
}

void WeeklyChart::SetWeeks(QList<WeekFigures> weeks)
{
    weeks_ = std::move(weeks);
    update();
}

void WeeklyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintWeeklyChart(painter, QRectF(rect()), weeks_);
}
