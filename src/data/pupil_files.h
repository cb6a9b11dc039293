#pragma once
// The pupils' files in the data root as a whole: which profiles the registry
// names, removing a pupil's files, and the tidying at start that clears what
// a crash or a kill in the middle of a write left behind.
#include <QString>

class PupilRegistry;

// A registry line names this profile (compared as SelectCurrentProfile
// resolves the values).
bool NamesProfile(const PupilRegistry& registry, const QString& profileFile);

// Removes the files beside the profile (".fhl", ".zgn", ".rtf", ".txt", ".csv") and
// then the profile itself.
void RemovePupilFiles(const QString& profileFile);

// The folder below the data root that deleted pupils' files are moved into.
QString DeletedPupilsFolder();   // DataRoot + "geloescht/"

// What deleting a pupil does with its files: they are moved, the profile
// last, into a folder of their own below DeletedPupilsFolder(), named after
// the pupil and the time ("Anna 2026-12-11 14-05-09"), together with
// "namen.txt" holding the pupil's registry line, so a teacher can get the
// pupil back. A file that cannot be moved stays where it is. Returns the
// folder (empty when it could not be made; nothing is then moved).
QString MovePupilFilesToDeleted(const QString& profileFile, const QString& registryLine);

// Removes the temporary copies "<file>.XXXXXX" of pupil files (".ini",
// ".txt", ".zgn", ".fhl", ".rtf", ".csv" followed by a dot and six letters or
// digits) that are older than minAgeMs: an atomic write that was cut off
// between writing its copy and renaming it leaves one. Also the markers
// "<file>.lock.rmlock" a process killed while taking over a stale lock
// leaves, and the marks "<file>.lock.wait" of writers killed while waiting
// for a lock. Returns how many went.
int RemoveStaleTemporaries(const QString& folder, qint64 minAgeMs = 60000);

// Removes the lock files "<file>.lock" of pupil files that are stale (their
// holder on this host is gone, or they are older than any hold). Returns how
// many went.
int RemoveStaleLocks(const QString& folder);

// Removes the files of pupils the registry no longer names: "jeder<n>" with
// the profile and results extensions, in the data root, when no registry line
// names "jeder<n>.ini" and the file is older than minAgeMs. Runs under the
// registry's lock (waiting only a moment for it) and only on a registry that
// was read and holds lines, so a missing, busy or unreadable registry never
// costs a file. Returns how many went.
int RemoveUnnamedPupilFiles(qint64 minAgeMs = 3600000);

// What the program does at start: the three above in the data root.
void TidyDataRoot();
