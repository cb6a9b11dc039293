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
    // The teacher's standard "Protokoll\standard.ini", made from the shipped
    // one when it is missing (where the program folder can be written);
    // whichever exists replaces the profile on this very press.
    const QString standard = ResolvePath(QStringLiteral("Protokoll\\standard.ini"));
    const QString shipped = ResolvePath(QStringLiteral("Intern\\standard.ini"));
    if (!FileExists(standard) && FileExists(shipped)) {
        CreateFolders(ResolvePath(QStringLiteral("Protokoll")));
        CopyFile(shipped, standard);
    }
    const QString source = FileExists(standard) ? standard : shipped;
    if (!FileExists(source))
        return false;
    if (!CopyOver(source, CurrentProfilePath()))
        QApplication::beep();
    LoadSettings(CurrentSection());
    return true;
}
