#pragma once
// A list of strings whose item at an index is handed out, or nothing when the
// index lies outside the list.
#include <QStringList>

class pstrcollection : public QStringList {
public:
    using QStringList::QStringList;
    pstrcollection(const QStringList& items) : QStringList(items) {}   // NOLINT: implicit on purpose

    const QString* Item(qsizetype index) const { return index >= 0 && index < size() ? &at(index) : nullptr; }
};
