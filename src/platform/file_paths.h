#pragma once
// Program paths and native paths.
//
// The program's texts and files carry Windows-style paths ("fun\memory\rueck2.wmf").
// Every helper accepts "\" and "/" as separators. A path is absolute when it
// starts with "/", holds ":" or holds two separators in a row at its start.
// Every file access goes through NativePath, which turns such a path into one
// the file system understands, matching each component without regard to case
// when the exact name does not exist, so content made on Windows works unchanged.
#include <QString>
#include <QStringList>

bool IsSeparator(QChar c);
bool IsAbsolutePath(const QString& path);

// "\" and "/" both become "/".
QString WithForwardSlashes(const QString& path);

// The native form of a program path: separators turned into "/", each existing
// component matched without regard to case when the exact name is missing.
// A component that matches nothing is kept as written (so new files can be
// created); the components after it are kept as written too.
QString NativePath(const QString& path);

// True when text matches the wildcard pattern ("*" any run, "?" one character),
// without regard to case.
bool WildcardMatch(const QString& pattern, const QString& text);

// Native paths of the files and folders matching path, whose last component may
// hold "*" and "?". Without wildcards: the one path when it exists.
QStringList MatchingPaths(const QString& path);

// Copies the folder `from` with everything below it into `to` (native paths;
// folders are made, files already in `to` are kept). The tools and benchmarks
// use it to work on a throw-away copy of a program folder.
void CopyFolderTree(const QString& from, const QString& to);

// What the disk or the server says of a file now (native path), past the
// attribute cache of a share client: whether it is there, its write time in
// nanoseconds and its size.
struct FreshStat {
    bool exists = false;
    qint64 mtimeNs = 0;
    qint64 size = 0;
    bool SameAs(const FreshStat& o) const { return exists == o.exists && mtimeNs == o.mtimeNs && size == o.size; }
};
FreshStat FreshStatOf(const QString& nativePath);
