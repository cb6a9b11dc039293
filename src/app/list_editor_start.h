#pragma once
// Starting the teacher's list editor "Dazidazud" from the main menu: the
// program in the program folder, the data root as its only argument, the
// program folder (without its final separator) as its working folder. Nothing
// is expected back; a missing editor fails silently.
#include <QString>
#include <QStringList>

struct ListEditorLaunch {
    QString program;
    QStringList arguments;
    QString workingFolder;
};

ListEditorLaunch ListEditorLaunchOf(const QString& programFolder, const QString& dataRoot);
// The same for another program of the program folder (the class overview
// "Klassenuebersicht" is started the same way).
ListEditorLaunch CompanionLaunchOf(const QString& programFolder, const QString& dataRoot, const QString& program);
// Starts the editor for ProgramFolder() and DataRoot(); false when it is
// missing or cannot be started.
bool StartListEditor();
// Starts the class overview the same way (the list editor offers it).
bool StartClassOverview();
