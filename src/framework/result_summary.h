#pragma once
// The result summary of exercise 2 in uncovering mode: a small RTF document
// (the profile path with ".rtf") with the points reached, the percentage and
// a word of praise. The main window shows it as a certificate and deletes it.
#include "framework/results_files.h"

// The percentage totalPoints / solvedCount, rounded half to even.
int SummaryPercentage(int totalPoints, int solvedCount);
// The praise for a percentage.
QString SummaryPraise(int percentage);

// Writes (or appends) the summary. Nothing is written when the profile cannot
// be written or solvedCount is not positive.
void WriteResultSummary(const QString& programName, int totalPoints, int solvedCount,
                        const ResultsContext& context);
