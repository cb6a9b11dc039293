#pragma once
// The size class of an exercise window: "a" small, "b" middle, "c" large,
// chosen from the width of the monitor that shows it and the dialog font.
#include <QChar>

class QFont;

QChar SizeClassFor(int monitorWidth, bool largeDialogFont);
// The dialog base unit width of a font: (width of "A".."Z" "a".."z" / 26 + 1) / 2.
int DialogBaseUnitWidth(const QFont& font);
// A base unit width of 10 or more counts as a large dialog font.
bool IsLargeDialogFont(const QFont& font);
