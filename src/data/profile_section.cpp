#include "data/profile_section.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <climits>

ProfileSection::ProfileSection(const QString& file, QString section)
    : lines_(ReadTextLines(file)), section_(std::move(section))
{
}

int ProfileSection::Int(const QString& key, int defaultValue) const
{
    bool found = false;
    const QString v = Ini::ValueIn(lines_, section_, key, &found);
    if (!found)
        return defaultValue;
    qsizetype i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == u'-' || v[i] == u'+'))
        negative = v[i++] == u'-';
    const qsizetype digitsFrom = i;
    long long n = 0;
    for (; i < v.size() && v[i] >= u'0' && v[i] <= u'9'; ++i)
        n = std::min<long long>(n * 10 + (v[i].unicode() - u'0'), 1LL + INT_MAX);
    if (i == digitsFrom)
        return defaultValue;
    n = negative ? -n : n;
    return int(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

QString ProfileSection::Text(const QString& key, const QString& defaultValue, int maxLength) const
{
    bool found = false;
    const QString v = Ini::ValueIn(lines_, section_, key, &found);
    return found ? v.left(maxLength) : defaultValue;
}
