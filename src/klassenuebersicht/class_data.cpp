#include "klassenuebersicht/class_data.h"

#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "framework/history_csv.h"
#include "klassenuebersicht/protocol_import.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

bool IsRight(HistoryVerdict v)
{
    return v == HistoryVerdict::FirstTry || v == HistoryVerdict::LaterRight;
}

int Percent(int part, int whole)
{
    return whole ? (part * 100 + whole / 2) / whole : 0;
}

const QStringList& MenuOrder()
{
    static const QStringList order = {
        QStringLiteral("Hören und Schreiben"), QStringLiteral("Lautierübung"),  QStringLiteral("Welches Wort stimmt?"),
        QStringLiteral("Bild zum Wort"),       QStringLiteral("Bild zum Ton"),  QStringLiteral("Bild-Memory"),
        QStringLiteral("Sound-Memory")};
    return order;
}

} // namespace

QList<PupilHistory> LoadClass(bool importProtocols)
{
    PupilRegistry registry;
    registry.Load();
    QList<PupilHistory> pupils;
    QSet<QString> seen;
    for (const QString& line : registry.Lines()) {
        const PupilProfile profile = PupilProfile::OfRegistryValue(PupilRegistry::ValueOfLine(line));
        const QString key = profile.Path().toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (importProtocols)
            ImportProtocolIntoHistory(profile.Path());
        PupilHistory pupil{PupilRegistry::NameOfLine(line), profile.Path(), ReadHistoryFile(profile.HistoryFile())};
        if (profile.IsShared() && pupil.rows.isEmpty())
            continue;
        pupils << pupil;
    }
    return pupils;
}

ExerciseFigures FiguresOf(const QList<HistoryRow>& rows, const QString& exercise, const QDate& today)
{
    ExerciseFigures f;
    QSet<QDateTime> times;
    QSet<QString> words;
    int recent = 0, recentFirst = 0, before = 0, beforeFirst = 0;
    for (const HistoryRow& row : rows) {
        if (!exercise.isEmpty() && row.exercise != exercise)
            continue;
        times.insert(row.when);
        words.insert(row.word);
        ++f.answers;
        const bool first = row.verdict == HistoryVerdict::FirstTry;
        f.firstTry += first ? 1 : 0;
        if (!f.last.isValid() || row.when.date() > f.last)
            f.last = row.when.date();
        const qint64 age = row.when.date().daysTo(today);
        if (age >= 0 && age < 14) {
            ++recent;
            recentFirst += first ? 1 : 0;
        } else if (age >= 14 && age < 28) {
            ++before;
            beforeFirst += first ? 1 : 0;
        }
    }
    f.sessions = int(times.size());
    f.words = int(words.size());
    f.hasTrend = recent > 0 && before > 0;
    f.trend = f.hasTrend ? Percent(recentFirst, recent) - Percent(beforeFirst, before) : 0;
    return f;
}

QStringList ExercisesOf(const QList<PupilHistory>& pupils)
{
    QStringList found;
    for (const PupilHistory& p : pupils)
        for (const HistoryRow& row : p.rows)
            if (!found.contains(row.exercise))
                found << row.exercise;
    std::stable_sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        const qsizetype ia = MenuOrder().indexOf(a), ib = MenuOrder().indexOf(b);
        return (ia < 0 ? 99 : ia) < (ib < 0 ? 99 : ib);
    });
    return found;
}

bool IsIdle(const PupilHistory& pupil, const QDate& today)
{
    QDate last;
    for (const HistoryRow& row : pupil.rows)
        if (!last.isValid() || row.when.date() > last)
            last = row.when.date();
    return !last.isValid() || last.daysTo(today) > 7;
}

QList<WeekFigures> WeeklyFigures(const QList<HistoryRow>& rows)
{
    std::map<QDate, WeekFigures> weeks;
    for (const HistoryRow& row : rows) {
        const QDate d = row.when.date();
        const QDate monday = d.addDays(1 - d.dayOfWeek());
        WeekFigures& w = weeks[monday];
        w.monday = monday;
        ++w.answers;
        w.firstTry += row.verdict == HistoryVerdict::FirstTry ? 1 : 0;
    }
    QList<WeekFigures> list;
    if (weeks.empty())
        return list;
    for (QDate m = weeks.begin()->first; m <= weeks.rbegin()->first; m = m.addDays(7)) {
        const auto it = weeks.find(m);
        list << (it != weeks.end() ? it->second : WeekFigures{m, 0, 0});
    }
    return list;
}

QStringList WordsStillWrong(const QList<HistoryRow>& rows)
{
    // The newest answer of each word decides; rows are in time order.
    QHash<QString, qsizetype> newest;
    for (qsizetype i = 0; i < rows.size(); ++i)
        newest[rows[i].word] = i;
    QList<qsizetype> wrong;
    for (auto it = newest.cbegin(); it != newest.cend(); ++it)
        if (!IsRight(rows[it.value()].verdict))
            wrong << it.value();
    std::sort(wrong.begin(), wrong.end(), std::greater<>());
    QStringList words;
    for (qsizetype i : wrong)
        words << rows[i].word;
    return words;
}

QList<ErrorKindFigures> ErrorKindsOfRows(const QList<HistoryRow>& rows, int examplesPerKind)
{
    QList<ErrorKindFigures> kinds;
    for (int k = 0; k < kErrorKindCount; ++k)
        kinds << ErrorKindFigures{ErrorKind(k), 0, {}};
    for (const HistoryRow& row : rows) {
        if (!IsTypingExercise(row.exercise))
            continue;
        for (const QString& attempt : row.attempts)
            for (ErrorKind kind : ErrorKindsOf(row.word, attempt)) {
                ErrorKindFigures& f = kinds[int(kind)];
                ++f.count;
                const QString example = attempt + QStringLiteral(" (") + row.word + u')';
                if (f.examples.size() < examplesPerKind && !f.examples.contains(example))
                    f.examples << example;
            }
    }
    kinds.removeIf([](const ErrorKindFigures& f) { return f.count == 0; });
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const ErrorKindFigures& a, const ErrorKindFigures& b) { return a.count > b.count; });
    return kinds;
}

QList<MissedWord> MostMissedWords(const QList<PupilHistory>& pupils, int limit)
{
    QHash<QString, MissedWord> words;
    for (const PupilHistory& p : pupils) {
        QSet<QString> missed;
        for (const HistoryRow& row : p.rows) {
            if (row.verdict == HistoryVerdict::FirstTry)
                continue;
            MissedWord& w = words[row.word];
            w.word = row.word;
            ++w.wrong;
            missed.insert(row.word);
        }
        for (const QString& word : missed)
            ++words[word].pupils;
    }
    QList<MissedWord> list = words.values();
    std::sort(list.begin(), list.end(), [](const MissedWord& a, const MissedWord& b) {
        if (a.pupils != b.pupils)
            return a.pupils > b.pupils;
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        return a.word < b.word;
    });
    if (list.size() > limit)
        list.resize(limit);
    return list;
}
