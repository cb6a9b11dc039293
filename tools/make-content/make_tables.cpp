// Step "intern": the program tables. The praise and hint tables get one row
// per text with the recordings of the three voices; every other file of
// content/intern is converted to Windows-1252 as it stands.
#include "file_set.h"
#include "steps.h"
#include "voice_tables.h"

#include <QDir>

namespace {

QByteArray VoiceTableFile(const VoiceTable& table, const VoiceTableSource& source)
{
    QStringList lines{source.title, source.subtitle};
    for (int row = 0; row < source.rows.size(); ++row) {
        QStringList fields;
        for (int voice = 0; voice < 3; ++voice)
            fields << VoiceSoundPath(table, voice, row);
        for (const QString& text : source.rows[row])
            fields << text;
        lines << fields.join(u';');
    }
    return Cp1252Text(lines);
}

} // namespace

void MakeTables(const ContentPaths& paths)
{
    FileSet files(paths);
    QStringList tableNames;
    for (const VoiceTable& table : VoiceTables()) {
        const VoiceTableSource source = LoadVoiceTable(paths.In(QStringLiteral("intern/") + table.fileName));
        files.Add(QStringLiteral("intern\\") + table.fileName, VoiceTableFile(table, source));
        tableNames << table.fileName;
    }
    const QDir folder(paths.In(QStringLiteral("intern")));
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        if (!tableNames.contains(name))
            files.Add(QStringLiteral("intern\\") + name, Cp1252CopyOf(folder.filePath(name)));
    files.WriteAll();
}
