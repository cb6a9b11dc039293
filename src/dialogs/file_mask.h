#pragma once
// File masks of the choosers: one pattern ("*.txt") or a list separated by ","
// or ";" ("*.jpg,*.gif"). Names are compared without regard to case, and
// "*.*" stands for every name, with or without an extension.
#include <QString>
#include <QStringList>

// The single patterns of a mask, trimmed; an empty mask gives "*.*".
QStringList MaskPatterns(const QString& mask);

// True when the file name matches one of the mask's patterns.
bool MaskMatches(const QString& mask, const QString& name);

// True when the folder would show something for the mask before the tree moves
// there: any entry of any kind matches, "." and ".." included. A mask list is
// searched as "*.*", so only a single narrower mask can leave a folder empty.
bool FolderHasMatch(const QString& folder, const QString& mask);

// The names of the files (not folders) in the folder that match the mask,
// sorted without regard to case.
QStringList MatchingFileNames(const QString& folder, const QString& mask);
