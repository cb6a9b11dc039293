#include "platform/ini_file.h"

#include "platform/text_codec.h"

#include <algorithm>
#include <climits>

namespace {

// "[name]" -> name; empty QString (null) when the line is no section header.
QString SectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return t.mid(1, close - 1);
    }
    return QString();
}

bool IsSection(const QString& line)
{
    return !SectionOf(line).isNull();
}

// Key of a "key=value" line, or a null string.
QString KeyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return QString();
    const QString t = line.trimmed();
    if (t.startsWith(u';'))
        return QString();
    return line.left(eq).trimmed();
}

// Names are compared without their surrounding blanks, as the classic calls do
// ("[Hören und Schreiben ]" is found as "Hören und Schreiben ").
bool SameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString CleanValue(QString v)
{
    v = v.trimmed();
    if (v.size() >= 2 && ((v.startsWith(u'"') && v.endsWith(u'"')) ||
                          (v.startsWith(u'\'') && v.endsWith(u'\''))))
        v = v.mid(1, v.size() - 2);
    return v;
}

// Index range [begin, end) of the lines of the first section named section
// (begin is the header line); begin = -1 when there is none.
std::pair<qsizetype, qsizetype> FindSection(const QStringList& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString s = SectionOf(lines[i]);
        if (!s.isNull() && SameName(s, section)) {
            qsizetype end = i + 1;
            while (end < lines.size() && !IsSection(lines[end]))
                ++end;
            return {i, end};
        }
    }
    return {-1, -1};
}

} // namespace

namespace Ini {

QString ValueIn(const QStringList& lines, const QString& section, const QString& key, bool* found)
{
    *found = false;
    const auto [begin, end] = FindSection(lines, section);
    if (begin < 0)
        return {};
    for (qsizetype i = begin + 1; i < end; ++i) {
        const QString k = KeyOf(lines[i]);
        if (!k.isNull() && SameName(k, key)) {
            *found = true;
            return CleanValue(lines[i].mid(lines[i].indexOf(u'=') + 1));
        }
    }
    return {};
}

QString ReadString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue, int maxLength)
{
    bool found = false;
    QString v = ValueIn(ReadTextLines(file), section, key, &found);
    if (!found)
        v = defaultValue;
    if (maxLength >= 0 && v.size() > maxLength)
        v.truncate(maxLength);
    return v;
}

int ReadInt(const QString& file, const QString& section, const QString& key, int defaultValue)
{
    bool found = false;
    const QString v = ValueIn(ReadTextLines(file), section, key, &found);
    return found ? IntOf(v, defaultValue) : defaultValue;
}

int IntOf(const QString& value, int defaultValue)
{
    const QString v = value.trimmed();
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
    return int(std::clamp<long long>(negative ? -n : n, INT_MIN, INT_MAX));
}

bool SetValueIn(QStringList& lines, const QString& section, const QString& key, const QString& value)
{
    const QString entry = key + u'=' + value;
    const auto [begin, end] = FindSection(lines, section);
    if (begin < 0) {
        lines.append(u'[' + section + u']');
        lines.append(entry);
        return true;
    }
    qsizetype lastKey = begin;
    for (qsizetype i = begin + 1; i < end; ++i) {
        const QString k = KeyOf(lines[i]);
        if (k.isNull())
            continue;
        if (SameName(k, key)) {
            if (lines[i] == entry)
                return false;
            lines[i] = entry;
            return true;
        }
        lastKey = i;
    }
    lines.insert(lastKey + 1, entry);
    return true;
}

// Every change is a read-modify-write under the profile's update lock, so two
// workstations writing keys of one profile at the same time keep both keys.
// A file that exists but cannot be read is never replaced: that would lose
// every other key in it.
bool WriteString(const QString& file, const QString& section, const QString& key,
                 const QString& value)
{
    return UpdateTextLines(file, [&](QStringList& lines) { return SetValueIn(lines, section, key, value); });
}

bool WriteInt(const QString& file, const QString& section, const QString& key, int value)
{
    return WriteString(file, section, key, QString::number(value));
}

bool DeleteKey(const QString& file, const QString& section, const QString& key)
{
    return UpdateTextLines(file, [&](QStringList& lines) {
        const auto [begin, end] = FindSection(lines, section);
        for (qsizetype i = begin + 1; begin >= 0 && i < end; ++i) {
            const QString k = KeyOf(lines[i]);
            if (!k.isNull() && SameName(k, key)) {
                lines.removeAt(i);
                return true;
            }
        }
        return false;
    });
}

bool DeleteSection(const QString& file, const QString& section)
{
    return UpdateTextLines(file, [&](QStringList& lines) {
        const auto [begin, end] = FindSection(lines, section);
        if (begin < 0)
            return false;
        lines.remove(begin, end - begin);
        return true;
    });
}

QStringList SectionNames(const QString& file)
{
    QStringList names;
    for (const QString& line : ReadTextLines(file)) {
        const QString s = SectionOf(line);
        if (!s.isNull())
            names.append(s);
    }
    return names;
}

QStringList KeyNames(const QString& file, const QString& section)
{
    const QStringList lines = ReadTextLines(file);
    const auto [begin, end] = FindSection(lines, section);
    QStringList keys;
    for (qsizetype i = begin + 1; begin >= 0 && i < end; ++i) {
        const QString k = KeyOf(lines[i]);
        if (!k.isNull())
            keys.append(k);
    }
    return keys;
}

} // namespace Ini
