#pragma once
// Qt's own texts (standard buttons, file choosers, print and page set-up,
// colour and font dialogs) in German, from Qt's translation files.
class QCoreApplication;

// Loads Qt's German translations (from Qt's translations folder, else from
// the folder "translations" beside the executable) and makes German the
// default locale. False when no translation file was found: Qt then speaks
// English, which is all that is lost.
bool InstallGermanQtTranslations(QCoreApplication& app);
