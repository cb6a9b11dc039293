#pragma once
// The files of the chosen pupil (the profile and the results beside it) are
// written only while the registry still names that pupil with that profile.
// A pupil deleted at another workstation while chosen here gets no orphan
// profile made again by a later write, and when a new pupil has meanwhile
// taken the same file name, this pupil's results never land in its files.
#include <QString>

// Whether an update of the file may go ahead: true for every file that is not
// one of the chosen pupil's; for those, the registry is read again and must
// name the chosen pupil with the chosen profile, and the profile itself is
// never made anew.
bool MayUpdatePupilFile(const QString& nativePath, bool exists);

// Makes every atomic write of the program's files ask MayUpdatePupilFile.
void InstallPupilWriteGuard();
