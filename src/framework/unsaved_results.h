#pragma once
// Results of a pupil that could not be written because the data folder was
// busy or away for a moment (a share): they are kept, in order per file, and
// written before any later results of the same file; what is still unsaved
// when an exercise closes is said on the screen with the folder.
#include <QString>
#include <QStringList>
#include <functional>

// Writes now, or keeps the write when it fails or when earlier results of the
// file are still waiting. A whole-file write replaces a kept whole-file write
// of the same file (its content is newer). True when written now.
bool WriteOrKeepResults(const QString& path, const std::function<bool()>& write, bool wholeFile);

// Tries every kept write again, in order; returns how many are still kept.
int RetryUnsavedResults();
// The files still kept, in the order they were first kept.
QStringList UnsavedResultFiles();

// Tries again, and when results are still unsaved shows one message naming
// what and the folders. They stay kept for the next try.
void ReportUnsavedResults();
// The text of that message; empty when nothing is kept.
QString UnsavedResultsMessage();

// Forgets every kept write (tests).
void ForgetUnsavedResults();
