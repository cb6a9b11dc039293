#include "content_files.h"

#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ContentPaths::Out(const QString& programPath) const
{
    QString p = programPath;
    p.replace(u'\\', u'/');
    return QDir(program).filePath(p);
}

QString ContentPaths::In(const QString& sourcePath) const
{
    return QDir(source).filePath(sourcePath);
}

void Fail(const QString& message)
{
    throw ContentError{message};
}

void WriteIfChanged(const QString& path, const QByteArray& bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size()
        && existing.readAll() == bytes)
        return;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!WriteFileAtomically(path, bytes))
        Fail(QStringLiteral("cannot write %1").arg(path));
}

QByteArray Cp1252Text(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        const QByteArray encoded = EncodeCp1252(line);
        if (DecodeCp1252(encoded) != line)
            Fail(QStringLiteral("no Windows-1252 code for a character of \"%1\"").arg(line));
        out += encoded;
        out += "\r\n";
    }
    return out;
}

QByteArray ReadSourceFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("missing source %1").arg(path));
    return f.readAll();
}

QStringList SourceLines(const QString& path)
{
    QStringList result;
    const QString text = QString::fromUtf8(ReadSourceFile(path));
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            result << line;
    }
    return result;
}

QByteArray Cp1252CopyOf(const QString& sourcePath)
{
    QString text = QString::fromUtf8(ReadSourceFile(sourcePath));
    text.remove(u'\r');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return Cp1252Text(lines);
}
