#pragma once
// Folders shared by the accounts of one group: a folder whose group may write
// and that passes its group on to new files (the set-group-ID bit), as the
// package makes the shared pupil data folder. Files made there must stay
// writable for the group, whatever the user's file-creation mask says.
#include <QString>

// True when the folder (native path) exists, is writable for its group and
// has the set-group-ID bit.
bool IsGroupSharedFolder(const QString& folder);

// Lets the owner and the group read and write a file or folder (native path),
// folders also enter; keeps the set-group-ID bit. False when it cannot.
bool OpenToGroup(const QString& path);

// Lets the files and folders this process makes from now on be read and
// written by their group (clears the group bits of the file-creation mask).
void LetGroupWriteNewFiles();
