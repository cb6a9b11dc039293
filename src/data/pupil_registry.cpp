#include "data/pupil_registry.h"

#include "data/program_state.h"
#include "platform/text_codec.h"

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
    return WriteTextLines(FilePath(), lines_, true);
}

QString PupilRegistry::SaveAdding(const QString& name, const QString& value)
{
    const QStringList before = lines_;
    if (!Reread()) {
        lines_ = before;
        if (!Contains(name))
            lines_.append(name + u'=' + value);
        return ValueOf(name);
    }
    if (Contains(name))
        return ValueOf(name);
    lines_.append(name + u'=' + value);
    Write();
    return value;
}

bool PupilRegistry::SaveRemoving(const QString& name)
{
    if (!Reread())
        return false;
    const qsizetype i = IndexOfName(name);
    if (i < 0)
        return true;
    lines_.removeAt(i);
    if (Write()) {
        SetLines(lines_);   // an emptied file reads as the default line
        return true;
    }
    Reread();
    return false;
}
