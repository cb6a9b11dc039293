#include "app/list_editor_start.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"

#include <QFileInfo>
#include <QProcess>

ListEditorLaunch ListEditorLaunchOf(const QString& programFolder, const QString& dataRoot)
{
    const QString folder = NativePath(WithoutTrailingSeparator(programFolder));
    return {JoinPath(folder, QStringLiteral("Dazidazud")), {dataRoot}, folder};
}

bool StartListEditor()
{
    const ListEditorLaunch launch = ListEditorLaunchOf(ProgramFolder(), DataRoot());
    if (!QFileInfo(launch.program).isExecutable())
        return false;
    return QProcess::startDetached(launch.program, launch.arguments, launch.workingFolder);
}
