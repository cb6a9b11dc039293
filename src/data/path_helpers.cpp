#include "data/path_helpers.h"

#include "data/program_state.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>

#include <algorithm>

namespace {

qsizetype LastSeparator(const QString& p, qsizetype before)
{
    for (qsizetype i = before; i >= 0; --i)
        if (IsSeparator(p[i]))
            return i;
    return -1;
}

bool StartsWithUp(const QString& p)
{
    return p.size() >= 3 && p[0] == u'.' && p[1] == u'.' && IsSeparator(p[2]);
}

QString Normalized(const QString& p)
{
    return WithForwardSlashes(p).toLower();
}

} // namespace

QString ResolvePath(const QString& path)
{
    if (IsAbsolutePath(path) || path.contains(QLatin1String("\\\\")))
        return path;
    QString rest = path;
    if (!rest.isEmpty() && IsSeparator(rest[0]))
        rest.remove(0, 1);
    QString folder = ProgramFolder();
    while (StartsWithUp(rest)) {
        rest.remove(0, 3);
        folder = ParentFolder(folder);
    }
    return folder + rest;
}

QString FolderPart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsSeparator(path[i]) || path[i] == u':')
            return path.left(i + 1);
    return path;
}

QString ParentFolder(const QString& path)
{
    const qsizetype i = LastSeparator(path, path.size() - 2);
    return i >= 0 ? path.left(i + 1) : path;
}

QString WithoutTrailingSeparator(const QString& path)
{
    if (!path.isEmpty() && IsSeparator(path.back()))
        return path.left(path.size() - 1);
    return path;
}

QString FileNamePart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsSeparator(path[i]) || path[i] == u':')
            return path.mid(i + 1);
    return path;
}

QString ExtensionPart(const QString& path)
{
    const QString name = FileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 ? name.mid(dot) : QString();
}

QString ChangeExtension(const QString& path, const QString& extension)
{
    const QString ext = ExtensionPart(path);
    return path.left(path.size() - ext.size()) + extension;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    QString n = name;
    while (!n.isEmpty() && IsSeparator(n[0]))
        n.remove(0, 1);
    if (IsSeparator(folder.back()))
        return folder + n;
    return folder + (folder.contains(u'/') ? u'/' : u'\\') + n;
}

bool Exists(const QString& path)
{
    return !path.isEmpty() && !MatchingPaths(path).isEmpty();
}

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(NativePath(path)).isFile();
}

bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(NativePath(path)).isDir();
}

QString UniqueFileName(const QString& folder, const QString& base, const QString& ext)
{
    return UniqueFileName(folder, base, ext, {});
}

QString UniqueFileName(const QString& folder, const QString& base, const QString& ext,
                       const std::function<bool(const QString&)>& taken)
{
    const QString f = ResolvePath(folder);
    QString candidate = f + base + ext;
    for (int n = 1; Exists(candidate) || (taken && taken(candidate)); ++n)
        candidate = f + base + QString::number(n) + ext;
    return candidate;
}

bool DeleteMatching(const QString& pattern)
{
    bool any = false;
    for (const QString& p : MatchingPaths(pattern))
        if (QFileInfo(p).isFile() && QFile::remove(p))
            any = true;
    return any;
}

QString RelativeTo(const QString& base, const QString& path)
{
    if (!Exists(path) || base.isEmpty())
        return path;
    if (!StartsWithPath(path, base))
        return path;
    return WithoutTrailingSeparator(path.mid(base.size()));
}

bool StartsWithPath(const QString& path, const QString& base)
{
    return path.size() >= base.size() && SamePath(path.left(base.size()), base);
}

bool SamePath(const QString& a, const QString& b)
{
    return Normalized(a) == Normalized(b);
}

bool CreateFolders(const QString& folder)
{
    return QDir().mkpath(NativePath(folder));
}

bool CopyFile(const QString& from, const QString& to, bool overwrite)
{
    const QString target = NativePath(to);
    if (QFileInfo::exists(target)) {
        if (!overwrite)
            return false;
        QFile::remove(target);
    }
    return QFile::copy(NativePath(from), target);
}

QString AsciiFileName(const QString& text)
{
    static const QList<QPair<QChar, QString>> map = {
        {u'ä', QStringLiteral("ae")}, {u'ö', QStringLiteral("oe")}, {u'ü', QStringLiteral("ue")},
        {u'Ä', QStringLiteral("Ae")}, {u'Ö', QStringLiteral("Oe")}, {u'Ü', QStringLiteral("Ue")},
        {u'ß', QStringLiteral("ss")}};
    QString out;
    for (const QChar c : text) {
        const auto it = std::find_if(map.begin(), map.end(), [c](const auto& m) { return m.first == c; });
        if (it != map.end())
            out += it->second;
        else if (c.unicode() >= 0x80 || c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|;").contains(c))
            return QString();
        else
            out += c;
    }
    return out;
}

QString FindFileDepthFirst(const QString& nativeFolder, const QString& name, int depth)
{
    if (depth > 32)
        return QString();
    const QDir dir(nativeFolder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& e : entries)
        if (e.isFile() && e.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return nativeFolder;
    for (const QFileInfo& e : entries)
        if (e.isDir() && !e.isSymLink()) {
            const QString found = FindFileDepthFirst(e.filePath(), name, depth + 1);
            if (!found.isEmpty())
                return found;
        }
    return QString();
}
