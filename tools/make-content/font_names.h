#pragma once
// Renaming the family of a TrueType/OpenType font: the program asks for its
// school print font by the name "KV_Druckschrift", so the font delivered under
// that name is a copy of a free school font with its name table rewritten.
#include <QByteArray>
#include <QString>
#include <optional>

// The font with family, full, PostScript, unique and typographic family names
// replaced by family (ASCII), table offsets and checksums recomputed. Nothing
// when the font is malformed (a table outside the file, no name table, ...).
std::optional<QByteArray> RenameFontFamily(const QByteArray& font, const QString& family);
