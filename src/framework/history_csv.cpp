#include "framework/history_csv.h"

#include "data/pupil_profile.h"
#include "platform/file_paths.h"

#include <QFile>

#include <array>

namespace {

constexpr char16_t kSeparator = u';';
const QString kImported = QStringLiteral("importiert");
const QString kAttemptSeparator = QStringLiteral("; ");

enum Column { kDate, kTime, kExercise, kList, kWord, kVerdict, kAttempts, kRecord, kOrigin, kColumns };
const std::array<const char16_t*, kColumns> kNames = {
    u"Datum", u"Zeit", u"Übung", u"Liste", u"Wort", u"Ergebnis", u"Versuche", u"Aufzeichnung", u"Herkunft"};

QString Quoted(const QString& field)
{
    if (!field.contains(kSeparator) && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray CsvLine(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            line += kSeparator;
        line += Quoted(fields[i]);
    }
    return line.toUtf8() + "\r\n";
}

namespace {

// Splits CSV text into records of fields (quotes may hold separators and
// line breaks; a quote inside a quoted field is doubled).
QList<QStringList> Records(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            quoted = true;
            any = true;
        } else if (c == kSeparator) {
            fields << field;
            field.clear();
            any = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            if (any || !field.isEmpty()) {
                fields << field;
                records << fields;
            }
            fields.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        fields << field;
        records << fields;
    }
    return records;
}

} // namespace

QString HistoryFileOf(const QString& profilePath)
{
    return PupilProfile(profilePath).HistoryFile();
}

QByteArray HistoryHeader()
{
    QStringList names;
    for (const char16_t* name : kNames)
        names << QString::fromUtf16(name);
    return QByteArray("\xEF\xBB\xBF") + CsvLine(names);
}

QByteArray HistoryLine(const HistoryRow& row)
{
    QStringList fields(kColumns);
    fields[kDate] = row.when.date().toString(Qt::ISODate);
    fields[kTime] = row.when.time().toString(QStringLiteral("HH:mm:ss"));
    fields[kExercise] = row.exercise;
    fields[kList] = row.list;
    fields[kWord] = row.word;
    fields[kVerdict] = VerdictText(row.verdict);
    fields[kAttempts] = row.attempts.join(kAttemptSeparator);
    fields[kRecord] = row.record;
    fields[kOrigin] = row.imported ? kImported : QString();
    return CsvLine(fields);
}

QList<HistoryRow> ParseHistory(const QByteArray& bytes, int* skipped)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QList<QStringList> records = Records(QString::fromUtf8(body));
    QList<HistoryRow> rows;
    int bad = 0;
    if (!records.isEmpty()) {
        // Where each known column stands in this file; -1 when it lacks one.
        std::array<qsizetype, kColumns> at{};
        for (int c = 0; c < kColumns; ++c)
            at[size_t(c)] = records[0].indexOf(QString::fromUtf16(kNames[size_t(c)]));
        const bool usable = at[kDate] >= 0 && at[kWord] >= 0 && at[kVerdict] >= 0;
        for (qsizetype r = 1; usable && r < records.size(); ++r) {
            const QStringList& f = records[r];
            auto field = [&](Column c) { return at[c] >= 0 && at[c] < f.size() ? f[at[c]] : QString(); };
            HistoryRow row;
            const QDate date = QDate::fromString(field(kDate), Qt::ISODate);
            const QTime time = QTime::fromString(field(kTime), QStringLiteral("HH:mm:ss"));
            if (!date.isValid() || !VerdictOfText(field(kVerdict), &row.verdict) || f.size() <= at[kWord]) {
                ++bad;
                continue;
            }
            row.when = QDateTime(date, time.isValid() ? time : QTime(0, 0));
            row.exercise = field(kExercise);
            row.list = field(kList);
            row.word = field(kWord);
            const QString attempts = field(kAttempts);
            if (!attempts.isEmpty())
                row.attempts = attempts.split(kAttemptSeparator);
            row.record = field(kRecord);
            row.imported = field(kOrigin) == kImported;
            rows << row;
        }
        if (!usable)
            bad += int(records.size());
    }
    if (skipped)
        *skipped = bad;
    return rows;
}

QList<HistoryRow> ReadHistoryFile(const QString& path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseHistory(file.readAll());
}
