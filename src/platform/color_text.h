#pragma once
// Colours in the classic text notation: standard names ("clRed", "clWindow"),
// "$00BBGGRR" hexadecimal with the bytes in blue, green, red order, or a
// decimal number of the same layout. Colours travel as that 32-bit number.
#include <QColor>
#include <QString>
#include <optional>

// The number of a colour text, or nothing when it cannot be read.
std::optional<quint32> ColorFromText(const QString& text);
// "$00BBGGRR" for a number; the standard name when the number has one.
QString ColorToText(quint32 value);

// 0x00BBGGRR <-> QColor.
QColor ToQColor(quint32 value);
quint32 FromQColor(const QColor& color);
