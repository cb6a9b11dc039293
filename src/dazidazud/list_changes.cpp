#include "dazidazud/list_changes.h"

#include <QHash>
#include <QStringList>

namespace {

constexpr int kNamedAtMost = 8;

// A row's identity is its German word; the fields tell a changed row.
using Rows = QHash<QString, QStringList>;

Rows RowsByWord(const tmoiel& list)
{
    Rows rows;
    for (int i = 0; i < list.Count(); ++i) {
        const WordEntry* e = list.Entry(i);
        QStringList fields(e->fields.begin(), e->fields.end());
        rows.insert(e->fields[FieldWord].trimmed(), fields);
    }
    return rows;
}

QString Named(QStringList words)
{
    words.sort(Qt::CaseInsensitive);
    const qsizetype all = words.size();
    if (all > kNamedAtMost)
        words = words.mid(0, kNamedAtMost) << QStringLiteral("und %1 weitere").arg(all - kNamedAtMost);
    return words.join(QStringLiteral(", "));
}

QString Shown(const QString& word)
{
    return word.isEmpty() ? QStringLiteral("(leere Zeile)") : word;
}

} // namespace

QString ListChangeSummary(const tmoiel& before, const tmoiel& after)
{
    QStringList lines;
    if (before.title != after.title)
        lines << QStringLiteral("Titel: \u201E%1\u201C statt \u201E%2\u201C").arg(after.title, before.title);
    if (before.header2 != after.header2)
        lines << QStringLiteral("zweite Kopfzeile: \u201E%1\u201C statt \u201E%2\u201C").arg(after.header2, before.header2);
    const Rows old = RowsByWord(before), now = RowsByWord(after);
    QStringList added, removed, changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!old.contains(it.key()))
            added << Shown(it.key());
        else if (old.value(it.key()) != it.value())
            changed << Shown(it.key());
    }
    for (auto it = old.cbegin(); it != old.cend(); ++it)
        if (!now.contains(it.key()))
            removed << Shown(it.key());
    if (!added.isEmpty())
        lines << QStringLiteral("neu: %1").arg(Named(added));
    if (!removed.isEmpty())
        lines << QStringLiteral("entfernt: %1").arg(Named(removed));
    if (!changed.isEmpty())
        lines << QStringLiteral("geändert: %1").arg(Named(changed));
    if (lines.isEmpty() && before.Count() != after.Count())
        lines << QStringLiteral("%1 statt %2 Zeilen").arg(after.Count()).arg(before.Count());
    if (lines.isEmpty()) {
        // Same words, other order.
        for (int i = 0; i < before.Count() && i < after.Count(); ++i)
            if (before.Entry(i)->fields != after.Entry(i)->fields) {
                lines << QStringLiteral("Reihenfolge der Wörter");
                break;
            }
    }
    return lines.join(u'\n');
}

bool IsEmptyRow(const std::array<QString, WordEntry::kFieldCount>& fields)
{
    for (int f = 0; f < WordEntry::kFieldCount; ++f)
        if (f != FieldStyle && !fields[size_t(f)].trimmed().isEmpty())
            return false;
    return true;
}
