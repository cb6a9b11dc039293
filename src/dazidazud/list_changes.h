#pragma once
// What another window or workstation changed in a list file since the editor
// read it: the title, the words added, removed and changed, as German lines
// for the question before the file is overwritten. No widgets.
#include "data/word_list.h"

#include <QString>

// Empty when both lists hold the same headers and rows.
QString ListChangeSummary(const tmoiel& before, const tmoiel& after);

// Whether a row holds nothing but its style: it would be saved as a row
// without a word.
bool IsEmptyRow(const std::array<QString, WordEntry::kFieldCount>& fields);
