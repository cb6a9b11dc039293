#include "platform/file_lock.h"

#include "platform/file_paths.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>
#include <atomic>

namespace {

std::atomic<int> g_timeoutMs{5000};
// A holder on another host is trusted this long; a write takes milliseconds.
constexpr int kStaleMs = 30000;
// A lock file that does not say who holds it: its writer died while making it.
constexpr int kUnnamedStaleMs = 2000;

} // namespace

QString FileUpdateLock::LockPathOf(const QString& path)
{
    return NativePath(path) + QStringLiteral(".lock");
}

FileUpdateLock::FileUpdateLock(const QString& path) : lock_(std::make_unique<QLockFile>(LockPathOf(path)))
{
    lock_->setStaleLockTime(kStaleMs);
    // Polled in short random steps: QLockFile's own waiting doubles its pauses
    // and lets a busy writer starve the others.
    QElapsedTimer waited;
    waited.start();
    while (!(locked_ = lock_->tryLock(0))) {
        if (lock_->error() == QLockFile::PermissionError || lock_->error() == QLockFile::UnknownError ||
            waited.elapsed() >= g_timeoutMs.load())
            break;
        // A holder killed between creating the lock file and writing who it
        // is leaves a file that names nobody; it is taken over once it is
        // clearly older than that moment.
        qint64 pid = 0;
        QString host, app;
        const QFileInfo info(LockPathOf(path));
        if (!lock_->getLockInfo(&pid, &host, &app) && info.exists() &&
            info.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnnamedStaleMs) {
            lock_->removeStaleLockFile();
            continue;
        }
        QThread::usleep(500 + QRandomGenerator::global()->bounded(3000));
    }
}

FileUpdateLock::~FileUpdateLock() = default;

int FileUpdateLock::TimeoutMs()
{
    return g_timeoutMs.load();
}

void FileUpdateLock::SetTimeoutMs(int ms)
{
    g_timeoutMs.store(ms);
}
