#pragma once
// The lasting history of a pupil's work (history_csv.h): every answered word
// of a block appended beside the profile, all or nothing, under the same
// update lock as the other results files. Unlike the protocol it is never cut.
#include "framework/history_row.h"
#include "framework/results_files.h"

// The rows of the answers: each answer row with the list of the marker
// before it (the context's list when there is none; "Fehlerliste" for the
// error list), at the context's time.
QList<HistoryRow> HistoryRowsOf(const QString& programName, const AnswerLists& answers,
                                const ResultsContext& context);

// Appends rows to the history file at path, writing the header first when the
// file is new or empty. True when there was nothing to write or all was
// written; false leaves the file as it was.
bool AppendHistoryRows(const QString& path, const QList<HistoryRow>& rows);

// Appends the answers of a block to the history beside the context's profile
// (nothing for "Lesen lernen", whose clicks are no answers).
bool AppendResultsHistory(const QString& programName, const AnswerLists& answers, const ResultsContext& context);
