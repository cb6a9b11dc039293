#include "klassenuebersicht/protocol_import.h"

#include "data/pupil_profile.h"
#include "framework/history_csv.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Minutes are what the protocol keeps.
QDateTime ToMinute(const QDateTime& t)
{
    return WallClock(t.date(), QTime(t.time().hour(), t.time().minute()));
}

} // namespace

QList<HistoryRow> ParseProtocol(const QString& text)
{
    static const QRegularExpression dateLine(
        QStringLiteral("^\\*{3,}(Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag|Sonntag), den\\s*"
                       "(\\d{1,2})\\.\\s*(\\d{1,2})\\.(\\d{4})"));
    static const QRegularExpression programLine(QStringLiteral("^Programm: (.*?)\\s+Zeit: (\\d{1,2}):(\\d{2})"));
    static const QString listPrefix = QStringLiteral("Datei: ");
    static const QString equals = QStringLiteral(" = ");
    QList<HistoryRow> rows;
    QDate date;
    QTime time(0, 0);
    QString program, list;
    bool errorListNext = false;
    // The rows follow the list line; between the block's head and it stands
    // at most the settings summary, which is no answer.
    bool inRows = false;
    for (const QString& line : SplitLines(text)) {
        if (const auto m = dateLine.match(line); m.hasMatch()) {
            date = QDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(2).toInt());
            continue;
        }
        if (const auto m = programLine.match(line); m.hasMatch()) {
            program = m.captured(1).trimmed();
            time = QTime(m.captured(2).toInt(), m.captured(3).toInt());
            if (!time.isValid())
                time = QTime(0, 0);
            inRows = false;
            continue;
        }
        if (line.startsWith(listPrefix)) {
            list = errorListNext ? QStringLiteral("Fehlerliste") : line.mid(listPrefix.size()).trimmed();
            errorListNext = false;
            inRows = true;
            continue;
        }
        if (line.startsWith(QStringLiteral("----------"))) {
            // A long rule before the list line marks the error list.
            errorListNext = line.size() >= 64;
            continue;
        }
        const qsizetype at = line.indexOf(equals);
        if (line == QLatin1String(" ")) { // the next block after a change of list
            inRows = false;
            continue;
        }
        if (!inRows || at <= 0 || !date.isValid() || program.isEmpty())
            continue;
        const QString word = line.left(at).trimmed();
        const QString record = line.mid(at + equals.size());
        if (word.isEmpty() || record.isEmpty())
            continue;
        HistoryRow row = MakeHistoryRow(WallClock(date, time), program, list, word, record);
        row.imported = true;
        rows << row;
    }
    return rows;
}

int ImportProtocolIntoHistory(const QString& profilePath)
{
    const PupilProfile profile(profilePath);
    QFile protocol(NativePath(profile.ProtocolFile()));
    if (!protocol.open(QIODevice::ReadOnly))
        return 0;
    const QList<HistoryRow> found = ParseProtocol(DecodeCp1252(protocol.readAll()));
    if (found.isEmpty())
        return 0;
    int imported = 0;
    const bool written = UpdateFileAtomically(profile.HistoryFile(), [&](const QByteArray& bytes, bool) -> std::optional<QByteArray> {
        const QList<HistoryRow> history = ParseHistory(bytes);
        QDateTime first;
        for (const HistoryRow& row : history) {
            if (row.imported)
                return std::nullopt;
            if (!first.isValid() || row.when < first)
                first = row.when;
        }
        QByteArray added;
        for (const HistoryRow& row : found)
            if (!first.isValid() || ToMinute(row.when) < ToMinute(first)) {
                added += HistoryLine(row);
                ++imported;
            }
        if (!imported)
            return std::nullopt;
        // The older rows go first, right after the header; a file with
        // other columns than these rows is left alone.
        if (bytes.trimmed().isEmpty())
            return HistoryHeader() + added;
        if (!bytes.startsWith(HistoryHeader())) {
            imported = 0;
            return std::nullopt;
        }
        QByteArray rest = bytes.mid(HistoryHeader().size());
        if (!rest.isEmpty() && !rest.endsWith('\n'))
            rest += "\r\n";
        return HistoryHeader() + added + rest;
    });
    return written ? imported : 0;
}
