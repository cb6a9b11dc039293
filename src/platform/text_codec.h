#pragma once
// Windows-1252 text: the program's files are single-byte Windows-1252 with
// CR LF line ends; in memory every text is a QString.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

QString DecodeCp1252(const QByteArray& bytes);
// Characters without a Windows-1252 code become "?".
QByteArray EncodeCp1252(const QString& text);
// True when c has a Windows-1252 code (and survives a write unchanged).
bool HasCp1252Code(QChar c);

// Splits text at CR LF, LF or CR. A line end after the last line does not
// give an extra empty line.
QStringList SplitLines(const QString& text);

// Result of reading a text file.
enum class ReadStatus { Ok, Missing, Unreadable };

// Reads a whole file (native path) as it is now on its disk or share, past
// any cache of the client; false when it cannot be read.
bool ReadWholeFile(const QString& nativePath, QByteArray* bytes);

// Reads a Windows-1252 text file (path in program form, see NativePath) into
// lines. Missing file: empty list and Missing; a folder or a file that cannot
// be opened: empty list and Unreadable.
QStringList ReadTextLines(const QString& path, ReadStatus* status = nullptr);

// Writes lines as Windows-1252 with CR LF after every line, atomically
// (temporary file, flush, rename). Creates missing parent folders when asked.
bool WriteTextLines(const QString& path, const QStringList& lines, bool createFolders = false);

// Writes raw bytes atomically.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, bool createFolders = false);

// A check every atomic write (and so every update) makes before it replaces
// a file: false refuses the write, which then fails and leaves the file as
// it is. The program uses it to keep a pupil's writes out of files that are
// no longer that pupil's. Pass an empty function to remove it.
using WriteGuard = std::function<bool(const QString& nativePath, bool exists)>;
void SetWriteGuard(WriteGuard guard);

// A read-modify-write of a shared file, all-or-nothing: under the file's
// update lock (platform/file_lock.h) the file is read, change turns its bytes
// (empty and existed false when the file is missing) into the new content,
// and that is written atomically. change returns nothing to leave the file as
// it is. False when the lock could not be had, the file exists but cannot be
// read, or the write failed; the file is then unchanged.
using FileChange = std::function<std::optional<QByteArray>(const QByteArray& bytes, bool existed)>;
bool UpdateFileAtomically(const QString& path, const FileChange& change, bool createFolders = false);

// The same on the lines of a Windows-1252 text file: change edits the lines
// and returns whether it changed them.
bool UpdateTextLines(const QString& path, const std::function<bool(QStringList& lines)>& change,
                     bool createFolders = false);

// The bytes of lines as WriteTextLines writes them.
QByteArray EncodeLines(const QStringList& lines);
