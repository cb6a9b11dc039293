#include "klassenuebersicht/overview_start.h"

#include "app/program_folder.h"
#include "data/data_folders.h"
#include "data/program_state.h"

void StartOverview(const QStringList& arguments)
{
    QString dataRoot;
    for (const QString& argument : arguments)
        if (!argument.isEmpty() && !argument.startsWith(u'-'))
            dataRoot = argument;
    SetUpDataFolders(ProgramFolderOfExecutable());
    if (!dataRoot.isEmpty()) {
        if (!dataRoot.endsWith(u'/') && !dataRoot.endsWith(u'\\'))
            dataRoot += u'/';
        Program().dataRoot = dataRoot;
    }
}
