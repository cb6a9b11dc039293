#pragma once
// The tables the class overview shows and exports, as rows of cells (numbers
// stay numbers, so the window sorts them as numbers): the class table, and the
// parts of a pupil's page. The CSV exports write the same cells.
#include "klassenuebersicht/class_data.h"

#include <QVariant>

struct Table {
    QStringList header;
    QList<QVariantList> rows;
};

// One row per pupil: name, last day, answers, first-try percent, then per
// exercise sessions, last day, words, first-try percent and the trend
// (empty where a pupil has not worked in it).
Table ClassTable(const QList<PupilHistory>& pupils, const QStringList& exercises, const QDate& today);

Table WeeksTable(const QList<WeekFigures>& weeks);
Table ErrorKindsTable(const QList<ErrorKindFigures>& kinds);
Table MissedWordsTable(const QList<MissedWord>& words);

// The trend as shown: "+12", "−5", "±0"; empty without one.
QString TrendText(const ExerciseFigures& figures);

// UTF-8 CSV with a byte order mark, ";" between fields (as the history).
QByteArray TableCsv(const Table& table);
// A pupil's page as one CSV: the weeks, the words still wrong and the error
// kinds, each part after a line with its title.
QByteArray PupilPageCsv(const PupilHistory& pupil);
