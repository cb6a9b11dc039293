#pragma once
// Whether the bytes of a file can be a word list at all: a file that is no
// text (a picture, a program, random bytes), one too large, or one whose rows
// hold no six-field row is refused with a German message for the teacher,
// rather than shown as garbage "words" or saved over.
#include <QByteArray>
#include <QString>

// The largest file taken for a word list.
constexpr qint64 kMaxListFileBytes = 4 * 1024 * 1024;

// The message for a refused file named name; empty when the bytes may be a list.
QString WordListRefusal(const QByteArray& bytes, const QString& name);
// The message for a file named name that is larger than kMaxListFileBytes.
QString WordListTooLarge(const QString& name);
