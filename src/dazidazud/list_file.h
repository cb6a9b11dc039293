#pragma once
// Word list files as the list editor reads and writes them. Rows keep their
// six fields exactly as written (the exercises' clean-up on loading is not
// applied), so an unchanged list is saved byte for byte as it was read. A file
// that is not a word list is refused with a German message rather than shown
// and later saved over.
#include "data/word_list.h"
#include "data/word_list_check.h"

#include <QByteArray>
#include <QString>
#include <memory>

struct ListFileReading {
    std::unique_ptr<tmoiel> list;   // null when the file was refused
    QString error;                  // the German message when refused
    int paddedRows = 0;             // rows with fewer than six fields, completed with empty ones
    int cutRows = 0;                // rows with more than six fields (the rest is not kept)
};


// Reads path (a program path). A missing or unreadable file, a binary file, a
// file too large or one whose rows hold no six-field row at all is refused.
ListFileReading ReadListFile(const QString& path);
// The same on bytes already read; name is used in the messages.
ListFileReading ParseListBytes(const QByteArray& bytes, const QString& name);

// The fields of one row split at every ";" (a trailing ";" gives an empty last field).
QStringList RowFields(const QString& row);

// Why text cannot stand in a list field, in German; empty when it can. A ";"
// would split the field, a line break the row, and a character without a
// Windows-1252 code would be written as "?".
QString FieldProblem(const QString& text);

// Writes the list to path atomically (the old file stays whole when writing
// fails). False with a German message when a text cannot be written or the
// file cannot be replaced.
bool WriteListFile(const tmoiel& list, const QString& path, QString* error);
