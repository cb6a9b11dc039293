#include "data/word_list_check.h"

#include "data/word_list.h"
#include "platform/text_codec.h"

namespace {

// Control characters other than tab and line ends mean a binary file.
bool LooksBinary(const QByteArray& bytes)
{
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n')
            return true;
    }
    return false;
}

QString NotAList(const QString& name, const QString& reason)
{
    return QStringLiteral("Die Datei \u201E%1\u201C ist keine Wortliste: %2").arg(name, reason);
}

} // namespace

QString WordListTooLarge(const QString& name)
{
    return NotAList(name, QStringLiteral("sie ist zu groß."));
}

QString WordListRefusal(const QByteArray& bytes, const QString& name)
{
    if (bytes.size() > kMaxListFileBytes)
        return WordListTooLarge(name);
    if (LooksBinary(bytes))
        return NotAList(name, QStringLiteral("sie enthält keinen Text."));
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    bool rows = false;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        if (lines[i].count(u';') + 1 >= WordEntry::kFieldCount)
            return QString();
        rows = true;
    }
    return rows ? NotAList(name, QStringLiteral("keine Zeile hat die sechs Felder einer Liste.")) : QString();
}
