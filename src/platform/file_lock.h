#pragma once
// Mutual exclusion for a read-modify-write of a shared file. Several
// workstations may work in one data folder at once, so every change that
// reads a file, alters it and writes it back holds the lock file
// "<file>.lock" beside it meanwhile. A lock left behind by a process that
// died is taken over (same host: the process is gone; another host: the
// lock is older than the stale time). When the lock cannot be had within
// the timeout the file counts as one that cannot be written.
#include <QString>
#include <memory>

class QLockFile;

class FileUpdateLock {
public:
    explicit FileUpdateLock(const QString& path);
    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;

    bool Locked() const { return locked_; }

    // The lock file of a program path.
    static QString LockPathOf(const QString& path);
    // How long a write waits for another one (default 5 s); tests shorten it.
    static int TimeoutMs();
    static void SetTimeoutMs(int ms);

private:
    std::unique_ptr<QLockFile> lock_;
    bool locked_ = false;
};
