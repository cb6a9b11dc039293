#include "framework/certificate_data.h"

#include "data/path_helpers.h"

namespace {

constexpr int kWordWidth = 20;

} // namespace

QString CertificateVerdict(const QString& answer)
{
    static const QString ok = QStringLiteral("-OK-");
    static const QString laterOk = QStringLiteral("; -OK-");
    static const QString again = QStringLiteral("nochmal üben");
    if (!answer.contains(ok))
        return again;
    if (!answer.contains(laterOk))
        return answer.contains(u'[') ? QStringLiteral("wiederholen") : ok;
    const QString afterFirst = answer.mid(answer.indexOf(u';') + 1);
    return afterFirst.contains(u';') ? again : QStringLiteral("beim 2. Versuch -OK-");
}

void WriteCertificateData(const QString& programName, const AnswerLists& answers,
                          const ResultsContext& context)
{
    if (!MayWriteResults(answers, context.profilePath))
        return;
    const QString path = ChangeExtension(context.profilePath, QStringLiteral(".zgn"));
    AppendToFile(path, [&](bool existed) {
        QStringList lines;
        if (context.headerFlag) {
            if (existed)
                lines << QString(64, u'-');
            lines << DayName(context.now.date().dayOfWeek()) + QStringLiteral(", den ") +
                         DateText(context.now.date()) + u' ';
            lines << QStringLiteral("Programm: ") + programName + QStringLiteral("     Zeit: ") +
                         TimeText(context.now.time());
        }
        lines << BlockRows(answers, context.listFileName, [](const QString& word, const QString& answer) {
            return word.leftJustified(kWordWidth) + QStringLiteral(" = ") + CertificateVerdict(answer);
        });
        return AsLines(lines);
    });
}
