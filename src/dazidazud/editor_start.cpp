#include "dazidazud/editor_start.h"

#include "app/program_folder.h"
#include "data/program_state.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString WithSlash(QString folder)
{
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder;
}

bool HoldsLists(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(QStringLiteral("listen"))).isDir();
}

} // namespace

EditorStart StartEditor(const QStringList& arguments, const QString& executableFolder, const QString& workingFolder)
{
    EditorStart start;
    start.programFolder = WithSlash(!HoldsLists(executableFolder) && HoldsLists(workingFolder) ? workingFolder
                                                                                                : executableFolder);
    start.dataRoot = start.programFolder + QStringLiteral("protokoll/");
    for (const QString& argument : arguments) {
        const QFileInfo info(argument);
        if (info.isFile() && argument.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
            start.listToOpen = info.absoluteFilePath();
        else if (!argument.isEmpty() && !argument.startsWith(u'-'))
            start.dataRoot = WithSlash(argument);
    }
    Program().programFolder = start.programFolder;
    Program().dataRoot = start.dataRoot;
    return start;
}

EditorStart StartEditor(const QStringList& arguments)
{
    // Installed, the executable lies apart from the content: the program
    // folder is then the installed content folder, as for the program.
    return StartEditor(arguments, ProgramFolderOfExecutable(), QDir::currentPath());
}
