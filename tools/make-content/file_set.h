#pragma once
// The files one generator step makes, collected before they are written: a
// path made twice must get the same bytes (two words sharing a recording is
// fine, two different recordings under one name is a mistake in the sources).
#include "content_files.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class FileSet {
public:
    explicit FileSet(ContentPaths paths) : paths_(std::move(paths)) {}

    void Add(const QString& programPath, const QByteArray& bytes);
    bool Has(const QString& programPath) const;
    // Writes every file whose bytes changed; returns the number of files.
    int WriteAll() const;

private:
    static QString Key(const QString& programPath);
    ContentPaths paths_;
    QMap<QString, QPair<QString, QByteArray>> files_;   // key -> path, bytes
};
