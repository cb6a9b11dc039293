#include "data/profile_section.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"


ProfileSection::ProfileSection(const QString& file, QString section)
    : lines_(ReadTextLines(file)), section_(std::move(section))
{
}

int ProfileSection::Int(const QString& key, int defaultValue) const
{
    bool found = false;
    const QString v = Ini::ValueIn(lines_, section_, key, &found);
    return found ? Ini::IntOf(v, defaultValue) : defaultValue;
}

QString ProfileSection::Text(const QString& key, const QString& defaultValue, int maxLength) const
{
    bool found = false;
    const QString v = Ini::ValueIn(lines_, section_, key, &found);
    return found ? v.left(maxLength) : defaultValue;
}
