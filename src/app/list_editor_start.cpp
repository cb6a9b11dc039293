#include "app/list_editor_start.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"

#include <QFileInfo>
#include <QProcess>

ListEditorLaunch CompanionLaunchOf(const QString& programFolder, const QString& dataRoot, const QString& program)
{
    const QString folder = NativePath(WithoutTrailingSeparator(programFolder));
    return {JoinPath(folder, program), {dataRoot}, folder};
}

ListEditorLaunch ListEditorLaunchOf(const QString& programFolder, const QString& dataRoot)
{
    return CompanionLaunchOf(programFolder, dataRoot, QStringLiteral("Dazidazud"));
}

namespace {

bool Start(const ListEditorLaunch& launch)
{
    if (!QFileInfo(launch.program).isExecutable())
        return false;
    return QProcess::startDetached(launch.program, launch.arguments, launch.workingFolder);
}

} // namespace

bool StartListEditor()
{
    return Start(ListEditorLaunchOf(ProgramFolder(), DataRoot()));
}

bool StartClassOverview()
{
    return Start(CompanionLaunchOf(ProgramFolder(), DataRoot(), QStringLiteral("Klassenuebersicht")));
}
