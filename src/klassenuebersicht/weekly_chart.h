#pragma once
// The chart of a pupil's weeks: a bar per week for the answers, a line for the
// share right at the first try. The same drawing serves the window and the
// printed report.
#include "klassenuebersicht/class_data.h"

#include <QWidget>

class QPainter;

void PaintWeeklyChart(QPainter& painter, const QRectF& area, const QList<WeekFigures>& weeks);

class WeeklyChart : public QWidget {
public:
    explicit WeeklyChart(QWidget* parent = nullptr);
    void SetWeeks(QList<WeekFigures> weeks);
    const QList<WeekFigures>& Weeks() const { return weeks_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<WeekFigures> weeks_;
};
