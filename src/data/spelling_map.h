#pragma once
// The program-wide sorted list of "ss" spellings and their sharp-s forms
// ("Strasse=Straße"), filled by the Swiss conversion of word lists and read by
// the spoken-word look-up.
#include <QString>
#include <QStringList>

class SpellingMapList {
public:
    // Adds "converted=original" unless the same line is there; keeps sorting.
    void Add(const QString& converted, const QString& original);
    // The original of a converted word, or a null string.
    QString ValueOf(const QString& converted) const;
    bool IsEmpty() const { return lines_.isEmpty(); }
    const QStringList& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

private:
    QStringList lines_;
};

SpellingMapList& SpellingMap();
