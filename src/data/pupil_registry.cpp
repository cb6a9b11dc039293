#include "data/pupil_registry.h"

#include "data/program_state.h"
#include "platform/file_lock.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool Blank(const QStringList& lines)
{
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

const QString& PupilRegistry::DefaultLine()
{
    static const QString line = QStringLiteral("Name=PROTOKOLL\\JEDER.INI");
    return line;
}

QString PupilRegistry::FilePath()
{
    return DataRoot() + QStringLiteral("namen.txt");
}

QString PupilRegistry::NameOfLine(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq);
}

QString PupilRegistry::ValueOfLine(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

void PupilRegistry::SetLines(const QStringList& lines)
{
    lines_ = Blank(lines) ? QStringList{DefaultLine()} : lines;
}

void PupilRegistry::Load()
{
    SetLines(ReadTextLines(FilePath()));
}

QStringList PupilRegistry::Names() const
{
    QStringList names;
    for (const QString& line : lines_) {
        const QString name = NameOfLine(line);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

qsizetype PupilRegistry::IndexOfName(const QString& name) const
{
    if (name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (NameOfLine(lines_[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString PupilRegistry::ValueOf(const QString& name) const
{
    const qsizetype i = IndexOfName(name);
    return i < 0 ? QString() : ValueOfLine(lines_[i]);
}

bool PupilRegistry::Reread()
{
    ReadStatus status = ReadStatus::Ok;
    const QStringList lines = ReadTextLines(FilePath(), &status);
    if (status == ReadStatus::Unreadable)
        return false;
    SetLines(lines);
    return true;
}

bool PupilRegistry::Write() const
{
    return (!held_ || held_->Holds()) && WriteTextLines(FilePath(), lines_, true);
}

QString PupilRegistry::SaveAdding(const QString& name, const QString& value, Failure* failure)
{
    return SaveAdding(name, [&] { return value; }, failure);
}

QString PupilRegistry::SaveAdding(const QString& name, const std::function<QString()>& makeValue, Failure* failure)
{
    const QStringList before = lines_;
    QString registered;
    bool written = true;
    const bool locked = WithLockedRegistry(
        [&] {
            if (Contains(name)) {
                registered = ValueOf(name);
                return;
            }
            const QString value = makeValue();
            lines_.append(name + u'=' + value);
            written = Write();
            if (written)
                registered = value;
        },
        failure);
    if (locked && written)
        return registered;
    if (locked && failure)
        *failure = Failure::Unwritable;
    lines_ = before;
    return QString();
}

bool PupilRegistry::SaveRemoving(const QString& name, const std::function<void(const QString& value)>& removeFiles)
{
    bool written = false;
    const bool locked = WithLockedRegistry([&] {
        const qsizetype i = IndexOfName(name);
        if (i < 0) {
            written = true;
            return;
        }
        const QString value = ValueOfLine(lines_[i]);
        lines_.removeAt(i);
        written = Write();
        if (!written) {
            Reread();
            return;
        }
        SetLines(lines_); // an emptied file reads as the default line
        // The line is gone before any file is: a crash in between leaves
        // files that no line names, which the next start tidies away.
        if (removeFiles)
            removeFiles(value);
    });
    return locked && written;
}

bool PupilRegistry::WithLockedRegistry(const std::function<void()>& work, Failure* failure, int timeoutMs)
{
    QDir().mkpath(QFileInfo(NativePath(FilePath())).absolutePath());
    const FileUpdateLock lock(FilePath(), timeoutMs);
    if (failure)
        *failure = lock.Busy() ? Failure::Busy : Failure::Unwritable;
    if (!lock.Locked() || !Reread())
        return false;
    if (failure)
        *failure = Failure::None;
    held_ = &lock;
    work();
    held_ = nullptr;
    return true;
}
