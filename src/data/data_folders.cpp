#include "data/data_folders.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/group_sharing.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr auto kWriteBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
constexpr auto kAllRead = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup |
                          QFileDevice::ReadOther;
constexpr auto kAllWrite = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                           QFileDevice::WriteGroup | QFileDevice::WriteOther;
constexpr auto kAllExe = QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup |
                         QFileDevice::ExeOther;

const QString kProbe = QStringLiteral("~abc");
const QString kSharedDefault = QStringLiteral("/var/lib/lirabo");

// The read-only mark of the file system the program was made for is, here, a
// file or folder without any write permission bit.
bool MarkedReadOnly(const QFileInfo& info)
{
    return !(info.permissions() & kWriteBits);
}

// Who besides the owner may use what is made below a shared documents folder:
// everyone when the folder is writable for everyone, its group when it is
// shared by a group (the package's scheme), else no one.
enum class Sharing { Private, Group, Everyone };

Sharing SharingOf(const QString& folder)
{
    const QString native = NativePath(folder);
    if (QFileInfo(native).permissions().testFlag(QFileDevice::WriteOther))
        return Sharing::Everyone;
    return IsGroupSharedFolder(native) ? Sharing::Group : Sharing::Private;
}

// Clears the read-only mark of a folder or file made below the shared
// documents folder and opens it to those it is shared with.
void MakeWritable(const QString& nativePath, Sharing sharing, bool folder)
{
    if (sharing == Sharing::Group) {
        OpenToGroup(nativePath);   // keeps the set-group-ID bit new files inherit the group by
        return;
    }
    QFileDevice::Permissions p = QFileInfo(nativePath).permissions() | QFileDevice::WriteOwner;
    if (sharing == Sharing::Everyone)
        p |= kAllRead | kAllWrite | (folder ? kAllExe : QFileDevice::Permissions());
    QFile::setPermissions(nativePath, p);
}

QString NetworkErrorText(const QString& dataRoot)
{
    return QStringLiteral("Der Ordner ") + dataRoot +
           QStringLiteral(" zum Speichern der Sch\u00fclerdaten ist ung\u00fcltig!") +
           QStringLiteral("\n\r") + QStringLiteral("Bitte \u00fcberpr\u00fcfen Sie den Inhalt der Datei ") +
           ProgramFolder() + QStringLiteral("netzwerkpfad.txt") + QStringLiteral("\n\r") +
           QStringLiteral("und lesen Sie die Datei netzwerk-info im selben Ordner.");
}

QString SharedErrorText(const QString& dataRoot)
{
    return QStringLiteral("Der Ordner ") + dataRoot +
           QStringLiteral(" zum Speichern der Sch\u00fclerdaten ist ung\u00fcltig!");
}

// Creates the shared copy of the program's "protokoll" folder: every missing
// level below base, then a copy of each file (existing files are kept).
void CreateSharedCopy(const QString& base, const QString& dataRoot)
{
    const Sharing sharing = SharingOf(base);
    QStringList made;
    for (QString level = WithoutTrailingSeparator(dataRoot);
         level.size() > base.size() && !FolderExists(level);
         level = WithoutTrailingSeparator(ParentFolder(level)))
        made.prepend(level);
    if (!CreateFolders(dataRoot))
        return;
    for (const QString& level : made)
        MakeWritable(NativePath(level), sharing, true);

    const QDir source(NativePath(ProgramFolder() + QStringLiteral("protokoll/")));
    const QFileInfoList files = source.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : files) {
        const QString target = dataRoot + f.fileName();
        if (CopyFile(f.filePath(), target, false))
            MakeWritable(NativePath(target), sharing, false);
    }
}

} // namespace

bool IsWritableFolder(const QString& folder)
{
    const QString native = NativePath(folder);
    const QFileInfo info(native);
    if (folder.isEmpty() || !info.isDir() || MarkedReadOnly(info))
        return false;
    const QDir dir(native);
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (MarkedReadOnly(f))
            return false;
    // A probe folder left behind by an interrupted test is removed first, so
    // that it cannot make the folder look unwritable for good.
    dir.rmdir(kProbe);
    if (!dir.mkdir(kProbe))
        return false;
    dir.rmdir(kProbe);
    return true;
}

bool IsUsablePath(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(NativePath(path)))
        return false;
    return IsWritableFolder(FolderPart(WithoutTrailingSeparator(path)));
}

QString PrivateDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lirabo");
}

QString MachineOrPrivateFolder(const QString& machineFolder)
{
    return IsWritableFolder(machineFolder) ? machineFolder : PrivateDataFolder();
}

QString SharedDocumentsFolder()
{
    const QString chosen = qEnvironmentVariable("LIRABO_SHARED_DOCUMENTS");
    if (!chosen.isEmpty())
        return chosen.size() > 1 ? WithoutTrailingSeparator(chosen) : chosen;
    return MachineOrPrivateFolder(kSharedDefault);
}

DataFolders ResolveDataFolders()
{
    DataFolders r;
    const QString program = ProgramFolder();

    // A data root on a network share, named by the first line of netzwerkpfad.txt.
    // It is used as written (so it must end with a separator); a relative one is
    // taken from the program folder, and a blank line counts as no line.
    const QStringList network = ReadTextLines(program + QStringLiteral("netzwerkpfad.txt"));
    if (!network.isEmpty() && !network.first().trimmed().isEmpty()) {
        r.dataRoot = ResolvePath(network.first());
        r.currentProfilePath = r.dataRoot + QStringLiteral("jeder.ini");
        if (!IsUsablePath(r.currentProfilePath))
            r.errorText = NetworkErrorText(r.dataRoot);
        return r;
    }

    const QString local = program + QStringLiteral("protokoll/");
    if (IsUsablePath(local + QStringLiteral("jeder.ini"))) {
        r.dataRoot = local;
        r.currentProfilePath = QStringLiteral("protokoll\\jeder.ini");
        return r;
    }

    // The program folder is read-only: a folder of its own below the shared
    // documents folder, filled once from the program's "protokoll" folder.
    const QString base = SharedDocumentsFolder();
    const QString name = FileNamePart(WithoutTrailingSeparator(program));
    r.dataRoot = (base.endsWith(u'/') ? base : base + u'/') + QStringLiteral("KORVANT/") + name +
                 QStringLiteral("/protokoll/");
    if (!FolderExists(r.dataRoot))
        CreateSharedCopy(base, r.dataRoot);
    r.currentProfilePath = r.dataRoot + QStringLiteral("jeder.ini");
    if (!IsUsablePath(r.currentProfilePath))
        r.errorText = SharedErrorText(r.dataRoot);
    return r;
}

void SetUpDataFolders(const QString& programFolder)
{
    Program().programFolder = programFolder;
    const DataFolders r = ResolveDataFolders();
    Program().dataRoot = r.dataRoot;
    Program().currentProfilePath = r.currentProfilePath;
    // Pupil data shared by a group: what this account writes there stays
    // writable for the group's other accounts.
    if (IsGroupSharedFolder(NativePath(WithoutTrailingSeparator(r.dataRoot))))
        LetGroupWriteNewFiles();
    if (!r.errorText.isEmpty())
        ShowMessage(r.errorText, MessageIcon::Error);
}
