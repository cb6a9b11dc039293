#pragma once
// File input and output of the content generator. Sources are UTF-8 text in
// the repository; outputs go below the program folder and are written only
// when their bytes change, so a rerun leaves unchanged files (and everything
// that depends on their time stamps) alone.
#include <QByteArray>
#include <QString>
#include <QStringList>

// The program folder and the content source folder of one run.
struct ContentPaths {
    QString source;    // content/ in the repository
    QString program;   // the program folder being filled

    // Absolute path of a program path such as "fun\memory\rueck2.wmf".
    QString Out(const QString& programPath) const;
    QString In(const QString& sourcePath) const;
};

// Writes bytes to path (creating folders) unless the file already holds them.
// Throws ContentError when the file cannot be written.
void WriteIfChanged(const QString& path, const QByteArray& bytes);
// Lines as Windows-1252 with CR LF after every line. Throws when a character
// has no Windows-1252 code.
QByteArray Cp1252Text(const QStringList& lines);

// The lines of a UTF-8 source file without line ends; lines that are empty or
// start with "#" are dropped and the others trimmed. Throws when the file is
// missing.
QStringList SourceLines(const QString& path);
QByteArray ReadSourceFile(const QString& path);

// The generator stops at the first problem with a message naming the source.
struct ContentError {
    QString message;
};
[[noreturn]] void Fail(const QString& message);

// A UTF-8 source file as Windows-1252 text with CR LF, every line kept.
QByteArray Cp1252CopyOf(const QString& sourcePath);
