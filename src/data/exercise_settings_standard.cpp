#include "data/exercise_settings.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QFile>

namespace {

// Replaces target by a copy of source in one step, so that a failed copy
// leaves the old file whole.
bool CopyOver(const QString& source, const QString& target)
{
    QFile in(NativePath(source));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return WriteFileAtomically(target, in.readAll());
}

} // namespace

bool RestoreStandardSettings()
{
    const QString standard = ResolvePath(QStringLiteral("Protokoll\\standard.ini"));
    if (FileExists(standard)) {
        if (!CopyOver(standard, CurrentProfilePath()))
            QApplication::beep();
    } else {
        const QString shipped = ResolvePath(QStringLiteral("Intern\\standard.ini"));
        if (FileExists(shipped)) {
            CreateFolders(ResolvePath(QStringLiteral("Protokoll")));
            CopyFile(shipped, standard);
        }
    }
    if (!FileExists(standard))
        return false;
    LoadSettings(CurrentSection());
    return true;
}
