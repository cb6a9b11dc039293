#pragma once
// What the class overview shows, without widgets: every pupil of the
// registry with the history beside the profile, and the figures drawn from
// the histories (per exercise, per week, the words still wrong, the error
// kinds, the words the class misses most).
#include "framework/history_row.h"
#include "klassenuebersicht/error_kinds.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct PupilHistory {
    QString name;
    QString profilePath;
    QList<HistoryRow> rows; // in file order (oldest first)
};

// The pupils of the registry in DataRoot with their histories, in registry
// order. The shared profile is left out unless it has a history. With
// importProtocols, a pupil's old protocol is taken into the history first
// (once, see protocol_import.h).
QList<PupilHistory> LoadClass(bool importProtocols);

struct ExerciseFigures {
    int sessions = 0;       // blocks written (distinct times)
    QDate last;
    int words = 0;          // distinct words worked
    int answers = 0;
    int firstTry = 0;       // answers right at the first try
    bool hasTrend = false;
    int trend = 0;          // first-try percent of the last two weeks minus the two before

    int FirstTryPercent() const { return answers ? (firstTry * 100 + answers / 2) / answers : 0; }
};

// The figures of the rows of one exercise (all rows when exercise is empty),
// the trend counted back from today.
ExerciseFigures FiguresOf(const QList<HistoryRow>& rows, const QString& exercise, const QDate& today);

// The figures of every exercise in one pass, and of all rows under the
// empty name.
QHash<QString, ExerciseFigures> FiguresPerExercise(const QList<HistoryRow>& rows, const QDate& today);

// The exercises the rows name, in the order of the menu, unknown ones after.
QStringList ExercisesOf(const QList<PupilHistory>& pupils);

// The last day worked more than a week before today (or never).
bool IsIdle(const PupilHistory& pupil, const QDate& today);

struct WeekFigures {
    QDate monday;
    int answers = 0;
    int firstTry = 0;
};
// One entry per week from the first week worked to the last, empty weeks too.
QList<WeekFigures> WeeklyFigures(const QList<HistoryRow>& rows);

// Words whose newest answer was not right, newest first.
QStringList WordsStillWrong(const QList<HistoryRow>& rows);

struct ErrorKindFigures {
    ErrorKind kind;
    int count = 0;
    QStringList examples; // "Hunt (Hund)", the first few distinct ones
};
// The error kinds of the typed attempts, most frequent first.
QList<ErrorKindFigures> ErrorKindsOfRows(const QList<HistoryRow>& rows, int examplesPerKind = 4);

struct MissedWord {
    QString word;
    int pupils = 0;  // pupils with a wrong answer to it
    int wrong = 0;   // wrong answers in all
};
// The words of the class by how many pupils missed them (at least one),
// then by wrong answers, then alphabetically; at most limit.
QList<MissedWord> MostMissedWords(const QList<PupilHistory>& pupils, int limit = 30);
