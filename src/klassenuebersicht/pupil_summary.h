#pragma once
// The figures of one pupil's history that the class overview shows, drawn
// from the rows once and independent of the day they are looked at, so that
// they can be kept in a local cache (summary_cache.h) and the history file is
// read again only when it changed. The day-dependent figures (the trend) are
// computed from the per-day counts when shown.
#include "framework/history_row.h"
#include "klassenuebersicht/error_kinds.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

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

struct DayCount {
    QDate day;
    int answers = 0;
    int firstTry = 0;
    bool operator==(const DayCount&) const = default;
};

// The counts of one exercise (or of all, with an empty name).
struct ExerciseTally {
    QString exercise;
    int sessions = 0;
    int words = 0;
    int answers = 0;
    int firstTry = 0;
    QDate last;
    QList<DayCount> days; // the days worked, in order
    bool operator==(const ExerciseTally&) const = default;
};

struct WeekFigures {
    QDate monday;
    int answers = 0;
    int firstTry = 0;
    bool operator==(const WeekFigures&) const = default;
};

struct ErrorKindFigures {
    ErrorKind kind = ErrorKind::OtherLetter;
    int count = 0;
    QStringList examples; // "Hunt (Hund)", the first few distinct ones
    bool operator==(const ErrorKindFigures&) const = default;
};

struct WordMisses {
    QString word;
    int wrong = 0; // answers not right at the first try
    bool operator==(const WordMisses&) const = default;
};

struct PupilSummary {
    ExerciseTally all;
    QList<ExerciseTally> exercises;   // in the order the history first names them
    QList<WeekFigures> weeks;         // from the first week worked to the last, empty weeks too
    QStringList stillWrong;           // words whose newest answer was not right, newest first
    QList<ErrorKindFigures> kinds;    // most frequent first
    QList<WordMisses> missed;         // the words not right at the first try
    bool operator==(const PupilSummary&) const = default;
};

PupilSummary SummaryOf(const QList<HistoryRow>& rows);

// The figures of a tally as shown on a day (the trend counted back from it).
ExerciseFigures FiguresAt(const ExerciseTally& tally, const QDate& today);

// The parts of a summary, from the rows.
QList<WeekFigures> WeeklyFigures(const QList<HistoryRow>& rows);
QStringList WordsStillWrong(const QList<HistoryRow>& rows);
// The error kinds of the typed attempts, most frequent first.
QList<ErrorKindFigures> ErrorKindsOfRows(const QList<HistoryRow>& rows, int examplesPerKind = 4);
