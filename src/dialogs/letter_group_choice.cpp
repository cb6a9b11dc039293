#include "dialogs/letter_group_choice.h"

const QStringList& LetterGroupsInFileOrder()
{
    static const QStringList groups{
        QStringLiteral("ch"), QStringLiteral("pf"), QStringLiteral("sp"), QStringLiteral("ph"),
        QStringLiteral("ck"), QStringLiteral("tz"), QStringLiteral("st"), QStringLiteral("ai"),
        QStringLiteral("au"), QStringLiteral("äu"), QStringLiteral("ei"), QStringLiteral("eu"),
        QStringLiteral("ie"), QStringLiteral("oi"), QStringLiteral("qu"), QStringLiteral("sch")};
    return groups;
}

QStringList ChosenLetterGroups(const QStringList& lines)
{
    QStringList named;
    for (const QString& line : lines)
        named.append(line.trimmed().toLower());
    return LetterGroupLines(named);
}

QStringList LetterGroupLines(const QStringList& chosen)
{
    QStringList lines;
    for (const QString& group : LetterGroupsInFileOrder())
        if (chosen.contains(group))
            lines.append(group);
    return lines;
}
