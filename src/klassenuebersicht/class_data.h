#pragma once
// What the class overview shows, without widgets: every pupil of the
// registry with the summary of the history beside the profile, and the
// figures of the class drawn from them.
#include "klassenuebersicht/pupil_summary.h"

struct PupilHistory {
    QString name;
    QString profilePath;
    PupilSummary summary; // of the history beside the profile
    bool operator==(const PupilHistory&) const = default;
};

// The pupils of the registry in DataRoot with the summaries of their
// histories, in registry order. The shared profile is left out unless it has
// a history. With importProtocols, a pupil's old protocol is taken into the
// history first (once, see protocol_import.h). With a cacheFile, histories
// that have not changed since it was written are not read again, and the
// file is brought up to date (summary_cache.h).
QList<PupilHistory> LoadClass(bool importProtocols, const QString& cacheFile = QString());

// The figures of one exercise (all exercises when exercise is empty), the
// trend counted back from today; none when the pupil has not worked in it.
ExerciseFigures FiguresOf(const PupilSummary& summary, const QString& exercise, const QDate& today);

// The exercises the pupils worked in, in the order of the menu, unknown ones after.
QStringList ExercisesOf(const QList<PupilHistory>& pupils);

// The last day worked more than a week before today (or never).
bool IsIdle(const PupilHistory& pupil, const QDate& today);

struct MissedWord {
    QString word;
    int pupils = 0;  // pupils with a wrong answer to it
    int wrong = 0;   // wrong answers in all
};
// The words of the class by how many pupils missed them (at least one),
// then by wrong answers, then alphabetically; at most limit.
QList<MissedWord> MostMissedWords(const QList<PupilHistory>& pupils, int limit = 30);
