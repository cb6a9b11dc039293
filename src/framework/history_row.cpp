#include "framework/history_row.h"

#include <array>

namespace {

const QString kOk = QStringLiteral("-OK-");
const QString kSeparator = QStringLiteral("; ");

struct VerdictName {
    HistoryVerdict verdict;
    const char16_t* text;
};
const std::array<VerdictName, 4> kVerdicts = {{
    {HistoryVerdict::FirstTry, u"sofort richtig"},
    {HistoryVerdict::LaterRight, u"später richtig"},
    {HistoryVerdict::Wrong, u"falsch"},
    {HistoryVerdict::Helped, u"mit Hilfe"},
}};

QString TypedLine(const QString& segment, const QString& word)
{
    QStringList parts = segment.split(u' ', Qt::SkipEmptyParts);
    const qsizetype wanted = std::max<qsizetype>(1, word.split(u' ', Qt::SkipEmptyParts).size());
    // The keys typed come first and hold brackets; the line never does.
    qsizetype first = parts.size();
    while (first > 0 && parts.size() - first < wanted && !parts[first - 1].contains(u'['))
        --first;
    if (first == parts.size() && !parts.isEmpty())
        first = parts.size() - 1; // a line made only of brackets: keep it as typed
    QString line = parts.mid(first).join(u' ');
    line.remove(u'_');
    return line;
}

} // namespace

QString VerdictText(HistoryVerdict verdict)
{
    for (const VerdictName& v : kVerdicts)
        if (v.verdict == verdict)
            return QString::fromUtf16(v.text);
    return QString();
}

bool VerdictOfText(const QString& text, HistoryVerdict* verdict)
{
    static const std::array<QString, kVerdicts.size()> texts = [] {
        std::array<QString, kVerdicts.size()> t;
        for (size_t i = 0; i < kVerdicts.size(); ++i)
            t[i] = QString::fromUtf16(kVerdicts[i].text);
        return t;
    }();
    for (size_t i = 0; i < texts.size(); ++i)
        if (text == texts[i]) {
            *verdict = kVerdicts[i].verdict;
            return true;
        }
    return false;
}

HistoryVerdict VerdictOfRecord(const QString& record)
{
    const bool ok = record.contains(kOk);
    const bool attempts = record.contains(u';');
    if (ok && !attempts && !record.contains(u'['))
        return HistoryVerdict::FirstTry;
    if (ok && attempts)
        return HistoryVerdict::LaterRight;
    if (!attempts && record.contains(u'['))
        return HistoryVerdict::Helped;
    return ok ? HistoryVerdict::Helped : HistoryVerdict::Wrong;
}

bool IsTypingExercise(const QString& exercise)
{
    const QString name = exercise.trimmed();
    return name == u"Hören und Schreiben" || name == u"Lautierübung";
}

QStringList AttemptsOfRecord(const QString& exercise, const QString& record, const QString& word)
{
    QStringList segments = record.split(kSeparator);
    segments.removeLast(); // what follows the last wrong answer
    QStringList attempts;
    const bool typing = IsTypingExercise(exercise);
    for (const QString& segment : segments) {
        const QString attempt = typing ? TypedLine(segment, word) : segment.trimmed();
        if (!attempt.isEmpty())
            attempts << attempt;
    }
    return attempts;
}

QDateTime WallClock(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime WallClock(const QDateTime& local)
{
    return WallClock(local.date(), local.time());
}

HistoryRow MakeHistoryRow(const QDateTime& when, const QString& exercise, const QString& list,
                          const QString& word, const QString& record, const QStringList& typedAttempts)
{
    HistoryRow row;
    row.when = WallClock(when);
    row.exercise = exercise.trimmed();
    row.list = list;
    row.word = word.trimmed();
    row.verdict = VerdictOfRecord(record);
    row.attempts = AttemptsOfRecord(exercise, record, word) + typedAttempts;
    row.record = record;
    return row;
}
