// Step "listen": the word lists in the program's list format.
#include "data/word_list.h"
#include "steps.h"
#include "file_set.h"
#include "word_table.h"

#include <algorithm>

namespace {

const QString kPictureStyle = QLatin1String(kListPictureStyle);

QString Row(const Word& w)
{
    return QStringList{w.text, kPictureStyle, w.PicturePath(), w.SpeechPath(), w.NoisePath(), w.text}
        .join(u';');
}

} // namespace

void MakeLists(const ContentPaths& paths)
{
    const WordTable table = WordTable::Load(paths.In(QStringLiteral("woerter.txt")));
    FileSet files(paths);
    const QList<ListSource> lists = LoadListSources(paths.In(QStringLiteral("listen")), table);
    // A word that no list uses is a slip in the sources (a list line misspelt).
    for (const Word& w : table.Words())
        if (std::none_of(lists.begin(), lists.end(), [&](const ListSource& l) { return l.words.contains(w.text); }))
            Fail(QStringLiteral("\"%1\" is in no list").arg(w.text));
    for (const ListSource& list : lists) {
        QStringList lines{list.title, list.subtitle};
        for (const QString& text : list.words)
            lines << Row(table.Find(text));
        files.Add(QStringLiteral("listen\\") + list.fileName, Cp1252Text(lines));
    }
    files.WriteAll();
}
