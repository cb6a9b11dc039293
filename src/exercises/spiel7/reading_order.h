#pragma once
// "Lesen lernen" shows no quiz: its pictures are the current entry and the
// entries after it in list order, and a click on a picture makes that entry
// the current one. Every click is recorded in the answer records.
#include <QString>
#include <vector>

// The entry indexes of the fields 101 ... 100 + count: the position, the
// entries after it up to the end of the list, then the first entry, the
// second, ... again and again. So the current entry is always field 101, and
// a list shorter than count shows entries more than once. An empty list or a
// position outside it gives -1 (an empty field) everywhere.
std::vector<int> ReadingOrderSlots(int position, int listCount, int count);

// A click on the picture captioned caption while the entry of beforeMark was
// current; the clicked entry (afterMark) becomes current. The caption and
// "; " go into the record of the entry that was current, "-OK-" into the
// record of the new one (the same record when the current picture itself was
// clicked: "Hund; -OK-"). Neither record grows to 500 characters.
void RecordReadingClick(QString& beforeMark, QString& afterMark, const QString& caption);
