#pragma once
// The history file of a pupil: the profile path with ".csv", one row per
// answered word, never trimmed. UTF-8 with a byte order mark (so spreadsheets
// take the umlauts right), a header line, fields separated by ";" as
// spreadsheets in German set-ups expect, quoted with '"' where a field holds
// a separator, a quote or a line break, CR LF after each row.
//
//   Datum;Zeit;Übung;Liste;Wort;Ergebnis;Versuche;Aufzeichnung;Herkunft
//   2026-11-05;09:05:00;Hören und Schreiben;tiere.txt;Hund;später richtig;Hunt;"H[t] Hunt; -OK-";
//
// Datum is ISO (yyyy-MM-dd), Zeit hh:mm:ss, Ergebnis one of the texts of
// VerdictText, Versuche the wrong attempts joined by "; ", Aufzeichnung the
// answer record as the protocol holds it, Herkunft empty for a row the
// exercise wrote and "importiert" for one taken from an older protocol.
// Readers find the columns by their header names, so columns may be added.
#include "framework/history_row.h"

#include <QByteArray>
#include <QList>

QString HistoryFileOf(const QString& profilePath);

// One line of fields as this file writes them (quoted where needed, CR LF);
// the class overview's exports use it too.
QByteArray CsvLine(const QStringList& fields);

// The header line's bytes (with the byte order mark) and a row's bytes.
QByteArray HistoryHeader();
QByteArray HistoryLine(const HistoryRow& row);

// The rows of a history file's bytes. Rows that do not parse (no date, an
// unknown verdict, missing columns) are skipped and counted in skipped; a
// file without the header gives no rows.
QList<HistoryRow> ParseHistory(const QByteArray& bytes, int* skipped = nullptr);

// Reads the file at a program path; a missing or unreadable file gives none.
QList<HistoryRow> ReadHistoryFile(const QString& path);
