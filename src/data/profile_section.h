#pragma once
// One section of a profile read once for many keys (the settings loader reads
// some fifty). A missing file, section or key gives the caller's default.
#include <QString>
#include <QStringList>

class ProfileSection {
public:
    ProfileSection(const QString& file, QString section);

    // The leading decimal integer of the value (blanks and a sign allowed);
    // the default when the key is missing or its value holds no number.
    // Numbers beyond the int range are cut to it.
    int Int(const QString& key, int defaultValue) const;
    // The value cut to maxLength characters, or the default when missing.
    QString Text(const QString& key, const QString& defaultValue, int maxLength) const;

private:
    QStringList lines_;
    QString section_;
};
