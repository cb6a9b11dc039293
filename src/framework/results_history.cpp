#include "framework/results_history.h"

#include "framework/history_csv.h"
#include "platform/text_codec.h"

QList<HistoryRow> HistoryRowsOf(const QString& programName, const AnswerLists& answers,
                                const ResultsContext& context)
{
    QList<HistoryRow> rows;
    QString list = context.listFileName;
    for (int i = 0; i < answers.Count(); ++i) {
        const QString& word = answers.words[i];
        const QString& answer = answers.answers[i];
        if (word.isEmpty()) {
            list = answer.contains(QLatin1String("Fehlerliste")) ? QStringLiteral("Fehlerliste") : answer.trimmed();
            if (list.isEmpty())
                list = context.listFileName;
            continue;
        }
        if (!answer.isEmpty())
            rows << MakeHistoryRow(context.now, programName, list, word, answer,
                                   i < answers.typed.size() ? answers.typed[i] : QStringList());
    }
    return rows;
}

bool AppendHistoryRows(const QString& path, const QList<HistoryRow>& rows)
{
    if (rows.isEmpty())
        return true;
    QByteArray added;
    for (const HistoryRow& row : rows)
        added += HistoryLine(row);
    return UpdateFileAtomically(path, [&](const QByteArray& bytes, bool) -> std::optional<QByteArray> {
        if (bytes.isEmpty())
            return HistoryHeader() + added;
        // A last row cut short by hand (no line end) must not swallow the first new one.
        return bytes.endsWith('\n') || bytes.endsWith('\r') ? bytes + added : bytes + "\r\n" + added;
    });
}

bool AppendResultsHistory(const QString& programName, const AnswerLists& answers, const ResultsContext& context)
{
    if (programName.trimmed() == QLatin1String("Lesen lernen"))
        return true;
    return AppendHistoryRows(HistoryFileOf(context.profilePath), HistoryRowsOf(programName, answers, context));
}
