#pragma once
// Which folder is the program folder. Run from its build or copied folder,
// the program's content lies beside the executable. Installed as a package,
// the executable lies in an architecture-dependent folder (/usr/lib/lirabo)
// and the content in a shared one (/usr/share/lirabo): the content folder is
// then the program folder, so every relative path of the lists and tables
// keeps working.
#include <QString>

// The content folder of an installation, relative to the executable's folder,
// as the build configured it ("../../share/lirabo"); empty when none is known.
QString InstalledContentFolder();

// executableFolder itself when it holds the content (its "intern" folder),
// else executableFolder + installedContent when that holds it, else
// executableFolder. Both with a trailing separator; the installed one is
// written without "." and ".." components.
QString FindProgramFolder(const QString& executableFolder, const QString& installedContent);

// FindProgramFolder for the running executable.
QString ProgramFolderOfExecutable();
