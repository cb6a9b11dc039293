#include "data/pupil_write_guard.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

namespace {

// The path without its extension: the profile and its results share it.
QString Stem(const QString& nativePath)
{
    const QString ext = ExtensionPart(nativePath);
    return nativePath.left(nativePath.size() - ext.size());
}

} // namespace

bool MayUpdatePupilFile(const QString& nativePath, bool exists)
{
    const PupilProfile current = PupilProfile::Current();
    const QString profile = NativePath(current.Path());
    if (current.Path().isEmpty() || !SamePath(Stem(nativePath), Stem(profile)))
        return true;
    if (current.IsShared())
        return true;
    if (!exists && SamePath(nativePath, profile))
        return false;
    PupilRegistry registry;
    registry.Load();
    const QString value = registry.ValueOf(CurrentPupilName());
    return !value.isNull() && PupilProfile::OfRegistryValue(value).SameAs(current);
}

void InstallPupilWriteGuard()
{
    SetWriteGuard(MayUpdatePupilFile);
}
