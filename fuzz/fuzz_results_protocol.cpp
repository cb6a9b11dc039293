// Results protocol: arbitrary bytes as an existing protocol, then one block
// is added. The first line must survive and at most the first line, ten
// earlier blocks and the new one may remain.
#include "framework/results_protocol.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

qsizetype Headers(const QStringList& lines)
{
    qsizetype n = 0;
    for (const QString& line : lines)
        if (line.contains(QStringLiteral("***Montag")) || line.contains(QStringLiteral("***Dienstag")) ||
            line.contains(QStringLiteral("***Mittwoch")) || line.contains(QStringLiteral("***Donnerstag")) ||
            line.contains(QStringLiteral("***Freitag")) || line.contains(QStringLiteral("***Samstag")) ||
            line.contains(QStringLiteral("***Sonntag")))
            ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString profile = dir.path() + QStringLiteral("/anna.ini");
    const QString protocol = dir.path() + QStringLiteral("/anna.txt");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(protocol);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    AnswerLists answers;
    answers.AddListMarker(QStringLiteral("tiere.txt"));
    answers.AddAnswer(QStringLiteral("Hnud; -OK-"), QStringLiteral("Hund"));
    const ResultsContext context{profile, QStringLiteral("tiere.txt"),
                                 QDateTime(QDate(2026, 11, 2), QTime(8, 0)), size % 2 == 0};
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), answers, context);

    QFile f(protocol);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    const QStringList before = SplitLines(DecodeCp1252(bytes));
    const QStringList after = SplitLines(DecodeCp1252(f.readAll()));
    // (A protocol without a final line end has the new block's first line
    // appended to its last line.)
    if (!before.isEmpty() && (after.isEmpty() || !after.first().startsWith(before.first())))
        std::abort();
    if (Headers(before) >= 10 && Headers(after) > 12)
        std::abort();
    return 0;
}
