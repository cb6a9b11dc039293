#pragma once
// Opening the program's help: a page of the "Html" folder in the help window
// (the exercises' help buttons, the menu's "Hilfe") and the manual
// "Anleitung-lrb.pdf" (the menu's "Anleitung"). Pages are given relative to
// the program folder, with either separator.
#include "dialogs/help_files.h"

#include <QString>

class QWidget;
class TFormhilfe;

// The page shown in the help window, above parent's window; false when it
// does not exist (nothing is shown then).
bool ShowHelpPage(const QString& page, QWidget* parent = nullptr);
// The manual opened with the program the desktop associates with PDF files;
// false (after the system beep) when it is missing or nothing opens it.
bool OpenManual();

// The program's one help window; nullptr until a page was shown.
TFormhilfe* HelpWindow();
