#pragma once
// A word list of the words the class misses, saved in "listen" through the
// list editor's writer, so every exercise can practise them.
#include "data/word_list.h"

#include <QStringList>
#include <memory>

// The rows of the words as the lists in the folder hold them (the first list,
// by file name, whose row has the word as its German word), so pictures and
// recordings come along; a word no list holds gets a row of the word alone.
std::unique_ptr<tmoiel> PracticeList(const QStringList& words, const QString& listsFolder, const QString& title);

// Saves PracticeList as listsFolder + fileName (".txt" added when missing).
// False with a German message when the name or the file cannot be used.
bool SavePracticeList(const QStringList& words, const QString& listsFolder, const QString& fileName,
                      QString* savedPath, QString* error);
