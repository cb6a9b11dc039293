#include "platform/file_lock.h"

#include "platform/file_paths.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>
#include <atomic>

namespace {

std::atomic<int> g_timeoutMs{5000};
// A holder on another host is trusted this long; a write takes milliseconds.
constexpr int kStaleMs = 30000;

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
