#include "klassenuebersicht/practice_list.h"

#include "dazidazud/list_file.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QHash>

std::unique_ptr<tmoiel> PracticeList(const QStringList& words, const QString& listsFolder, const QString& title)
{
    QHash<QString, WordEntryPtr> known;
    const QDir dir(NativePath(listsFolder));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const ListFileReading reading = ReadListFile(dir.filePath(name));
        if (!reading.list)
            continue;
        for (int i = 0; i < reading.list->Count(); ++i)
            if (WordEntry* e = reading.list->Entry(i); e && !known.contains(e->fields[5]))
                known.insert(e->fields[5], reading.list->SharedEntry(i));
    }
    auto list = std::make_unique<tmoiel>(title);
    list->header2 = QStringLiteral("Wörter, die die Klasse oft falsch schreibt");
    for (const QString& word : words) {
        WordEntryPtr entry = known.value(word);
        if (!entry) {
            entry = std::make_shared<WordEntry>();
            entry->fields[0] = word;
            entry->fields[5] = word;
        }
        list->Append(entry);
    }
    return list;
}

bool SavePracticeList(const QStringList& words, const QString& listsFolder, const QString& fileName,
                      QString* savedPath, QString* error)
{
    QString name = fileName.trimmed();
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.')) {
        *error = QStringLiteral("Bitte einen Dateinamen ohne Ordner angeben.");
        return false;
    }
    if (words.isEmpty()) {
        *error = QStringLiteral("Es gibt keine Wörter für die Liste.");
        return false;
    }
    if (!name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        name += QStringLiteral(".txt");
    QString title = name.left(name.size() - 4);
    const auto list = PracticeList(words, listsFolder, title);
    QString folder = listsFolder;
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    *savedPath = folder + name;
    return WriteListFile(*list, *savedPath, error);
}
