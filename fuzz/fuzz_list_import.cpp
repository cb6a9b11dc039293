// The list editor's reading of a word list: any bytes are refused with a
// message or give a list; a list that the editor may save is written and read
// back with the same rows.
#include "dazidazud/list_file.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ListFileReading reading = ParseListBytes(bytes, QStringLiteral("liste.txt"));
    if (!reading.list) {
        if (reading.error.isEmpty())
            std::abort();
        return 0;
    }
    const QStringList lines = reading.list->Lines();
    for (const QString& line : lines)
        for (const QString& field : RowFields(line))
            (void)FieldProblem(field);
    const QString path = dir.path() + QStringLiteral("/liste.txt");
    QString error;
    if (!WriteListFile(*reading.list, path, &error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const ListFileReading again = ReadListFile(path);
    if (!again.list || again.list->Lines() != lines)
        std::abort();
    return 0;
}
