#pragma once
// One section of a profile read once for many keys (the settings loader reads
// some fifty). A missing file, section or key gives the caller's default.
#include <QString>
#include <QStringList>

class ProfileSection {
public:
    ProfileSection(const QString& file, QString section);

    // The value by Ini::IntOf: the default when the key is missing or its
    // value holds no number.
    int Int(const QString& key, int defaultValue) const;
    // The value cut to maxLength characters, or the default when missing.
    QString Text(const QString& key, const QString& defaultValue, int maxLength) const;

private:
    QStringList lines_;
    QString section_;
};
