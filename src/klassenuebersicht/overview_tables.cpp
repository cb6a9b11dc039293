#include "klassenuebersicht/overview_tables.h"

#include "framework/history_csv.h"

namespace {

QStringList Texts(const QVariantList& cells)
{
    QStringList texts;
    for (const QVariant& v : cells)
        texts << (v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd.MM.yyyy")) : v.toString());
    return texts;
}

QByteArray Lines(const Table& table)
{
    QByteArray bytes = CsvLine(table.header);
    for (const QVariantList& row : table.rows)
        bytes += CsvLine(Texts(row));
    return bytes;
}

const QByteArray kBom("\xEF\xBB\xBF");

} // namespace

QString TrendText(const ExerciseFigures& f)
{
    if (!f.hasTrend)
        return QString();
    if (f.trend == 0)
        return QStringLiteral("±0");
    return f.trend > 0 ? QStringLiteral("+%1").arg(f.trend) : QStringLiteral("−%1").arg(-f.trend);
}

Table ClassTable(const QList<PupilHistory>& pupils, const QStringList& exercises, const QDate& today)
{
    Table t;
    t.header << QStringLiteral("Name") << QStringLiteral("zuletzt geübt") << QStringLiteral("Antworten")
             << QStringLiteral("sofort richtig %");
    for (const QString& e : exercises)
        t.header << e + QStringLiteral(": Sitzungen") << e + QStringLiteral(": zuletzt") << e + QStringLiteral(": Wörter")
                 << e + QStringLiteral(": sofort richtig %") << e + QStringLiteral(": Trend 4 Wochen");
    for (const PupilHistory& p : pupils) {
        const ExerciseFigures all = FiguresOf(p.summary, QString(), today);
        QVariantList row;
        row << p.name << (all.last.isValid() ? QVariant(all.last) : QVariant(QString())) << all.answers
            << (all.answers ? QVariant(all.FirstTryPercent()) : QVariant(QString()));
        for (const QString& e : exercises) {
            const ExerciseFigures f = FiguresOf(p.summary, e, today);
            if (!f.answers) {
                row << QString() << QString() << QString() << QString() << QString();
                continue;
            }
            row << f.sessions << f.last << f.words << f.FirstTryPercent() << TrendText(f);
        }
        t.rows << row;
    }
    return t;
}

Table WeeksTable(const QList<WeekFigures>& weeks)
{
    Table t{{QStringLiteral("Woche ab"), QStringLiteral("Antworten"), QStringLiteral("sofort richtig %")}, {}};
    for (const WeekFigures& w : weeks)
        t.rows << QVariantList{w.monday, w.answers,
                               w.answers ? QVariant((w.firstTry * 100 + w.answers / 2) / w.answers) : QVariant(QString())};
    return t;
}

Table ErrorKindsTable(const QList<ErrorKindFigures>& kinds)
{
    Table t{{QStringLiteral("Fehlerart"), QStringLiteral("Anzahl"), QStringLiteral("Beispiele")}, {}};
    for (const ErrorKindFigures& k : kinds)
        t.rows << QVariantList{ErrorKindName(k.kind), k.count, k.examples.join(QStringLiteral(", "))};
    return t;
}

Table MissedWordsTable(const QList<MissedWord>& words)
{
    Table t{{QStringLiteral("Wort"), QStringLiteral("Schüler"), QStringLiteral("falsche Antworten")}, {}};
    for (const MissedWord& w : words)
        t.rows << QVariantList{w.word, w.pupils, w.wrong};
    return t;
}

QByteArray TableCsv(const Table& table)
{
    return kBom + Lines(table);
}

QByteArray PupilPageCsv(const PupilHistory& pupil)
{
    QByteArray bytes = kBom + CsvLine({pupil.name});
    bytes += CsvLine({}) + CsvLine({QStringLiteral("Wochen")}) + Lines(WeeksTable(pupil.summary.weeks));
    Table wrong{{QStringLiteral("noch falsch")}, {}};
    for (const QString& w : pupil.summary.stillWrong)
        wrong.rows << QVariantList{w};
    bytes += CsvLine({}) + Lines(wrong);
    bytes += CsvLine({}) + Lines(ErrorKindsTable(pupil.summary.kinds));
    return bytes;
}
