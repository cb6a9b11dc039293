#include "platform/file_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool PathExists(const QString& native)
{
    struct stat st;
    return ::stat(QFile::encodeName(native).constData(), &st) == 0;
}

// Finds the entry of folder whose name equals name without regard to case.
QString FindEntryIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return {};
}

} // namespace

bool IsSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

bool IsAbsolutePath(const QString& path)
{
    if (path.startsWith(u'/') || path.contains(u':'))
        return true;
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

QString WithForwardSlashes(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString NativePath(const QString& path)
{
    QString p = WithForwardSlashes(path);
    if (p.isEmpty() || PathExists(p))
        return p;
    const bool absolute = p.startsWith(u'/');
    const bool trailing = p.endsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString built = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = built + part;
        if (matching && part != u"." && part != u".." && !PathExists(candidate)) {
            const QString found = FindEntryIgnoringCase(built.isEmpty() ? QStringLiteral(".") : built, part);
            if (found.isEmpty())
                matching = false;
            else
                candidate = built + found;
        }
        built = candidate;
        if (i + 1 < parts.size())
            built += u'/';
    }
    if (trailing && !built.endsWith(u'/'))
        built += u'/';
    return built;
}

bool WildcardMatch(const QString& pattern, const QString& text)
{
    // Iterative matcher with backtracking on the last "*".
    qsizetype p = 0, t = 0, star = -1, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' ||
                                   pattern[p].toLower() == text[t].toLower())) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

QStringList MatchingPaths(const QString& path)
{
    const QString p = WithForwardSlashes(path);
    const qsizetype cut = p.lastIndexOf(u'/');
    const QString last = p.mid(cut + 1);
    if (!last.contains(u'*') && !last.contains(u'?')) {
        const QString native = NativePath(p);
        return PathExists(native) ? QStringList{native} : QStringList{};
    }
    QString folder = cut >= 0 ? p.left(cut + 1) : QString();
    const QString nativeFolder = folder.isEmpty() ? QString() : NativePath(folder);
    const QDir dir(nativeFolder.isEmpty() ? QStringLiteral(".") : nativeFolder);
    QStringList result;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& e : entries)
        if (WildcardMatch(last, e))
            result.append(nativeFolder + e);
    return result;
}

void CopyFolderTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& e : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + e.fileName();
        if (e.isDir())
            CopyFolderTree(e.filePath(), target);
        else
            QFile::copy(e.filePath(), target);
    }
}

FreshStat FreshStatOf(const QString& nativePath)
{
    // AT_STATX_FORCE_SYNC makes a FUSE or NFS client ask its server instead
    // of answering from what it remembers of the file.
    struct statx st {};
    if (::statx(AT_FDCWD, QFile::encodeName(nativePath).constData(), AT_STATX_FORCE_SYNC,
                STATX_MTIME | STATX_SIZE, &st) != 0)
        return {};
    return {true, qint64(st.stx_mtime.tv_sec) * 1000000000 + st.stx_mtime.tv_nsec, qint64(st.stx_size)};
}
