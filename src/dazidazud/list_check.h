#pragma once
// The check of a list row before pupils work on it: the German word is there,
// every file the row names exists, every sound can be played and every
// picture decoded. The problems are German texts for the teacher.
#include "data/word_list.h"

#include <QStringList>
#include <array>

QStringList CheckRow(const std::array<QString, WordEntry::kFieldCount>& fields);
