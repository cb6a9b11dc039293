#pragma once
// What the three results files beside a pupil's profile share: the answer
// lists of the open exercise, the header flag, the texts of the block
// headers, the "aufCD" probe and appending a block to a file.
//
// The writers take the profile path, the list name and the time as a
// ResultsContext, so they work without windows and tests can fix the clock.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// Two parallel lists: per row a list marker (the list name, or a text with
// "Fehlerliste", and an empty word) or an answer record and its word.
struct AnswerLists {
    QStringList answers;
    QStringList words;
    QList<QStringList> typed; // per answer: the entry's typedAttempts (history only)

    void AddListMarker(const QString& marker);
    void AddAnswer(const QString& answer, const QString& word, const QStringList& typedAttempts = {});
    void Clear();
    int Count() const { return int(answers.size()); }
};

// The answer lists of the open exercise window (process-wide).
AnswerLists& ProtocolAnswers();
// True when the next write opens a new block with date and time; true at
// start, false after a change of list, true again when an exercise ends.
bool& ResultsHeaderFlag();

struct ResultsContext {
    QString profilePath;    // the pupil's profile; the results files lie beside it
    QString listFileName;   // the current list as stored under "Dateiname"
    QDateTime now;          // date and time of a new block
    bool headerFlag = true;
};
// The context of the running program: CurrentProfilePath(), the current
// date and time, ResultsHeaderFlag().
ResultsContext CurrentResultsContext(const QString& listFileName);

// "****Montag" ... "***Sonntag" (ten characters) for 1 = Monday ... 7 = Sunday.
QString DayName(int dayOfWeek);
// The same names without the stars ("Montag").
QString PlainDayName(int dayOfWeek);
// " 5.11.2026": day and month right-aligned in two characters.
QString DateText(const QDate& date);
// "09:05".
QString TimeText(const QTime& time);

// Writes "aufCD=false" into section "CDtest" of the profile: the test that the
// pupil's folder can be written. False when it cannot.
bool ProbeProfile(const QString& profilePath);
// The folder of path takes no files at all (a read-only medium, no right):
// results for it are skipped, not kept.
bool FolderRefusesWrites(const QString& path);
// Whether the answer lists hold a row with a word and its answer (list
// markers alone are no answers).
bool HasAnsweredWords(const AnswerLists& answers);
// The guard of the protocol and the certificate data: false when no word was
// answered, or the profile cannot be written because its folder refuses
// writes.
bool MayWriteResults(const AnswerLists& answers, const QString& profilePath);

// The lines of the rows of a block: each answer row through answerLine
// (word, answer; rows with an empty answer are left out); each list marker
// as "Datei: " + listFileName between rules, after a long rule when the
// marker names the error list.
QStringList BlockRows(const AnswerLists& answers, const QString& listFileName,
                      const std::function<QString(const QString& word, const QString& answer)>& answerLine);

// Appends text (Windows-1252) to a file, creating it when missing. All or
// nothing: the whole new file is written beside the old one and renamed over
// it under the file's update lock, so a crash leaves the old file or the new
// one, never a block cut short. A block that cannot be written now is kept
// and written later (framework/unsaved_results.h); false then.
bool AppendToFile(const QString& path, const QString& text);
// The same with a text that depends on whether the file already existed
// (decided inside the lock).
bool AppendToFile(const QString& path, const std::function<QString(bool existed)>& text);
// The lines joined with CR LF after each.
QString AsLines(const QStringList& lines);
