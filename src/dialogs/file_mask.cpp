#include "dialogs/file_mask.h"

#include "platform/file_paths.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

bool PatternMatches(const QString& pattern, const QString& name)
{
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return true;
    return WildcardMatch(pattern, name);
}

QStringList Entries(const QString& folder, QDir::Filters filters)
{
    const QString native = NativePath(folder);
    if (native.isEmpty())
        return {};
    return QDir(native).entryList(filters | QDir::Hidden | QDir::System, QDir::NoSort);
}

} // namespace

QStringList MaskPatterns(const QString& mask)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList result;
    for (const QString& part : mask.split(separators, Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        if (!p.isEmpty())
            result.append(p);
    }
    if (result.isEmpty())
        result.append(QStringLiteral("*.*"));
    return result;
}

bool MaskMatches(const QString& mask, const QString& name)
{
    const QStringList patterns = MaskPatterns(mask);
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const QString& p) { return PatternMatches(p, name); });
}

bool FolderHasMatch(const QString& folder, const QString& mask)
{
    const QStringList patterns = MaskPatterns(mask);
    const QString search = patterns.size() == 1 ? patterns.first() : QStringLiteral("*.*");
    if (!QDir(NativePath(folder)).exists())
        return false;
    if (PatternMatches(search, QStringLiteral(".")))
        return true;   // every folder holds "." and ".."
    const QStringList entries = Entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const QString& e) { return PatternMatches(search, e); });
}

QStringList MatchingFileNames(const QString& folder, const QString& mask)
{
    QStringList result;
    for (const QString& e : Entries(folder, QDir::Files))
        if (MaskMatches(mask, e))
            result.append(e);
    std::sort(result.begin(), result.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return result;
}
