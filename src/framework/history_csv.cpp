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

// Reads CSV text record by record (quotes may hold separators and line
// breaks; a quote inside a quoted field is doubled). Blank lines give no
// record.
class CsvReader {
public:
    explicit CsvReader(const QString& text) : text_(text), data_(text.constData()), n_(text.size()) {}

    bool Next(QStringList& fields)
    {
        fields.clear();
        while (i_ < n_ && (data_[i_] == u'\r' || data_[i_] == u'\n'))
            ++i_;
        if (i_ >= n_)
            return false;
        for (;;) {
            fields << Field();
            if (i_ < n_ && data_[i_] == kSeparator) {
                ++i_;
                continue;
            }
            return true; // at a line end or the end of the text
        }
    }

private:
    QString Field()
    {
        if (i_ < n_ && data_[i_] == u'"') {
            QString field;
            ++i_;
            while (i_ < n_) {
                if (data_[i_] == u'"') {
                    if (i_ + 1 < n_ && data_[i_ + 1] == u'"') {
                        field += u'"';
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                field += data_[i_++];
            }
            // Text after the closing quote belongs to the field too.
            while (i_ < n_ && !Ends(data_[i_]))
                field += data_[i_++];
            return field;
        }
        const qsizetype start = i_;
        while (i_ < n_ && !Ends(data_[i_]))
            ++i_;
        return text_.mid(start, i_ - start);
    }
    static bool Ends(QChar c) { return c == kSeparator || c == u'\r' || c == u'\n'; }

    const QString& text_;
    const QChar* data_;
    qsizetype n_;
    qsizetype i_ = 0;
};

// "yyyy-MM-dd" and "HH:mm:ss" read by hand: the format parsers of QDate and
// QTime cost more than the rest of a row.
int Digits(QStringView s, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype k = from; k < from + count; ++k) {
        const char16_t c = s[k].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

QDate DateOf(QStringView s)
{
    if (s.size() != 10 || s[4] != u'-' || s[7] != u'-')
        return {};
    const int y = Digits(s, 0, 4), m = Digits(s, 5, 2), d = Digits(s, 8, 2);
    return y < 0 || m < 0 || d < 0 ? QDate() : QDate(y, m, d);
}

QTime TimeOf(QStringView s)
{
    if (s.size() != 8 || s[2] != u':' || s[5] != u':')
        return {};
    const int h = Digits(s, 0, 2), m = Digits(s, 3, 2), sec = Digits(s, 6, 2);
    return h < 0 || m < 0 || sec < 0 ? QTime() : QTime(h, m, sec);
}

// The last value when text equals it (so the rows share it), else text,
// which becomes the last value.
QString Shared(const QString& text, QString& last)
{
    if (text != last)
        last = text;
    return last;
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
    const QString text = QString::fromUtf8(body);
    CsvReader reader(text);
    QList<HistoryRow> rows;
    int bad = 0;
    QStringList f;
    if (reader.Next(f)) {
        // Where each known column stands in this file; -1 when it lacks one.
        std::array<qsizetype, kColumns> at{};
        for (int c = 0; c < kColumns; ++c)
            at[size_t(c)] = f.indexOf(QString::fromUtf16(kNames[size_t(c)]));
        const bool usable = at[kDate] >= 0 && at[kWord] >= 0 && at[kVerdict] >= 0;
        rows.reserve(body.size() / 80);
        QString lastExercise, lastList;
        while (reader.Next(f)) {
            if (!usable) {
                ++bad;
                continue;
            }
            auto field = [&](Column c) { return at[c] >= 0 && at[c] < f.size() ? f[at[c]] : QString(); };
            HistoryRow row;
            const QDate date = DateOf(field(kDate));
            const QTime time = TimeOf(field(kTime));
            if (!date.isValid() || !VerdictOfText(field(kVerdict), &row.verdict) || f.size() <= at[kWord]) {
                ++bad;
                continue;
            }
            row.when = WallClock(date, time.isValid() ? time : QTime(0, 0));
            // The rows of a block repeat exercise and list: share one string.
            row.exercise = Shared(field(kExercise), lastExercise);
            row.list = Shared(field(kList), lastList);
            row.word = field(kWord);
            const QString attempts = field(kAttempts);
            if (!attempts.isEmpty())
                row.attempts = attempts.split(kAttemptSeparator);
            row.record = field(kRecord);
            row.imported = field(kOrigin) == kImported;
            rows << std::move(row);
        }
        if (!usable)
            ++bad;
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
