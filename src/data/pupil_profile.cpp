#include "data/pupil_profile.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"

PupilProfile PupilProfile::OfRegistryValue(const QString& value)
{
    if (value.isEmpty())
        return Shared();
    if (value.contains(u':') || value.contains(QLatin1String("\\\\")) || IsAbsolutePath(value))
        return PupilProfile(value);
    return PupilProfile(DataRoot() + FileNamePart(value));
}

PupilProfile PupilProfile::Shared()
{
    return PupilProfile(DataRoot() + QStringLiteral("jeder.ini"));
}

PupilProfile PupilProfile::Current()
{
    return PupilProfile(CurrentProfilePath());
}

QString PupilProfile::ProtocolFile() const
{
    return ChangeExtension(path_, QStringLiteral(".txt"));
}

QString PupilProfile::ErrorListFile() const
{
    return ChangeExtension(path_, QStringLiteral(".fhl"));
}

QString PupilProfile::CertificateFile() const
{
    return ChangeExtension(path_, QStringLiteral(".zgn"));
}

QString PupilProfile::SummaryFile() const
{
    return ChangeExtension(path_, QStringLiteral(".rtf"));
}

QString PupilProfile::HistoryFile() const
{
    return ChangeExtension(path_, QStringLiteral(".csv"));
}

QStringList PupilProfile::Files() const
{
    return {path_, ErrorListFile(), CertificateFile(), SummaryFile(), ProtocolFile(), HistoryFile()};
}

bool PupilProfile::IsShared() const
{
    return SameAs(Shared());
}

bool PupilProfile::SameAs(const PupilProfile& other) const
{
    return SamePath(NativePath(path_), NativePath(other.path_));
}

bool PupilProfile::WriteTest() const
{
    return Ini::WriteString(path_, QStringLiteral("CDtest"), QStringLiteral("aufCD"),
                            QStringLiteral("false"));
}
