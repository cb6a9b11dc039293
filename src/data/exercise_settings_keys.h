#pragma once
// The integer and flag keys of an exercise section: name, field, default,
// range and the sections whose default differs.
#include "data/exercise_settings.h"

#include <QList>
#include <QString>

#include <climits>
#include <vector>

struct SettingKey {
    QString name;
    int ExerciseSettingsRecord::*integer = nullptr;   // integer keys
    bool ExerciseSettingsRecord::*flag = nullptr;     // flag keys ("1" or "0")
    int defaultValue = 0;
    int min = INT_MIN;   // stated range; loading brings values into it
    int max = INT_MAX;
    QList<int> allowed;  // when not empty: the only values; others give the default
};

// Every integer and flag key of the record, in the order they are read.
const std::vector<SettingKey>& SettingKeys();
// The key of that name (exact); every name used by the saver is in the table.
const SettingKey& SettingKeyNamed(const QString& name);

// The default of key in section ("Mit Sound" 3 and "Mit_ton" 0 for "Welches
// Wort stimmt?", "mitArtikel" 0 for "Bild-Memory").
int DefaultIn(const SettingKey& key, const QString& section);
// value brought into the key's range.
int Limited(const SettingKey& key, int value);

// Keys held as characters, with their ranges.
struct CharacterKey {
    QString name;
    QChar ExerciseSettingsRecord::*field;
    const QString* codes;   // the character of index i is codes->at(i)
    int defaultValue;
    int max;
};
const std::vector<CharacterKey>& CharacterKeys();
