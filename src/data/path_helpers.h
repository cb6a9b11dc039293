#pragma once
// Path helpers. Paths are program paths: "\" and "/" are both separators and
// name comparisons ignore case. Files are reached through NativePath.
#include <QString>
#include <functional>

// Resolves a relative program path against the program folder: absolute paths
// (see IsAbsolutePath) and paths holding two backslashes stay unchanged; else
// one leading separator is dropped and each leading "..\" goes one folder up.
QString ResolvePath(const QString& path);
// Up to and including the last separator or ":"; the path itself without one.
QString FolderPart(const QString& path);
// Up to and including the last separator that stands before the last character.
QString ParentFolder(const QString& path);
QString WithoutTrailingSeparator(const QString& path);
// The name after the last separator (or ":").
QString FileNamePart(const QString& path);
// The extension with its dot ("" when there is none).
QString ExtensionPart(const QString& path);
QString ChangeExtension(const QString& path, const QString& extension);
// An ASCII file name for a German text: umlauts and "ß" written out ("Bär"
// gives "Baer"); empty when a character cannot stand in a file name.
QString AsciiFileName(const QString& text);
// Folder + name, with exactly one separator between them (the folder's own
// separator style is kept; "\" when it has none).
QString JoinPath(const QString& folder, const QString& name);

// True when at least one file or folder matches path ("*" and "?" allowed in the
// last component).
bool Exists(const QString& path);
bool FileExists(const QString& path);
bool FolderExists(const QString& path);
// ResolvePath(folder) + base + ext, or base + "1", "2", ... + ext, the first
// that does not exist.
QString UniqueFileName(const QString& folder, const QString& base, const QString& ext);
// As above, also skipping every name for which taken(name) is true.
QString UniqueFileName(const QString& folder, const QString& base, const QString& ext,
                       const std::function<bool(const QString&)>& taken);
// Deletes every file matching pattern; true when at least one was deleted.
bool DeleteMatching(const QString& pattern);
// path without the leading base when it exists and starts with base (ignoring
// case and the separator style); a trailing separator is dropped.
QString RelativeTo(const QString& base, const QString& path);
// path begins with the folder or path base (ignoring case and separator style).
bool StartsWithPath(const QString& path, const QString& base);
// Two program paths name the same place (case and separators ignored).
bool SamePath(const QString& a, const QString& b);
// The folder (native path) where name (ignoring case) is found first: folder's
// own files first, then its sub-folders depth first, in the order the file
// system lists them. Empty when it is nowhere.
QString FindFileDepthFirst(const QString& nativeFolder, const QString& name, int depth = 0);
// Creates the folder and all missing parents.
bool CreateFolders(const QString& folder);
// Copies a file; never overwrites when overwrite is false.
bool CopyFile(const QString& from, const QString& to, bool overwrite = false);
