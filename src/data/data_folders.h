#pragma once
// Where the pupil data lives: the usable-folder test, the data root taken from
// "netzwerkpfad.txt", the local "protokoll" folder, and the shared documents
// folder used when the program folder is read-only.
#include <QString>

// A folder is writable when it exists, is not marked read-only (no write
// permission bit at all), holds no file marked read-only, and a sub-folder
// "~abc" can be created in it (removed again at once).
bool IsWritableFolder(const QString& folder);
// A path is usable when a file or folder of that name exists and the folder
// that holds it is writable.
bool IsUsablePath(const QString& path);

// The user's own data folder (~/.local/share/lirabo).
QString PrivateDataFolder();

// machineFolder when it is a writable folder for this user, else the user's
// own data folder: an account outside the group that shares the machine's
// folder still gets a working program, with data of its own.
QString MachineOrPrivateFolder(const QString& machineFolder);

// The folder below which the data root of a read-only program folder is made:
// $LIRABO_SHARED_DOCUMENTS when set, else MachineOrPrivateFolder of
// /var/lib/lirabo (the package makes it, shared by the group "lirabo").
QString SharedDocumentsFolder();

struct DataFolders {
    QString dataRoot;            // with a trailing separator
    QString currentProfilePath;
    QString errorText;           // text of the error box to show; empty when fine
};

// Resolves the data root of ProgramFolder(): the
// first line of "netzwerkpfad.txt", else "protokoll" when usable, else
// <shared documents>/KORVANT/<program folder name>/protokoll/, made and filled
// with copies of the program's "protokoll" files when it does not exist yet.
DataFolders ResolveDataFolders();

// Sets ProgramFolder, DataRoot and CurrentProfilePath and shows the error box
// when the data folder is unusable. A data root shared by a group makes the
// files written from then on writable for the group.
void SetUpDataFolders(const QString& programFolder);
