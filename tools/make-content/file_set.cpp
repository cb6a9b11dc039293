#include "file_set.h"

QString FileSet::Key(const QString& programPath)
{
    QString k = programPath.toLower();
    k.replace(u'/', u'\\');
    return k;
}

void FileSet::Add(const QString& programPath, const QByteArray& bytes)
{
    const QString key = Key(programPath);
    const auto it = files_.constFind(key);
    if (it != files_.constEnd() && it->second != bytes)
        Fail(QStringLiteral("%1 is made twice with different contents").arg(programPath));
    files_[key] = {programPath, bytes};
}

bool FileSet::Has(const QString& programPath) const
{
    return files_.contains(Key(programPath));
}

int FileSet::WriteAll() const
{
    for (const auto& [path, bytes] : files_)
        WriteIfChanged(paths_.Out(path), bytes);
    return int(files_.size());
}
