#include "klassenuebersicht/pupil_summary.h"

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

// The counts of one exercise as its rows come by.
class TallyCount {
public:
    void Add(const HistoryRow& row)
    {
        times_.insert(row.when.toMSecsSinceEpoch());
        words_.insert(row.word);
        const bool first = row.verdict == HistoryVerdict::FirstTry;
        ++t_.answers;
        t_.firstTry += first ? 1 : 0;
        DayCount& day = days_[row.when.date()];
        ++day.answers;
        day.firstTry += first ? 1 : 0;
    }
    ExerciseTally Tally(const QString& exercise) const
    {
        ExerciseTally t = t_;
        t.exercise = exercise;
        t.sessions = int(times_.size());
        t.words = int(words_.size());
        for (const auto& [date, count] : days_)
            t.days << DayCount{date, count.answers, count.firstTry};
        if (!days_.empty())
            t.last = days_.rbegin()->first;
        return t;
    }

private:
    ExerciseTally t_;
    QSet<qint64> times_;
    QSet<QString> words_;
    std::map<QDate, DayCount> days_;
};

} // namespace

ExerciseFigures FiguresAt(const ExerciseTally& tally, const QDate& today)
{
    ExerciseFigures f;
    f.sessions = tally.sessions;
    f.last = tally.last;
    f.words = tally.words;
    f.answers = tally.answers;
    f.firstTry = tally.firstTry;
    int recent = 0, recentFirst = 0, before = 0, beforeFirst = 0;
    for (const DayCount& d : tally.days) {
        const qint64 age = d.day.daysTo(today);
        if (age >= 0 && age < 14) {
            recent += d.answers;
            recentFirst += d.firstTry;
        } else if (age >= 14 && age < 28) {
            before += d.answers;
            beforeFirst += d.firstTry;
        }
    }
    f.hasTrend = recent > 0 && before > 0;
    f.trend = f.hasTrend ? Percent(recentFirst, recent) - Percent(beforeFirst, before) : 0;
    return f;
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
    // Children repeat their misspellings: align each distinct one once.
    QHash<std::pair<QString, QString>, QList<ErrorKind>> known;
    for (const HistoryRow& row : rows) {
        if (!IsTypingExercise(row.exercise))
            continue;
        for (const QString& attempt : row.attempts) {
            const std::pair<QString, QString> key{row.word, attempt};
            auto it = known.constFind(key);
            if (it == known.cend())
                it = known.insert(key, ErrorKindsOf(row.word, attempt));
            for (ErrorKind kind : *it) {
                ErrorKindFigures& f = kinds[int(kind)];
                ++f.count;
                const QString example = attempt + QStringLiteral(" (") + row.word + u')';
                if (f.examples.size() < examplesPerKind && !f.examples.contains(example))
                    f.examples << example;
            }
        }
    }
    kinds.removeIf([](const ErrorKindFigures& f) { return f.count == 0; });
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const ErrorKindFigures& a, const ErrorKindFigures& b) { return a.count > b.count; });
    return kinds;
}

PupilSummary SummaryOf(const QList<HistoryRow>& rows)
{
    PupilSummary s;
    TallyCount all;
    QList<std::pair<QString, TallyCount>> perExercise;
    // Rows of one block come together: look the exercise up once per run.
    qsizetype current = -1;
    QHash<QString, int> missed;
    QStringList missedOrder;
    for (const HistoryRow& row : rows) {
        if (current < 0 || perExercise[current].first != row.exercise) {
            current = std::find_if(perExercise.cbegin(), perExercise.cend(),
                                   [&](const auto& e) { return e.first == row.exercise; }) -
                      perExercise.cbegin();
            if (current == perExercise.size())
                perExercise.append({row.exercise, TallyCount()});
        }
        perExercise[current].second.Add(row);
        all.Add(row);
        if (row.verdict != HistoryVerdict::FirstTry) {
            int& count = missed[row.word];
            if (count++ == 0)
                missedOrder << row.word;
        }
    }
    s.all = all.Tally(QString());
    for (const auto& [name, count] : perExercise)
        s.exercises << count.Tally(name);
    s.weeks = WeeklyFigures(rows);
    s.stillWrong = WordsStillWrong(rows);
    s.kinds = ErrorKindsOfRows(rows);
    for (const QString& word : missedOrder)
        s.missed << WordMisses{word, missed.value(word)};
    return s;
}
