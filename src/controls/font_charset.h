#pragma once
// Text of the one-byte metafile records in the character set of the font
// that draws it (the font's charset field: Cyrillic, Greek, Hebrew, Arabic,
// Thai, Japanese, Chinese, Korean, Central European, ...). ANSI and unknown
// sets are Windows-1252.
#include <QByteArray>
#include <QString>

QString DecodeInCharset(const QByteArray& bytes, int charset);
