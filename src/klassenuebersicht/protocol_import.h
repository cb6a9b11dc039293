#pragma once
// Fills a pupil's history from the results protocol ".txt" written before the
// history existed: its blocks give date and time ("***Donnerstag, den
// 5.11.2026 ..." and "Programm: ...     Zeit: 09:05"), the list ("Datei: ...")
// and one row per answer ("Hund               = Kaze; -OK-").
#include "framework/history_row.h"

#include <QList>
#include <QString>

// The answer rows of a protocol's text, marked as imported, in file order.
// Lines that fit no part of a block are passed over.
QList<HistoryRow> ParseProtocol(const QString& text);

// Puts the protocol's rows that are older than every row of the history at
// the front of the history, once: a history that already holds imported
// rows is left alone. Runs under the history's update lock. Returns the rows
// imported (0 also when the files could not be read or written).
int ImportProtocolIntoHistory(const QString& profilePath);
