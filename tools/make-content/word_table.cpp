#include "word_table.h"

#include "content_files.h"
#include "data/path_helpers.h"

#include <QDir>

namespace {

const QStringList& Articles()
{
    static const QStringList a = {QStringLiteral("der"), QStringLiteral("die"),
                                  QStringLiteral("das")};
    return a;
}

QStringList Columns(const QString& line)
{
    QStringList cols = line.split(u'|');
    for (QString& c : cols)
        c = c.trimmed();
    return cols;
}

} // namespace

QString SpracheFolderOf(const QString& word)
{
    return QStringLiteral("sprache\\") + word.left(1).toLower() + u'\\';
}

QString Word::FileBase() const
{
    const QString name = AsciiFileName(noun);
    if (name.isEmpty())
        Fail(QStringLiteral("no file name for \"%1\"").arg(noun));
    return name;
}

QString Word::PicturePath() const
{
    return emoji.isEmpty() ? QString() : QStringLiteral("Bilder\\") + FileBase() + QStringLiteral(".png");
}

QString Word::SpeechPath() const
{
    QString name = FileBase();
    if (!article.isEmpty())
        name += u' ' + article;
    return QStringLiteral("Sounds\\") + name + QStringLiteral(".wav");
}

QString Word::NoisePath() const
{
    return noise.isEmpty() ? QString()
                           : QStringLiteral("Sounds\\Geraeusche\\") + FileBase() + QStringLiteral(".wav");
}

QString Word::SprachePath() const
{
    return SpracheFolderOf(noun) + noun + QStringLiteral(".wav");
}

WordTable WordTable::Load(const QString& path)
{
    WordTable table;
    QMap<QString, QString> fileBases;
    for (const QString& line : SourceLines(path)) {
        const QStringList cols = Columns(line);
        if (cols.size() < 2 || cols.size() > 4 || cols[0].isEmpty())
            Fail(QStringLiteral("%1: malformed row \"%2\"").arg(path, line));
        Word w;
        w.text = cols[0];
        w.emoji = cols[1];
        w.noise = cols.value(2);
        const QStringList parts = w.text.split(u' ', Qt::SkipEmptyParts);
        if (parts.join(u' ') != w.text)
            Fail(QStringLiteral("%1: extra blanks in \"%2\"").arg(path, w.text));
        if (parts.size() == 2 && Articles().contains(parts[0])) {
            w.article = parts[0];
            w.noun = parts[1];
        } else {
            w.noun = w.text;
        }
        w.spoken = cols.value(3).isEmpty() ? w.noun : cols.value(3);
        if (table.index_.contains(w.text))
            Fail(QStringLiteral("%1: \"%2\" twice").arg(path, w.text));
        const QString base = w.FileBase().toLower();
        if (fileBases.contains(base))
            Fail(QStringLiteral("%1: \"%2\" and \"%3\" share a file name")
                     .arg(path, w.text, fileBases[base]));
        fileBases[base] = w.text;
        table.index_[w.text] = int(table.words_.size());
        table.words_ << w;
    }
    return table;
}

const Word& WordTable::Find(const QString& text) const
{
    const auto it = index_.find(text);
    if (it == index_.end())
        Fail(QStringLiteral("\"%1\" is not in the word table").arg(text));
    return words_[*it];
}

QList<ListSource> LoadListSources(const QString& folder, const WordTable& table)
{
    QList<ListSource> lists;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString path = QDir(folder).filePath(name);
        const QStringList lines = SourceLines(path);
        if (lines.size() < 3)
            Fail(QStringLiteral("%1: needs a title, a second line and words").arg(path));
        ListSource list;
        list.fileName = name;
        list.title = lines[0];
        list.subtitle = lines[1];
        for (int i = 2; i < lines.size(); ++i) {
            table.Find(lines[i]);
            if (list.words.contains(lines[i]))
                Fail(QStringLiteral("%1: \"%2\" twice").arg(path, lines[i]));
            list.words << lines[i];
        }
        lists << list;
    }
    if (lists.isEmpty())
        Fail(QStringLiteral("no word lists in %1").arg(folder));
    return lists;
}
