#include "platform/file_lock.h"

#include "platform/file_paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>
#include <atomic>
#include <cstdlib>

namespace {

std::atomic<int> g_timeoutMs{5000};
// A holder on another host is trusted this long; a write takes milliseconds.
constexpr int kStaleMs = 30000;
// A lock file that does not say who holds it: its writer died while making it.
constexpr int kUnnamedStaleMs = 2000;

// A writer that has waited a while says so in "<file>.lock.wait"; another
// writer that comes for the lock while that mark is fresh stands back, so a
// process that writes again and again cannot keep the others out for good.
constexpr int kMarkAfterMs = 20;     // waiting this long leaves the mark
constexpr int kMarkRefreshMs = 250;  // a waiter renews its mark this often
constexpr int kMarkFreshMs = 1000;   // older marks are of a waiter that died
constexpr int kStandBackMs = 1000;   // a writer stands back at most this long

// This writer in a mark: process, host and a random part for the thread.
QByteArray MarkOfWriter()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '@' + QSysInfo::machineHostName().toUtf8() +
           '#' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

bool MarkIsFresh(const QFileInfo& info)
{
    return info.exists() &&
           std::abs(info.lastModified().msecsTo(QDateTime::currentDateTime())) < kMarkFreshMs;
}

QByteArray ReadMark(const QString& markPath)
{
    QFile f(markPath);
    return f.open(QIODevice::ReadOnly) ? f.read(200) : QByteArray();
}

} // namespace

QString FileUpdateLock::LockPathOf(const QString& path)
{
    return NativePath(path) + QStringLiteral(".lock");
}


FileUpdateLock::FileUpdateLock(const QString& path) : lock_(std::make_unique<QLockFile>(LockPathOf(path)))
{
    lock_->setStaleLockTime(kStaleMs);
    const QString markPath = LockPathOf(path) + QStringLiteral(".wait");
    QByteArray me;   // made when this writer first meets or leaves a mark
    bool marked = false;
    QElapsedTimer waited, sinceMark;
    waited.start();
    // Polled in short random steps: QLockFile's own waiting doubles its pauses
    // and lets a busy writer starve the others.
    for (;;) {
        const QFileInfo mark(markPath);
        bool othersWait = waited.elapsed() < kStandBackMs && MarkIsFresh(mark);
        if (othersWait) {
            if (me.isEmpty())
                me = MarkOfWriter();
            othersWait = ReadMark(markPath) != me;
        }
        if (!othersWait && (locked_ = lock_->tryLock(0)))
            break;
        if (!othersWait && (lock_->error() == QLockFile::PermissionError || lock_->error() == QLockFile::UnknownError))
            break;
        if (waited.elapsed() >= g_timeoutMs.load())
            break;
        // A holder killed between creating the lock file and writing who it
        // is leaves a file that names nobody; it is taken over once it is
        // clearly older than that moment.
        qint64 pid = 0;
        QString host, app;
        const QFileInfo info(LockPathOf(path));
        if (!othersWait && !lock_->getLockInfo(&pid, &host, &app) && info.exists() &&
            info.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnnamedStaleMs) {
            lock_->removeStaleLockFile();
            continue;
        }
        if (!othersWait && waited.elapsed() >= kMarkAfterMs && (!marked || sinceMark.elapsed() >= kMarkRefreshMs)) {
            if (me.isEmpty())
                me = MarkOfWriter();
            QFile f(markPath);
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.write(me);
            marked = true;
            sinceMark.start();
        }
        QThread::usleep(500 + QRandomGenerator::global()->bounded(3000));
    }
    if (marked && ReadMark(markPath) == me)
        QFile::remove(markPath);
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
