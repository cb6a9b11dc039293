#pragma once
// Mutual exclusion for a read-modify-write of a shared file. Several
// workstations may work in one data folder at once, on a local disk, on NFS
// or on an SMB share, so every change that reads a file, alters it and writes
// it back holds the lock "<file>.lock" beside it meanwhile.
//
// The lock is a folder with an empty file in it that names the holder; a
// writer makes it under a name of its own and renames it onto "<file>.lock",
// which is atomic on every file system schools use (an exclusive create is
// not, through some SMB clients). Waiting writers only try the rename again
// and look at the lock's times, and list it to learn the holder
// only to judge it stale; nobody opens a file of it, which on SMB would stop
// its holder from removing it. A stale lock (its holder on this host is gone,
// it names nobody, or it is older than the longest hold) is taken over under
// a marker made for that one lock, which checks again that the lock is still
// the same before removing it.
// docs/architecture.md ("Several workstations on one data folder") tells
// what this relies on from the file system.
//
// When the lock cannot be had within the timeout the file counts as one that
// cannot be written; callers report that and keep what they meant to write.
#include <QByteArray>
#include <QString>

class FileUpdateLock {
public:
    // Waits at most timeoutMs (TimeoutMs() when negative).
    explicit FileUpdateLock(const QString& path, int timeoutMs = -1);
    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;

    bool Locked() const { return locked_; }
    // Not locked because another writer kept the lock for the whole wait
    // (rather than because the folder cannot take the lock file).
    bool Busy() const { return busy_; }
    // Still safely held: locked, and for less than the longest hold, after
    // which another writer may judge the lock stale. A write checks it just
    // before it replaces the file.
    bool Holds() const;

    // The lock file of a program path.
    static QString LockPathOf(const QString& path);
    // How long a write waits for another one (default 3 s); tests shorten it.
    static int TimeoutMs();
    static void SetTimeoutMs(int ms);
    // Locks held longer than this are stale for everybody else.
    static int StaleMs();

    // Removes the lock at lockFile when it is stale at first sight (its
    // holder on this host is gone, it names nobody and is not new, or it is
    // older than StaleMs()), the way a waiting writer takes it over. The start
    // uses it to clear what a killed holder left. True when it went.
    static bool RemoveIfStale(const QString& lockFile);

private:
    QString lockPath_;
    QByteArray token_;
    qint64 lockedAtMs_ = 0;
    bool locked_ = false;
    bool busy_ = false;
};
