#pragma once
// Process-wide values shared by every part of the program. Paths are program
// paths (see platform/file_paths.h) and folders end with a separator.
#include <QString>
#include <QStringList>

struct ProgramState {
    QString programFolder;                                     // folder of the executable
    QString dataRoot;                                          // pupil registry, profiles, results
    QString currentProfilePath = QStringLiteral("protokoll\\jeder.ini");
    QString currentPupilName;   // the name in the pupil box that chose currentProfilePath
    bool swissMode = false;
    bool coverBackground = true;
    bool startOnListChoice = true;
    bool firstStart = true;     // no exercise has started yet in this run
};

ProgramState& Program();

// Short accessors named as the rest of the program names these values.
inline const QString& ProgramFolder() { return Program().programFolder; }
inline const QString& DataRoot() { return Program().dataRoot; }
inline const QString& CurrentProfilePath() { return Program().currentProfilePath; }
inline const QString& CurrentPupilName() { return Program().currentPupilName; }
inline bool SwissMode() { return Program().swissMode; }
inline bool CoverBackground() { return Program().coverBackground; }
inline bool StartOnListChoice() { return Program().startOnListChoice; }

// major.minor of the build.
QString ProgramVersion();

// "der", "die", "das", "ein", "eine".
const QStringList& ArticleList();
