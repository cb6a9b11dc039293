#pragma once
// Where the list editor works. The main menu starts it with the data root as
// its only argument and the program folder as working folder; from the desktop
// menu it starts without arguments (or with a list file to open). The program
// folder is the executable's folder when that holds "listen", else the working
// folder when that does, else the executable's folder.
#include <QString>
#include <QStringList>

struct EditorStart {
    QString programFolder;   // with a trailing "/"
    QString dataRoot;        // with a trailing "/"
    QString listToOpen;      // a list file named on the command line
};

// Works out the folders from the arguments (without the program name) and the
// two candidate folders; sets ProgramFolder and DataRoot.
EditorStart StartEditor(const QStringList& arguments, const QString& executableFolder,
                        const QString& workingFolder);
// The same with the executable's and the current folder.
EditorStart StartEditor(const QStringList& arguments);
