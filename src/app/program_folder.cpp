#include "app/program_folder.h"

#include "app/program_start.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The program tables: without them no exercise can run, so they mark a
// folder as one that holds the content.
bool HoldsContent(const QString& folder)
{
    return QFileInfo(NativePath(folder + QStringLiteral("intern"))).isDir();
}

QString WithSeparator(const QString& folder)
{
    return folder.isEmpty() || IsSeparator(folder.back()) ? folder : folder + u'/';
}

} // namespace

QString InstalledContentFolder()
{
#ifdef LIRABO_INSTALLED_CONTENT
    return QStringLiteral(LIRABO_INSTALLED_CONTENT);
#else
    return {};
#endif
}

QString FindProgramFolder(const QString& executableFolder, const QString& installedContent)
{
    const QString own = WithSeparator(executableFolder);
    if (HoldsContent(own) || installedContent.isEmpty())
        return own;
    const QString installed =
        WithSeparator(QDir::cleanPath(IsAbsolutePath(installedContent) ? installedContent
                                                                       : own + installedContent));
    return HoldsContent(installed) ? installed : own;
}

QString ProgramFolderOfExecutable()
{
    return FindProgramFolder(ExecutableFolder(), InstalledContentFolder());
}
