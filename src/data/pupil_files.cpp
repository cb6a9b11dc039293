#include "data/pupil_files.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

bool NamesProfile(const PupilRegistry& registry, const QString& profileFile)
{
    const PupilProfile profile(profileFile);
    for (const QString& line : registry.Lines())
        if (PupilProfile::OfRegistryValue(PupilRegistry::ValueOfLine(line)).SameAs(profile))
            return true;
    return false;
}

namespace {

// Some line's value ends in this file name, whatever folder it names: an
// absolute path to the data root spelt another way still protects the file.
bool NamesFileName(const PupilRegistry& registry, const QString& fileName)
{
    for (const QString& line : registry.Lines())
        if (FileNamePart(PupilRegistry::ValueOfLine(line)).compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void RemovePupilFiles(const QString& profileFile)
{
    // The profile goes last, so a pupil half removed still shows which
    // files were its own.
    const QStringList files = PupilProfile(profileFile).Files();
    for (qsizetype i = files.size() - 1; i >= 0; --i)
        QFile::remove(NativePath(files[i]));
}

QString DeletedPupilsFolder()
{
    return DataRoot() + QStringLiteral("geloescht/");
}

QString MovePupilFilesToDeleted(const QString& profileFile, const QString& registryLine)
{
    QString name = AsciiFileName(PupilRegistry::NameOfLine(registryLine)).simplified();
    if (name.isEmpty())
        name = QStringLiteral("Schueler");
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    QString folder = DeletedPupilsFolder() + name + u' ' + stamp;
    for (int n = 2; FolderExists(folder); ++n)
        folder = DeletedPupilsFolder() + name + u' ' + stamp + u' ' + QString::number(n);
    folder += u'/';
    if (!CreateFolders(folder) || !WriteTextLines(folder + QStringLiteral("namen.txt"), {registryLine}))
        return QString();
    const QStringList files = PupilProfile(profileFile).Files();
    for (qsizetype i = files.size() - 1; i >= 0; --i) {
        const QString from = NativePath(files[i]);
        if (QFileInfo::exists(from))
            QFile::rename(from, NativePath(folder + FileNamePart(files[i])));
    }
    return folder;
}

int RemoveStaleTemporaries(const QString& folder, qint64 minAgeMs)
{
    // Whole copies a write left before its rename, the markers the lock
    // file leaves while it takes over a stale lock ("namen.txt.lock.rmlock"),
    // and the marks of writers killed while they waited ("namen.txt.lock.wait").
    static const QRegularExpression pattern(
        QStringLiteral("^.+\\.(ini|txt|zgn|fhl|rtf|csv)(\\.[A-Za-z0-9]{6}|\\.lock(\\.rmlock)+|\\.lock\\.wait)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QDir dir(NativePath(folder));
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (!pattern.match(info.fileName()).hasMatch())
            continue;
        if (info.lastModified().toUTC().msecsTo(now) < minAgeMs)
            continue; // possibly a write going on right now
        removed += QFile::remove(info.absoluteFilePath()) ? 1 : 0;
    }
    return removed;
}

int RemoveUnnamedPupilFiles()
{
    static const QRegularExpression pattern(QStringLiteral("^(jeder\\d+)\\.(ini|txt|zgn|fhl|rtf|csv)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!QFileInfo(NativePath(PupilRegistry::FilePath())).isFile())
        return 0;
    int removed = 0;
    PupilRegistry registry;
    registry.WithLockedRegistry([&] {
        // An empty file reads as the default line: nothing is judged on it.
        bool blank = true;
        for (const QString& line : ReadTextLines(PupilRegistry::FilePath()))
            blank = blank && line.trimmed().isEmpty();
        if (blank)
            return;
        const QDir dir(NativePath(DataRoot()));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            const auto match = pattern.match(info.fileName());
            if (!match.hasMatch())
                continue;
            const QString profile = match.captured(1) + QStringLiteral(".ini");
            if (NamesProfile(registry, DataRoot() + profile) || NamesFileName(registry, profile))
                continue;
            removed += QFile::remove(info.absoluteFilePath()) ? 1 : 0;
        }
    });
    return removed;
}

void TidyDataRoot()
{
    RemoveStaleTemporaries(DataRoot());
    RemoveUnnamedPupilFiles();
}
