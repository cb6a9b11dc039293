#include "klassenuebersicht/class_data.h"

#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "framework/history_csv.h"
#include "klassenuebersicht/protocol_import.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>
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
    QList<bool> shared;
    QSet<QString> seen;
    for (const QString& line : registry.Lines()) {
        const PupilProfile profile = PupilProfile::OfRegistryValue(PupilRegistry::ValueOfLine(line));
        const QString key = profile.Path().toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (importProtocols)
            ImportProtocolIntoHistory(profile.Path());
        pupils << PupilHistory{PupilRegistry::NameOfLine(line), profile.Path(), {}};
        shared << profile.IsShared();
    }
    // The histories are read on every core: each file is parsed on its own.
    const int threads = std::max(1, std::min<int>(int(std::thread::hardware_concurrency()), 8));
    std::vector<std::thread> workers;
    std::atomic<qsizetype> next{0};
    PupilHistory* const read = pupils.data();
    const qsizetype count = pupils.size();
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (qsizetype i = next++; i < count; i = next++)
                read[i].rows = ReadHistoryFile(PupilProfile(read[i].profilePath).HistoryFile());
        });
    for (std::thread& w : workers)
        w.join();
    QList<PupilHistory> shown;
    for (qsizetype i = 0; i < pupils.size(); ++i)
        if (!shared[i] || !pupils[i].rows.isEmpty())
            shown << std::move(pupils[i]);
    return shown;
}

namespace {

// The figures of one exercise as its rows come by.
class FiguresCount {
public:
    void Add(const HistoryRow& row, const QDate& today)
    {
        times_.insert(row.when.toMSecsSinceEpoch());
        words_.insert(row.word);
        ++f_.answers;
        const bool first = row.verdict == HistoryVerdict::FirstTry;
        f_.firstTry += first ? 1 : 0;
        const QDate day = row.when.date();
        if (!f_.last.isValid() || day > f_.last)
            f_.last = day;
        const qint64 age = day.daysTo(today);
        if (age >= 0 && age < 14) {
            ++recent_;
            recentFirst_ += first ? 1 : 0;
        } else if (age >= 14 && age < 28) {
            ++before_;
            beforeFirst_ += first ? 1 : 0;
        }
    }
    ExerciseFigures Figures() const
    {
        ExerciseFigures f = f_;
        f.sessions = int(times_.size());
        f.words = int(words_.size());
        f.hasTrend = recent_ > 0 && before_ > 0;
        f.trend = f.hasTrend ? Percent(recentFirst_, recent_) - Percent(beforeFirst_, before_) : 0;
        return f;
    }

private:
    ExerciseFigures f_;
    QSet<qint64> times_;
    QSet<QString> words_;
    int recent_ = 0, recentFirst_ = 0, before_ = 0, beforeFirst_ = 0;
};

} // namespace

ExerciseFigures FiguresOf(const QList<HistoryRow>& rows, const QString& exercise, const QDate& today)
{
    FiguresCount count;
    for (const HistoryRow& row : rows)
        if (exercise.isEmpty() || row.exercise == exercise)
            count.Add(row, today);
    return count.Figures();
}

QHash<QString, ExerciseFigures> FiguresPerExercise(const QList<HistoryRow>& rows, const QDate& today)
{
    QHash<QString, FiguresCount> counts;
    FiguresCount all;
    // Rows of one block come together: look the exercise up once per run.
    const QString* lastName = nullptr;
    FiguresCount* last = nullptr;
    for (const HistoryRow& row : rows) {
        if (!lastName || *lastName != row.exercise) {
            lastName = &row.exercise;
            last = &counts[row.exercise];
        }
        last->Add(row, today);
        all.Add(row, today);
    }
    QHash<QString, ExerciseFigures> figures;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        figures.insert(it.key(), it.value().Figures());
    figures.insert(QString(), all.Figures());
    return figures;
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
