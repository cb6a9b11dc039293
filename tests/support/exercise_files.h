#pragma once
// Files the exercise window tests write into their program folder: the word
// list "listen\test.txt", the praise and hint tables, and profile keys.
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <QStringList>

// "listen\test.txt": the two header lines, then rows, Windows-1252 with CR LF.
inline void WriteTestList(const TempProgram& prog, const QStringList& rows)
{
    QStringList lines = {QStringLiteral("Test"), QStringLiteral("zweite Zeile")};
    lines += rows;
    prog.Write("listen\\test.txt", EncodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

// A praise or hint table whose entries show and say the same text for every voice.
inline void WriteTextTable(const TempProgram& prog, const QString& file, const QStringList& texts)
{
    QStringList lines = {QStringLiteral("Tabelle"), QStringLiteral("Stimmen")};
    for (const QString& t : texts)
        lines << QStringLiteral(";;;%1;%1;%1").arg(t);
    prog.Write(file, EncodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

inline void SetProfileInt(const QString& profile, const QString& section, const char* key, int value)
{
    Ini::WriteInt(profile, section, QString::fromUtf8(key), value);
}

inline void SetProfileText(const QString& profile, const QString& section, const char* key, const char* value)
{
    Ini::WriteString(profile, section, QString::fromUtf8(key), QString::fromUtf8(value));
}
