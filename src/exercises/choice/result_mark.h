#pragma once
// The result mark of a choice task: the entry's answer slot, read by the
// results protocol. Wrong choices are collected as "A; B; " and the right
// one closes the mark with "-OK-" ("-OK-" alone: right at the first try).
#include <QString>

constexpr int kResultMarkLimit = 500;

// A mark that holds "-OK-" is closed: the task was solved once, and choosing
// it again later (the list from the start, a step back) changes nothing, so
// that a word solved twice is not filed as an error.
bool ResultMarkClosed(const QString& mark);
// Appends caption + "; " unless the mark would reach the limit (caption,
// mark and three more characters) or is closed. True when appended.
bool RecordWrongChoice(QString& mark, const QString& caption);
// Appends "-OK-" unless the mark is closed.
void RecordRightChoice(QString& mark);
