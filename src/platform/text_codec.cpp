#include "platform/text_codec.h"

#include "platform/file_lock.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
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

QStringList ReadTextLines(const QString& path, ReadStatus* status)
{
    const QString native = NativePath(path);
    QFileInfo info(native);
    if (!info.exists()) {
        if (status) *status = ReadStatus::Missing;
        return {};
    }
    QFile f(native);
    if (info.isDir() || !f.open(QIODevice::ReadOnly)) {
        if (status) *status = ReadStatus::Unreadable;
        return {};
    }
    if (status) *status = ReadStatus::Ok;
    return SplitLines(DecodeCp1252(f.readAll()));
}

namespace {

WriteGuard& Guard()
{
    static WriteGuard guard;
    return guard;
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
    QSaveFile f(native);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
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
    if (info.exists()) {
        QFile f(native);
        if (info.isDir() || !f.open(QIODevice::ReadOnly))
            return false;
        bytes = f.readAll();
        if (bytes.size() != f.size())
            return false;
    }
    const std::optional<QByteArray> changed = change(bytes, info.exists());
    return !changed || WriteFileAtomically(native, *changed);
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
