#pragma once
// INI profile files with the semantics of the classic private-profile calls:
// sections and keys are matched without regard to case; a missing file,
// section or key gives the default; a write creates file, section and key as
// needed and keeps every other line, section and key as it was. Writes go to a
// temporary file that is renamed over the old one, so a crash never leaves a
// half-written profile, and each read-modify-write holds the file's update
// lock (platform/file_lock.h), so writers on several workstations keep each
// other's keys. Files are Windows-1252 text.
#include <QString>
#include <QStringList>

namespace Ini {

// Value of key in section, cut to maxLength characters; surrounding blanks are
// removed, and one pair of enclosing quotes. The first matching section and
// key win when a file holds duplicates.
QString ReadString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue, int maxLength = 255);

// The value of the key read by IntOf: the default when the key is missing or
// holds no number.
int ReadInt(const QString& file, const QString& section, const QString& key, int defaultValue);

// The one rule for integers in profiles and program options: the leading
// decimal integer of the (trimmed) value, with an optional sign, cut to the
// int range; the default when the value does not begin with a number.
int IntOf(const QString& value, int defaultValue);

// Writes key=value into section; false when the file cannot be written.
bool WriteString(const QString& file, const QString& section, const QString& key,
                 const QString& value);
bool WriteInt(const QString& file, const QString& section, const QString& key, int value);

// Removes a key or a whole section.
bool DeleteKey(const QString& file, const QString& section, const QString& key);
bool DeleteSection(const QString& file, const QString& section);

// Names of the sections, and of the keys of one section, in file order.
QStringList SectionNames(const QString& file);
QStringList KeyNames(const QString& file, const QString& section);

// Parsing of an already read text (used by the readers above and by the
// fuzz target).
QString ValueIn(const QStringList& lines, const QString& section, const QString& key,
                bool* found);
// Sets key=value in already read lines as WriteString does in a file (a new
// key goes after the section's last key, a new section at the end); false
// when the lines already held exactly that entry. Lets a caller write many
// keys with one atomic file write.
bool SetValueIn(QStringList& lines, const QString& section, const QString& key, const QString& value);

} // namespace Ini
