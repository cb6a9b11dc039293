#pragma once
// Opening the program's help: a page of the "Html" folder (the exercises'
// help buttons, the menu's "Hilfe") and the manual "Anleitung-lrb.pdf" (the
// menu's "Anleitung"). Pages are given relative to the program folder, with
// either separator.
#include <QString>

class QWidget;

// The page of the program folder shown to the user; false when it does not
// exist (nothing is shown then).
bool ShowHelpPage(const QString& page, QWidget* parent = nullptr);
// The manual opened with the program the desktop associates with PDF files;
// false (after the system beep) when it is missing or nothing opens it.
bool OpenManual();

inline const QString kHelpIndexPage = QStringLiteral("Html\\index.htm");
inline const QString kManualFile = QStringLiteral("Anleitung-lrb.pdf");
