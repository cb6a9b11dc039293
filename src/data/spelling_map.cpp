#include "data/spelling_map.h"

#include <algorithm>

SpellingMapList& SpellingMap()
{
    static SpellingMapList map;
    return map;
}

void SpellingMapList::Add(const QString& converted, const QString& original)
{
    const QString line = converted + u'=' + original;
    const auto less = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    };
    auto it = std::lower_bound(lines_.begin(), lines_.end(), line, less);
    for (auto j = it; j != lines_.end() && j->compare(line, Qt::CaseInsensitive) == 0; ++j)
        if (*j == line)
            return;
    lines_.insert(it, line);
}

QString SpellingMapList::ValueOf(const QString& converted) const
{
    for (const QString& line : lines_) {
        const qsizetype eq = line.indexOf(u'=');
        if (line.left(eq).compare(converted, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return QString();
}
