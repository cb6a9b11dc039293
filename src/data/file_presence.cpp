#include "data/file_presence.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

bool IsDotName(QStringView name)
{
    return name == u"." || name == u"..";
}

// Forms the listing does not resolve: "." and ".." components and doubled
// separators (network paths among them).
bool NeedsFileSystem(const QString& folder)
{
    if (folder.contains(QLatin1String("//")))
        return true;
    for (const QStringView part : QStringView(folder).split(u'/'))
        if (IsDotName(part))
            return true;
    return false;
}

} // namespace

FilePresence::Kind* FilePresence::Listing::Find(QString& name)
{
    auto kind = byName.find(name);
    if (kind == byName.end()) {
        const auto lower = byLower.constFind(name.isLower() ? name : name.toLower());
        if (lower == byLower.cend())
            return nullptr;
        name = *lower;
        kind = byName.find(name);
    }
    if (*kind == Kind::Unknown) {
        const QFileInfo info(native + name);
        *kind = info.isFile() ? Kind::File : info.isDir() ? Kind::Folder : Kind::Other;
    }
    return &*kind;
}

std::shared_ptr<FilePresence::Listing> FilePresence::List(const QString& native)
{
    auto listing = std::make_shared<Listing>();
    listing->native = native;
    const auto add = [&](const QString& name, Kind kind) {
        listing->byName.insert(name, kind);
        listing->byLower.insert(name.isLower() ? name : name.toLower(), name);
    };
    const QString folder = native.isEmpty() ? QStringLiteral(".") : native;
#ifdef Q_OS_UNIX
    // readdir gives the kind of most entries without a stat per file, which
    // matters for picture folders with thousands of files.
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* e = ::readdir(dir)) {
            const QString name = QFile::decodeName(e->d_name);
            if (IsDotName(name))
                continue;
            add(name, e->d_type == DT_REG ? Kind::File : e->d_type == DT_DIR ? Kind::Folder : Kind::Unknown);
        }
        ::closedir(dir);
    }
#else
    QDirIterator dir(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (dir.hasNext()) {
        dir.next();
        add(dir.fileName(), Kind::Unknown);
    }
#endif
    return listing;
}

FilePresence::Listing* FilePresence::ListingOf(const QString& folder)
{
    const auto known = listings_.constFind(folder);
    if (known != listings_.cend())
        return known->get();
    std::shared_ptr<Listing> listing;
    if (folder.isEmpty() || folder == u"/") {
        listing = List(folder);
    } else {
        const qsizetype cut = folder.lastIndexOf(u'/', -2);
        Listing* parent = ListingOf(folder.left(cut + 1));
        QString name = folder.mid(cut + 1, folder.size() - cut - 2);
        const Kind* kind = parent ? parent->Find(name) : nullptr;
        if (kind && *kind == Kind::Folder)
            listing = List(parent->native + name + u'/');
    }
    listings_.insert(folder, listing);
    return listing.get();
}

bool FilePresence::IsFileIn(const QString& folder, const QString& name)
{
    if (name.isEmpty() || IsDotName(name))
        return false;
    auto known = byGivenName_.constFind(folder);
    if (known == byGivenName_.cend()) {
        const QString f = WithForwardSlashes(folder);
        if (NeedsFileSystem(f))
            return FileExists(folder + name);
        known = byGivenName_.insert(folder, ListingOf(f));
    }
    Listing* listing = *known;
    QString n = name;
    const Kind* kind = listing ? listing->Find(n) : nullptr;
    return kind && *kind == Kind::File;
}

bool FilePresence::IsFile(const QString& path)
{
    const QString p = WithForwardSlashes(path);
    const qsizetype cut = p.lastIndexOf(u'/');
    return IsFileIn(p.left(cut + 1), p.mid(cut + 1));
}
