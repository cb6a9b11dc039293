#pragma once
// One answered word of a pupil's lasting history: when, in which exercise and
// list, the word, how it went and what the pupil typed or chose on the way.
// The rows are made from the answer records the exercises keep (see
// results_files.h); history_csv.h writes and reads them.
#include <QDateTime>
#include <QString>
#include <QStringList>

enum class HistoryVerdict {
    FirstTry,   // right at the first try
    LaterRight, // right after wrong attempts
    Wrong,      // never right
    Helped,     // right only after the exercise showed a mistake ("[" marks)
};

// "sofort richtig", "später richtig", "falsch", "mit Hilfe".
QString VerdictText(HistoryVerdict verdict);
// The verdict of a text VerdictText gives; false for any other text.
bool VerdictOfText(const QString& text, HistoryVerdict* verdict);

// The date and time of a row as the pupil's clock showed them, held without a
// time zone (as UTC), so rows compare and hash without time zone look-ups.
QDateTime WallClock(const QDate& date, const QTime& time);
QDateTime WallClock(const QDateTime& local);

// Ends an attempt the pupil did not finish: the exercise refused a key, and
// what the pupil would have written after it is unknown ("Kaz…" for "Katze").
constexpr char16_t kAttemptCutShort = u'\u2026';

struct HistoryRow {
    QDateTime when;       // a WallClock time
    QString exercise;     // the program name ("Hören und Schreiben", "Lautierübung", ...)
    QString list;         // the list file, or "Fehlerliste"
    QString word;
    HistoryVerdict verdict = HistoryVerdict::Wrong;
    QStringList attempts; // wrong attempts: typed words (perhaps cut short), or the captions chosen
    QString record;       // the answer record as the protocol shows it
    bool imported = false;

    bool operator==(const HistoryRow&) const = default;
};

// The verdict of an answer record.
HistoryVerdict VerdictOfRecord(const QString& record);

// True for the exercises where the pupil types the word, so the attempts are
// spellings of it.
bool IsTypingExercise(const QString& exercise);

// The wrong attempts in an answer record. A typing record holds per wrong
// answer the keys typed (wrong ones in brackets), a blank, the line as it was
// sent and "; "; the line is taken as the last as many blank-separated parts
// as the word has (underscores of the template dropped). A choice record
// holds the captions chosen, each followed by "; ".
QStringList AttemptsOfRecord(const QString& exercise, const QString& record, const QString& word);

// The row of one answer; typedAttempts (what the exercise kept beside a
// record that holds only the wrong keys) follow the record's own attempts.
HistoryRow MakeHistoryRow(const QDateTime& when, const QString& exercise, const QString& list,
                          const QString& word, const QString& record, const QStringList& typedAttempts = {});
