#pragma once
// The letter groups a teacher can choose for sounding out, and the lines of
// "intern\lautauswahl.txt" that hold the choice (one group per line, lower case).
#include <QString>
#include <QStringList>

// Every group, in the order in which the file is written:
// ch, pf, sp, ph, ck, tz, st, ai, au, äu, ei, eu, ie, oi, qu, sch.
const QStringList& LetterGroupsInFileOrder();

// The known groups named by the lines (blanks around a line and case ignored),
// in file order; unknown lines are left out.
QStringList ChosenLetterGroups(const QStringList& lines);

// The lines to write for the chosen groups: known groups only, in file order.
QStringList LetterGroupLines(const QStringList& chosen);
