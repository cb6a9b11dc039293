#include "data/pupil_files.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/pupil_profile.h"
#include "data/pupil_registry.h"
#include "platform/file_lock.h"
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

constexpr int kTidyLockWaitMs = 200;

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
    // Whole copies a write left before its rename, the markers of a takeover
    // of a stale lock ("namen.txt.lock.stale-...", and "namen.txt.lock.rmlock"
    // of earlier versions), and the marks of writers killed while they waited
    // ("namen.txt.lock.wait").
    static const QRegularExpression pattern(
        QStringLiteral("^.+\\.(ini|txt|zgn|fhl|rtf|csv)(\\.[A-Za-z0-9]{6}|\\.lock(\\.rmlock)+|\\.lock\\.wait|"
                       "\\.lock\\.stale-[a-z0-9]+|\\.lock\\.[a-z0-9]{12,})$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QDir dir(NativePath(folder));
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!pattern.match(info.fileName()).hasMatch())
            continue;
        if (info.lastModified().toUTC().msecsTo(now) < minAgeMs)
            continue; // possibly a write going on right now
        // Takeover markers and the lock folders of writers killed while
        // they waited are folders.
        const bool gone = info.isDir() ? QDir(info.absoluteFilePath()).removeRecursively()
                                       : QFile::remove(info.absoluteFilePath());
        removed += gone ? 1 : 0;
    }
    return removed;
}

int RemoveStaleLocks(const QString& folder)
{
    static const QRegularExpression pattern(QStringLiteral("^.+\\.(ini|txt|zgn|fhl|rtf|csv)\\.lock$"),
                                            QRegularExpression::CaseInsensitiveOption);
    int removed = 0;
    const QDir dir(NativePath(folder));
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        if (pattern.match(info.fileName()).hasMatch())
            removed += FileUpdateLock::RemoveIfStale(info.absoluteFilePath()) ? 1 : 0;
    return removed;
}

int RemoveUnnamedPupilFiles(qint64 minAgeMs)
{
    static const QRegularExpression pattern(QStringLiteral("^(jeder\\d+)\\.(ini|txt|zgn|fhl|rtf|csv)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!QFileInfo(NativePath(PupilRegistry::FilePath())).isFile())
        return 0;
    int removed = 0;
    PupilRegistry registry;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // Tidying is no reason to wait: a registry in use now is tidied next time.
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
            // A young file may belong to a pupil being added or worked with
            // right now at a workstation that is behind with the registry.
            if (info.lastModified().toUTC().msecsTo(now) < minAgeMs)
                continue;
            removed += QFile::remove(info.absoluteFilePath()) ? 1 : 0;
        }
    }, nullptr, kTidyLockWaitMs);
    return removed;
}

void TidyDataRoot()
{
    RemoveStaleLocks(DataRoot());
    RemoveStaleTemporaries(DataRoot());
    RemoveUnnamedPupilFiles();
}
