#pragma once
// The results protocol: the profile path with ".txt", a readable log of the
// pupil's answers in dated blocks. The teacher opens it in a text editor.
#include "framework/results_files.h"

// Appends a block for the answers (nothing for "Lesen lernen"). Before, an
// existing protocol is cut so that at most ten earlier blocks follow its
// first line. headerText (the settings summary) is written when not empty.
void WriteProtocol(const QString& programName, const QString& headerText, const AnswerLists& answers,
                   const ResultsContext& context);

// Cuts the protocol at path to its first line and the newest ten blocks; the
// file is replaced in one step, so a crash cannot lose it.
void TrimProtocol(const QString& path);
