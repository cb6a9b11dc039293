#include "platform/text_codec.h"

#include "platform/file_lock.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <array>
#include <cstdlib>
#include <memory>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

// Code points of the bytes 0x80..0x9F; the five unassigned bytes keep their
// C1 value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const std::unordered_map<char16_t, char>& ReverseTable()
{
    static const std::unordered_map<char16_t, char> table = [] {
        std::unordered_map<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            t.emplace(kHighTable[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

QString DecodeCp1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighTable[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

bool HasCp1252Code(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF) || ReverseTable().count(u) > 0;
}

QByteArray EncodeCp1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out[i] = char(c);
        } else {
            const auto& rev = ReverseTable();
            auto it = rev.find(c);
            out[i] = it != rev.end() ? it->second : '?';
        }
    }
    return out;
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

bool ReadWholeFile(const QString& nativePath, QByteArray* bytes)
{
    // Read past the page cache where the file system allows it (O_DIRECT):
    // a share client may keep the pages of a file that another workstation
    // has replaced since. What is read must also come to the size the file
    // has now; a short or stale read is tried again.
    const QByteArray name = QFile::encodeName(nativePath);
    constexpr size_t kChunk = 1 << 16;
    constexpr size_t kAlign = 4096;
    void* raw = nullptr;
    if (::posix_memalign(&raw, kAlign, kChunk) != 0)
        return false;
    const std::unique_ptr<void, decltype(&::free)> buffer(raw, &::free);
    for (int attempt = 0; attempt < 5; ++attempt) {
        FreshStatOf(nativePath);   // the client learns the size the file has now
        int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_DIRECT);
        if (fd < 0 && errno == EINVAL)
            fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        QByteArray out;
        bool failed = false;
        for (;;) {
            ssize_t n = ::read(fd, raw, kChunk);
            if (n < 0 && errno == EINVAL) {
                // O_DIRECT refused after all: the same read through the cache.
                const int flags = ::fcntl(fd, F_GETFL);
                if (flags >= 0 && (flags & O_DIRECT) && ::fcntl(fd, F_SETFL, flags & ~O_DIRECT) == 0)
                    continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                failed = true;
                break;
            }
            if (n == 0)
                break;
            out.append(static_cast<const char*>(raw), qsizetype(n));
        }
        ::close(fd);
        if (failed)
            return false;
        // The size the server has now; the client may have read only up to
        // the size it remembered.
        const FreshStat now = FreshStatOf(nativePath);
        if (!now.exists || now.size == out.size()) {
            *bytes = out;
            return true;
        }
        QThread::usleep(5000);
    }
    return false;
}

QStringList ReadTextLines(const QString& path, ReadStatus* status)
{
    const QString native = NativePath(path);
    QFileInfo info(native);
    if (!info.exists()) {
        if (status) *status = ReadStatus::Missing;
        return {};
    }
    QByteArray bytes;
    if (info.isDir() || !ReadWholeFile(native, &bytes)) {
        if (status) *status = ReadStatus::Unreadable;
        return {};
    }
    if (status) *status = ReadStatus::Ok;
    return SplitLines(DecodeCp1252(bytes));
}

namespace {

WriteGuard& Guard()
{
    static WriteGuard guard;
    return guard;
}

// How long a replacing rename tries again while the share refuses it: on SMB
// a file that a reader at another workstation has open this very moment
// cannot be renamed over.
constexpr int kRenameRetryMs = 2000;

bool WriteAll(int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

void SetWriteGuard(WriteGuard guard)
{
    Guard() = std::move(guard);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, bool createFolders)
{
    const QString native = NativePath(path);
    if (Guard() && !Guard()(native, QFileInfo::exists(native)))
        return false;
    if (createFolders)
        QDir().mkpath(QFileInfo(native).absolutePath());
    // The whole new file goes to "<file>.XXXXXX" beside it (the start removes
    // old ones a kill left), is flushed to the disk and renamed over the file.
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temp;
    int fd = -1;
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(native).constData(), &old) == 0;
    for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
        QByteArray suffix(6, 'x');
        for (char& c : suffix)
            c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        temp = QFile::encodeName(native) + '.' + suffix;
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? (old.st_mode & 07777) : 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    if (existed)
        (void)::fchmod(fd, old.st_mode & 07777);   // a share without modes refuses it
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.constData());
        return false;
    }
    QElapsedTimer tried;
    tried.start();
    while (::rename(temp.constData(), QFile::encodeName(native).constData()) != 0) {
        if (errno == ENOENT || errno == EISDIR || errno == EXDEV || errno == EROFS || tried.elapsed() >= kRenameRetryMs) {
            ::unlink(temp.constData());
            return false;
        }
        QThread::usleep(2000);
    }
    return true;
}

QByteArray EncodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteTextLines(const QString& path, const QStringList& lines, bool createFolders)
{
    return WriteFileAtomically(path, EncodeLines(lines), createFolders);
}

bool UpdateFileAtomically(const QString& path, const FileChange& change, bool createFolders)
{
    if (createFolders)
        QDir().mkpath(QFileInfo(NativePath(path)).absolutePath());
    const FileUpdateLock lock(path);
    if (!lock.Locked())
        return false;
    // Looked up again inside the lock: another process may have made the file.
    const QString native = NativePath(path);
    const QFileInfo info(native);
    QByteArray bytes;
    if (info.exists() && (info.isDir() || !ReadWholeFile(native, &bytes)))
        return false;
    const std::optional<QByteArray> changed = change(bytes, info.exists());
    // A write that held the lock too long may no longer be alone with it.
    return !changed || (lock.Holds() && WriteFileAtomically(native, *changed));
}

bool UpdateTextLines(const QString& path, const std::function<bool(QStringList&)>& change, bool createFolders)
{
    return UpdateFileAtomically(
        path,
        [&](const QByteArray& bytes, bool) -> std::optional<QByteArray> {
            QStringList lines = SplitLines(DecodeCp1252(bytes));
            if (!change(lines))
                return std::nullopt;
            return EncodeLines(lines);
        },
        createFolders);
}
