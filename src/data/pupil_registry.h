#pragma once
// The pupil registry "namen.txt" in the data root: one line per pupil, name
// "=" profile path. Lines without a name stay in the file but are not shown.
// Names are compared without regard to case; the first matching line wins.
//
// Several workstations may share the data root, so every write takes the
// registry's update lock (platform/file_lock.h), re-reads the file inside it,
// applies the one change to what it finds there and writes the result
// atomically: a pupil another workstation added a moment before is kept.
#include <QString>
#include <QStringList>
#include <functional>

class FileUpdateLock;

class PupilRegistry {
public:
    // Why a change could not be saved.
    enum class Failure {
        None,
        Busy,         // another workstation kept the registry locked
        Unwritable,   // the file could not be read or written
    };

    // The registry of a missing, unreadable or empty file.
    static const QString& DefaultLine();   // "Name=PROTOKOLL\JEDER.INI"
    static QString FilePath();             // DataRoot + "namen.txt"

    // Text before the first "=" (empty for a line without one); text after it.
    static QString NameOfLine(const QString& line);
    static QString ValueOfLine(const QString& line);

    // Takes the lines of a registry; no line (or only blank ones) gives the
    // default line.
    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }

    // Reads the file (the default when missing, unreadable or empty).
    void Load();

    // The non-empty names in file order.
    QStringList Names() const;
    // Index in Lines() of the first line with that name, or -1.
    qsizetype IndexOfName(const QString& name) const;
    bool Contains(const QString& name) const { return IndexOfName(name) >= 0; }
    // The value of the first line with that name; a null string when none.
    QString ValueOf(const QString& name) const;

    // Adds "name=value" unless the file already holds the name, and writes.
    // Returns the value now registered for the name (another workstation may
    // have registered it first); Lines() becomes the merged registry. When the
    // registry cannot be locked, read or written, nothing is added, not even
    // in memory: a null string, and failure tells why.
    QString SaveAdding(const QString& name, const QString& value, Failure* failure = nullptr);
    // The same with a value made only when the name is new, inside the lock
    // (the caller creates the pupil's profile there, so no other workstation
    // can take the same file name meanwhile). makeValue runs only there.
    QString SaveAdding(const QString& name, const std::function<QString()>& makeValue, Failure* failure = nullptr);
    // Removes the first line with the name from the file; false when the
    // registry could not be written (the file is then left as it was).
    // removeFiles runs inside the lock after the line has been written away,
    // with the value the line held.
    bool SaveRemoving(const QString& name, const std::function<void(const QString& value)>& removeFiles = {});

    // Runs work while holding the registry's update lock, with the registry
    // re-read; false (work not run) when it cannot be locked or read, and
    // failure tells which. The lock waits timeoutMs (the usual time when
    // negative).
    bool WithLockedRegistry(const std::function<void()>& work, Failure* failure = nullptr, int timeoutMs = -1);

private:
    // Re-reads the file for a write; false when it exists but is unreadable.
    bool Reread();
    // False also when the lock has been held too long to replace the file.
    bool Write() const;

    QStringList lines_ = {DefaultLine()};
    const FileUpdateLock* held_ = nullptr;   // during WithLockedRegistry
};
