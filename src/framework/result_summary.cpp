#include "framework/result_summary.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

namespace {

// Texts put into the document: backslashes and braces (list names with
// folders) would be read as control words and groups, and RTF text is 7-bit,
// so characters beyond ASCII ("Spitzenmäßig!") are written as \'hh with
// their Windows-1252 code.
QString RtfText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const QByteArray bytes = EncodeCp1252(text);
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if (c == '\\' || c == '{' || c == '}')
            out += u'\\';
        if (c >= 0x80)
            out += QStringLiteral("\\'") + QString::number(c, 16);
        else
            out += QChar(c);
    }
    return out;
}

} // namespace

int SummaryPercentage(int totalPoints, int solvedCount)
{
    if (solvedCount <= 0)
        return 0;
    const long long q = totalPoints / solvedCount;
    const long long twiceRest = 2LL * (totalPoints % solvedCount);
    if (twiceRest > solvedCount || (twiceRest == solvedCount && q % 2 != 0))
        return int(q + 1);
    return int(q);
}

QString SummaryPraise(int percentage)
{
    if (percentage < 20)
        return QStringLiteral("Du hast es geschafft!");
    if (percentage < 40)
        return QStringLiteral("Erfolg haben macht Freude!");
    if (percentage < 60)
        return QStringLiteral("Prima!");
    if (percentage < 80)
        return QStringLiteral("Sehr gut!");
    return QStringLiteral("Spitzenmäßig!");
}

void WriteResultSummary(const QString& programName, int totalPoints, int solvedCount,
                        const ResultsContext& context)
{
    if (solvedCount <= 0 || !ProbeProfile(context.profilePath))
        return;
    const QString path = ChangeExtension(context.profilePath, QStringLiteral(".rtf"));
    const bool existed = FileExists(path);
    const QDate date = context.now.date();
    const QString dateLine = PlainDayName(date.dayOfWeek()) + QStringLiteral(", den ") + DateText(date) +
                             QStringLiteral(" \r\n");
    const int percentage = SummaryPercentage(totalPoints, solvedCount);

    QString text;
    if (!existed)
        text += QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}");
    if (context.headerFlag)
        text += (existed ? QString(64, u'-') + QStringLiteral("\r\n") : QString()) + dateLine;
    text += QStringLiteral("     Zeit: ") + TimeText(context.now.time()) + QStringLiteral(" \\par ");
    if (context.headerFlag)
        text += QStringLiteral("\\fs24   \\par Programm: ") + RtfText(programName);
    text += QStringLiteral("\\par \\fs22   \\par Datei: ") + RtfText(context.listFileName) + QStringLiteral("\r\n");
    text += QStringLiteral("\\fs36\\par \\par ") + QString(70, u'-') + QStringLiteral("\r\n");
    text += QStringLiteral("\\par \\par \\pard\\qc Du hast ") + QString::number(totalPoints).rightJustified(5) +
            QStringLiteral(" Punkte erreicht!\r\n");
    text += QStringLiteral("\\par \\fs30   \\par \r\n");
    text += QStringLiteral("Das ist ein Erfolgsergebnis von ") + QString::number(percentage) + QStringLiteral("%!\r\n");
    text += QStringLiteral("\\par \\par \\par \r\n");
    text += QStringLiteral("\\fs30\\b ") + RtfText(SummaryPraise(percentage)) + QStringLiteral("\\b0 \\par }\r\n");
    AppendToFile(path, text);
}
