#include "platform/file_lock.h"

#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <map>
#include <mutex>
#include <set>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<int> g_timeoutMs{3000};

// A write holds its lock for milliseconds; one that has held it this long
// gives up before it replaces its file (Holds()).
constexpr int kMaxHoldMs = 5000;
// Older locks are stale whoever holds them: the longest hold, the attribute
// caches of SMB clients (seconds) and a margin.
constexpr int kStaleMs = 20000;
// A lock seen this long is read once to learn whether its holder lives.
constexpr int kReadHolderAfterMs = 300;
// A lock file that names nobody: its writer died while making it.
constexpr int kUnnamedStaleMs = 2000;
// A takeover marker this old belongs to a writer that died during a takeover.
constexpr int kMarkerStaleMs = 5000;

// A writer that has waited a while says so in "<file>.lock.wait"; another
// writer that comes for the lock while that mark is fresh stands back, so a
// process that writes again and again cannot keep the others out for good.
constexpr int kMarkAfterMs = 20;     // waiting this long leaves the mark
constexpr int kMarkRefreshMs = 150;  // a waiter renews its mark this often
constexpr int kMarkFreshMs = 600;    // older marks are of a waiter that died
constexpr int kStandBackMs = 300;    // a writer stands back at most this long

qint64 SteadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 WallNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

void Pause(int minUs, int spreadUs)
{
    QThread::usleep(ulong(minUs + int(QRandomGenerator::global()->bounded(spreadUs))));
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

QString FolderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// What the server shows of a file: whether it is there and its write time
// and size, which tell one lock file from the next one at the same name.
using Seen = FreshStat;

Seen StatOf(const QString& path)
{
    return FreshStatOf(path);
}

// The file server's clock against ours, per folder, learnt from the write
// times of files this process makes there; ages of other files are measured
// on the server's clock, so a workstation whose clock is off does not judge
// a fresh lock old.
std::mutex g_mutex;   // guards the four below
std::map<QString, qint64> g_offsets;
// The tokens of the locks this process holds.
std::set<QByteArray> g_heldTokens;
// Lock files this process could not remove when it let them go (the share
// was away): removed at its next lock or at its end, and judged stale at once
// by this process meanwhile.
struct Leftover {
    QString path;
    QByteArray token;
};
std::vector<Leftover> g_leftovers;

void LearnOffset(const QString& folder, qint64 fileMtimeNs, qint64 beforeNs, qint64 afterNs)
{
    const std::lock_guard<std::mutex> guard(g_mutex);
    g_offsets[folder] = fileMtimeNs - (beforeNs + afterNs) / 2;
}

// Age of a write time on the server's clock; negative when it lies ahead.
qint64 ServerAgeMs(const QString& folder, qint64 mtimeNs)
{
    qint64 offset = 0;
    {
        const std::lock_guard<std::mutex> guard(g_mutex);
        const auto it = g_offsets.find(folder);
        if (it != g_offsets.end())
            offset = it->second;
    }
    return (WallNs() + offset - mtimeNs) / 1000000;
}

bool HoldsToken(const QByteArray& token)
{
    const std::lock_guard<std::mutex> guard(g_mutex);
    return g_heldTokens.count(token) > 0;
}

void NoteHeld(const QByteArray& token, bool held)
{
    const std::lock_guard<std::mutex> guard(g_mutex);
    if (held)
        g_heldTokens.insert(token);
    else
        g_heldTokens.erase(token);
}

// This host as lock names carry it: letters, digits, "-" and ".", since some
// SMB clients hand other characters back escaped.
const QByteArray& HostName()
{
    static const QByteArray host = [] {
        QByteArray h = QSysInfo::machineHostName().toUtf8();
        for (char& c : h)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.')
                c = '-';
        return h;
    }();
    return host;
}

// Who holds a lock. The lock is a folder "<file>.lock" (see Candidate), and
// the holder is named by an empty file in it,
// "<pid>_<host>_<token>", the token new for every lock: a waiter learns the
// holder from the folder's listing without opening any file. A lock file
// "<file>.lock" of an earlier version names its holder in its text (pid,
// program, host).
struct Holder {
    bool read = false;     // the lock could be looked into
    bool named = false;    // it names a holder
    qint64 pid = 0;
    QByteArray host;
    QByteArray token;
    Seen seen;             // of the lock as read
};

QByteArray HolderEntry(const QByteArray& token)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '_' + HostName() + '_' + token;
}

QStringList EntriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

Holder ReadHolder(const QString& lockPath)
{
    Holder h;
    QFileInfo info(lockPath);
    if (info.isDir()) {
        h.seen = StatOf(lockPath);
        h.read = h.seen.exists;
        for (const QString& entry : EntriesOf(lockPath)) {
            const QByteArray e = QFile::encodeName(entry);
            const qsizetype at = e.indexOf('_');
            const qsizetype hash = e.lastIndexOf('_');
            if (at <= 0 || hash < at)
                continue;
            bool ok = false;
            h.pid = e.left(at).toLongLong(&ok);
            h.named = ok && h.pid > 0 && hash + 1 < e.size();
            h.host = e.mid(at + 1, hash - at - 1);
            h.token = e.mid(hash + 1);
            break;
        }
        return h;
    }
    // Read past the client's cache, and closed at once: an SMB client cannot
    // delete a file held open.
    QByteArray text;
    if (!ReadWholeFile(lockPath, &text))
        return h;
    h.read = true;
    h.seen = StatOf(lockPath);
    const QList<QByteArray> lines = text.left(512).split('\n');
    if (lines.size() >= 4) {
        bool ok = false;
        h.pid = lines[0].toLongLong(&ok);
        h.named = ok && h.pid > 0;
        h.host = lines[2];
        h.token = text;
    }
    return h;
}

bool ProcessLives(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Deletes a file, or a lock folder with what is in it, trying again for a
// while when the share says it is busy (someone has it open this very
// moment) or cannot be reached.
bool RemoveFile(const QString& path, int budgetMs)
{
    const qint64 end = SteadyMs() + budgetMs;
    for (;;) {
        const QByteArray native = Native(path);
        if (QFileInfo(path).isDir()) {
            for (const QString& entry : EntriesOf(path))
                ::unlink(Native(path + u'/' + entry).constData());
            if (::rmdir(native.constData()) == 0 || errno == ENOENT)
                return true;
        } else if (::unlink(native.constData()) == 0 || errno == ENOENT) {
            return true;
        }
        if (SteadyMs() >= end)
            return false;
        Pause(1000, 2000);
    }
}

// Lets a lock go: its own entry first, then the folder, which stays when
// another writer's lock has taken its place meanwhile (an empty lock folder
// can be renamed over on a local disk).
bool Release(const QString& lockPath, const QByteArray& token, int budgetMs)
{
    const qint64 end = SteadyMs() + budgetMs;
    const QByteArray entry = Native(lockPath + u'/' + QString::fromUtf8(HolderEntry(token)));
    for (;;) {
        if (::unlink(entry.constData()) == 0 || errno == ENOENT) {
            if (::rmdir(Native(lockPath).constData()) == 0 || errno == ENOENT || errno == ENOTEMPTY ||
                errno == EEXIST)
                return true;
        }
        if (SteadyMs() >= end)
            return false;
        Pause(1000, 2000);
    }
}

void RemoveLeftovers()
{
    std::vector<Leftover> left;
    {
        const std::lock_guard<std::mutex> guard(g_mutex);
        left.swap(g_leftovers);
    }
    std::vector<Leftover> still;
    for (const Leftover& l : left) {
        const Holder h = ReadHolder(l.path);
        if (!h.read && !StatOf(l.path).exists)
            continue;
        if (h.read && h.token != l.token)
            continue;   // taken over meanwhile
        if (!Release(l.path, l.token, 20))
            still.push_back(l);
    }
    const std::lock_guard<std::mutex> guard(g_mutex);
    for (const Leftover& l : still)
        g_leftovers.push_back(l);
}

struct LeftoversAtExit {
    ~LeftoversAtExit() { RemoveLeftovers(); }
};
LeftoversAtExit g_leftoversAtExit;

// The verdict on a lock file from what is known of it.
bool StaleBy(const Holder& h, qint64 ageMs, bool holderRead)
{
    if (ageMs >= kStaleMs)
        return true;
    if (!holderRead)
        return false;
    if (!h.named)
        return h.read ? ageMs >= kUnnamedStaleMs : false;
    if (h.host != HostName())
        return false;
    if (h.pid == QCoreApplication::applicationPid())
        return !HoldsToken(h.token);   // one this process could not remove
    return !ProcessLives(h.pid);
}

// One waiter's view of the lock file it waits for: since when it has seen
// this very file, and what it read of its holder.
struct LockWatch {
    Seen seen;
    qint64 firstSeenMs = 0;
    bool holderRead = false;
    Holder holder;
    Seen marker;
    qint64 markerFirstSeenMs = 0;
};

qint64 AgeOf(const QString& folder, const Seen& seen, qint64 observedMs)
{
    return std::max(observedMs, ServerAgeMs(folder, seen.mtimeNs));
}

// Takes a stale lock away. Only the writer that makes the marker for this
// one lock file ("<lock>.stale-<write time>") may remove it, and it checks
// first, with a fresh read, that the file is still the one judged stale.
// Then the lock is free and is taken the usual way.
void TakeOver(const QString& lockPath, LockWatch& watch)
{
    const QString folder = FolderOf(lockPath);
    const QString marker =
        lockPath + QStringLiteral(".stale-") + QString::number(watch.seen.mtimeNs, 36) + QString::number(watch.seen.size, 36);
    const qint64 before = WallNs();
    if (::mkdir(Native(marker).constData(), 0777) != 0) {
        if (errno != EEXIST && !StatOf(marker).exists)
            return;
        // Another writer takes it over right now, or died doing so.
        const Seen m = StatOf(marker);
        if (!m.exists)
            return;
        if (!m.SameAs(watch.marker)) {
            watch.marker = m;
            watch.markerFirstSeenMs = SteadyMs();
        }
        if (AgeOf(folder, m, SteadyMs() - watch.markerFirstSeenMs) >= kMarkerStaleMs)
            RemoveFile(marker, 20);
        return;
    }
    const Seen made = StatOf(marker);
    if (made.exists)
        LearnOffset(folder, made.mtimeNs, before, WallNs());
    const Holder now = ReadHolder(lockPath);
    const bool same = now.read && now.seen.SameAs(watch.seen) &&
                      (watch.holder.named ? now.token == watch.holder.token : !now.named);
    if (same && StaleBy(now, AgeOf(folder, now.seen, SteadyMs() - watch.firstSeenMs), true)) {
        RemoveFile(lockPath, 500);
    }
    RemoveFile(marker, 200);
    watch = LockWatch();
}

// Looks at the lock file; true when it is stale and should be taken over.
bool JudgeStale(const QString& lockPath, LockWatch& watch)
{
    const Seen seen = StatOf(lockPath);
    if (!seen.exists)
        return false;
    if (!seen.SameAs(watch.seen)) {
        const Seen marker = watch.marker;
        const qint64 markerSince = watch.markerFirstSeenMs;
        watch = LockWatch();
        watch.seen = seen;
        watch.firstSeenMs = SteadyMs();
        watch.marker = marker;
        watch.markerFirstSeenMs = markerSince;
    }
    const qint64 age = AgeOf(FolderOf(lockPath), seen, SteadyMs() - watch.firstSeenMs);
    if (!watch.holderRead && age >= kReadHolderAfterMs) {
        watch.holder = ReadHolder(lockPath);
        watch.holderRead = true;
        if (watch.holder.read && !watch.holder.seen.SameAs(seen))
            return false;   // a new lock meanwhile: looked at next time
    }
    return StaleBy(watch.holder, age, watch.holderRead);
}

QByteArray NewToken()
{
    return QByteArray::number(QRandomGenerator::global()->generate64(), 36) +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

enum class Attempt { Made, Held, Failed, Refused };

// This writer's lock as it waits to become the lock: the folder
// "<lock>.<token>" with the holder's entry in it, made once, then renamed onto
// the lock's name at every try. A rename of a folder onto a name that is
// taken fails; it is atomic on a local disk, NFS and SMB, and unlike a mkdir
// of the lock's own name it never meets a FUSE client's memory of the
// previous lock folder of that name (which answers EIO for seconds).
class Candidate {
public:
    Candidate(const QString& lockPath, const QByteArray& token)
        : lockPath_(lockPath), path_(lockPath + u'.' + QString::fromLatin1(token)), token_(token)
    {
    }
    ~Candidate()
    {
        if (made_)
            RemoveFile(path_, 50);
    }
    Candidate(const Candidate&) = delete;
    Candidate& operator=(const Candidate&) = delete;

    // Refused: the folder cannot take the lock at all (no right, not there).
    Attempt Try()
    {
        if (!made_) {
            const Attempt a = Make();
            if (a != Attempt::Made)
                return a;
        }
        if (::rename(Native(path_).constData(), Native(lockPath_).constData()) == 0) {
            made_ = false;   // it is the lock now
            return Attempt::Made;
        }
        const int error = errno;
        if (error == EEXIST || error == ENOTEMPTY || error == ENOTDIR || error == EISDIR || error == EBUSY)
            return Attempt::Held;
        // A FUSE client may answer EIO to a rename the server has done.
        if (ReadHolder(lockPath_).token == token_) {
            made_ = false;
            return Attempt::Made;
        }
        if (!StatOf(path_).exists)
            Renew();   // gone (a tidying, or that answer): made again under a new name
        if (StatOf(lockPath_).exists)
            return Attempt::Held;
        errno = error;
        return error == EACCES || error == EROFS ? Attempt::Refused : Attempt::Failed;
    }

private:
    Attempt Make()
    {
        const qint64 before = WallNs();
        if (::mkdir(Native(path_).constData(), 0777) != 0) {
            const int error = errno;
            Renew();   // a FUSE client may refuse that name for a while
            return error == EACCES || error == EROFS || error == ENOENT || error == ENOTDIR ? Attempt::Refused
                                                                                             : Attempt::Failed;
        }
        made_ = true;
        const int fd = ::open(Native(path_ + u'/' + QString::fromUtf8(HolderEntry(token_))).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0 || ::close(fd) != 0)
            return Attempt::Failed;
        const Seen made = StatOf(path_);
        if (made.exists)
            LearnOffset(FolderOf(path_), made.mtimeNs, before, WallNs());
        return Attempt::Made;
    }

    void Renew()
    {
        made_ = false;
        path_ = lockPath_ + u'.' + QString::fromLatin1(token_) + QString::number(++renewals_);
    }

    QString lockPath_;
    QString path_;
    QByteArray token_;
    bool made_ = false;
    int renewals_ = 0;
};

// The turn-taking mark. Nobody reads it: whose it is shows in its write
// time, which the writer notes after writing it.
class WaitMark {
public:
    explicit WaitMark(const QString& lockPath) : path_(lockPath + QStringLiteral(".wait")) {}

    bool OthersWait() const
    {
        const Seen m = StatOf(path_);
        if (!m.exists || (written_ && m.SameAs(mine_)))
            return false;
        const qint64 age = ServerAgeMs(FolderOf(path_), m.mtimeNs);
        return age < kMarkFreshMs && age > -kMarkFreshMs;
    }
    void Renew(const QByteArray& token)
    {
        if (written_ && SteadyMs() - writtenAtMs_ < kMarkRefreshMs)
            return;
        const int fd = ::open(Native(path_).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            return;
        const ssize_t ignored = ::write(fd, token.constData(), size_t(token.size()));
        (void)ignored;
        ::close(fd);
        mine_ = StatOf(path_);
        written_ = mine_.exists;
        writtenAtMs_ = SteadyMs();
    }
    void Leave()
    {
        if (written_ && StatOf(path_).SameAs(mine_))
            RemoveFile(path_, 0);
    }

private:
    QString path_;
    Seen mine_;
    bool written_ = false;
    qint64 writtenAtMs_ = 0;
};

} // namespace

QString FileUpdateLock::LockPathOf(const QString& path)
{
    return NativePath(path) + QStringLiteral(".lock");
}

FileUpdateLock::FileUpdateLock(const QString& path, int timeoutMs)
    : lockPath_(LockPathOf(path)), token_(NewToken())
{
    RemoveLeftovers();
    const int timeout = timeoutMs < 0 ? g_timeoutMs.load() : timeoutMs;
    const qint64 start = SteadyMs();
    WaitMark mark(lockPath_);
    Candidate candidate(lockPath_, token_);
    LockWatch watch;
    for (;;) {
        const qint64 waited = SteadyMs() - start;
        const bool othersWait = waited < kStandBackMs && mark.OthersWait();
        if (!othersWait) {
            // Noted before the file exists, so a look at it by this process
            // never judges it a leftover.
            NoteHeld(token_, true);
            const Attempt a = candidate.Try();
            if (a == Attempt::Made) {
                locked_ = true;
                lockedAtMs_ = SteadyMs();
                break;
            }
            NoteHeld(token_, false);
            // A folder that cannot take the lock fails at once. A share that
            // fails (away, or a FUSE client that answers EIO for a second or
            // two) gets the time of the wait.
            if (a == Attempt::Refused)
                break;
        }
        if (SteadyMs() - start >= timeout) {
            busy_ = true;
            break;
        }
        if (!othersWait && JudgeStale(lockPath_, watch)) {
            TakeOver(lockPath_, watch);
            continue;
        }
        if (!othersWait && waited >= kMarkAfterMs)
            mark.Renew(token_);
        Pause(500, 3000);
    }
    mark.Leave();
}

FileUpdateLock::~FileUpdateLock()
{
    if (!locked_)
        return;
    // A lock held past the stale time may have been taken over meanwhile:
    // removed only when it is still this one.
    const bool mine = SteadyMs() - lockedAtMs_ < kStaleMs / 2 || ReadHolder(lockPath_).token == token_;
    if (mine && !Release(lockPath_, token_, 200)) {
        const std::lock_guard<std::mutex> guard(g_mutex);
        g_leftovers.push_back({lockPath_, token_});
    }
    NoteHeld(token_, false);
}

bool FileUpdateLock::Holds() const
{
    return locked_ && SteadyMs() - lockedAtMs_ < kMaxHoldMs;
}

int FileUpdateLock::TimeoutMs()
{
    return g_timeoutMs.load();
}

void FileUpdateLock::SetTimeoutMs(int ms)
{
    g_timeoutMs.store(ms);
}

int FileUpdateLock::StaleMs()
{
    return kStaleMs;
}

bool FileUpdateLock::RemoveIfStale(const QString& lockFile)
{
    LockWatch watch;
    const Seen seen = StatOf(lockFile);
    if (!seen.exists)
        return false;
    // Judged as a waiter that has looked at it long enough to read its holder.
    watch.seen = seen;
    watch.firstSeenMs = SteadyMs() - kReadHolderAfterMs;
    if (!JudgeStale(lockFile, watch))
        return false;
    TakeOver(lockFile, watch);
    return !StatOf(lockFile).exists;
}
