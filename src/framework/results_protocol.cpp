#include "framework/results_protocol.h"

#include "data/path_helpers.h"
#include "platform/text_codec.h"

namespace {

constexpr int kKeptBlocks = 10;
constexpr int kWordWidth = 18;

bool IsBlockHeader(const QString& line)
{
    for (int day = 1; day <= 7; ++day)
        if (line.contains(QStringLiteral("***") + PlainDayName(day)))
            return true;
    return false;
}

} // namespace

void TrimProtocol(const QString& path)
{
    if (!FileExists(path))
        return;
    UpdateTextLines(path, [](QStringList& lines) {
        QList<qsizetype> headers;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (IsBlockHeader(lines[i]))
                headers.append(i);
        if (headers.size() < kKeptBlocks)
            return false;
        const qsizetype keepFrom = headers[headers.size() - kKeptBlocks];
        if (keepFrom <= 1)
            return false;
        lines.remove(1, keepFrom - 1);
        return true;
    });
}

void WriteProtocol(const QString& programName, const QString& headerText, const AnswerLists& answers,
                   const ResultsContext& context)
{
    if (programName == QLatin1String("Lesen lernen"))
        return;
    const QString path = ChangeExtension(context.profilePath, QStringLiteral(".txt"));
    TrimProtocol(path);
    if (!MayWriteResults(answers, context.profilePath))
        return;
    AppendToFile(path, [&](bool existed) {
        QStringList lines;
        if (context.headerFlag) {
            const QString date = DayName(context.now.date().dayOfWeek()) + QStringLiteral(", den ") +
                                 DateText(context.now.date());
            if (existed)
                lines << QString() << QString(54, u'*') << QStringLiteral("***") + date + u' ' + QString(24, u'*');
            else
                lines << QStringLiteral("***") + date + u' ' + QString(25, u'*');
            lines << QString()
                  << QStringLiteral("Programm: ") + programName + QStringLiteral("     Zeit: ") +
                         TimeText(context.now.time());
        } else {
            lines << QStringLiteral(" ");
        }
        if (!headerText.isEmpty())
            lines << headerText;
        lines << BlockRows(answers, context.listFileName, [](const QString& word, const QString& answer) {
            return word.leftJustified(kWordWidth) + QStringLiteral(" = ") + answer;
        });
        return AsLines(lines);
    });
}
