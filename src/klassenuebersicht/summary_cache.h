#pragma once
// The class overview's local cache: the summary of every pupil's history
// (pupil_summary.h) with the history file's path, size and time of change,
// so that a history is read again only when it grew or changed. It holds
// derived figures only and lies in the user's own cache folder, one file per
// data folder, never in the shared folder. A cache that is damaged, of
// another version or of another data folder is ignored and written anew.
//
// Bytes: "LRBSUM" magic and a version, the data folder, the entries, and a
// 64-bit check sum of all before it; numbers little-endian, texts as a
// length and UTF-16 units.
#include "klassenuebersicht/pupil_summary.h"

#include <QByteArray>
#include <QList>

struct CachedHistory {
    QString path;          // the history file
    qint64 size = 0;
    qint64 modified = 0;   // milliseconds since the epoch
    PupilSummary summary;
    bool operator==(const CachedHistory&) const = default;
};

QByteArray SummaryCacheBytes(const QString& dataRoot, const QList<CachedHistory>& entries);

// The entries of cache bytes written for dataRoot; false (and none) for bytes
// that are damaged, cut short, of another version or of another data folder.
bool ParseSummaryCache(const QByteArray& bytes, const QString& dataRoot, QList<CachedHistory>* entries);

// The cache file of a data folder in the user's cache folder.
QString SummaryCacheFile(const QString& dataRoot);

// The check sum the bytes end with (exposed for the fuzz target, which seals
// its inputs with it so the parser behind the check is reached).
quint64 SummaryCacheChecksum(const char* data, qsizetype size);
