#include "dazidazud/entry_lookup.h"

#include "controls/picture.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/text_helpers.h"
#include "platform/file_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kPictureFolder = QStringLiteral("Bilder");
const QString kSoundFolder = QStringLiteral("Sounds");
const QString kNoiseFolder = QStringLiteral("Sounds\\Geraeusche");
const QString kSpracheFolder = QStringLiteral("sprache");

// The noun as written and with umlauts written out, without repeats.
QStringList NounForms(const QString& noun)
{
    QStringList forms{noun};
    const QString ascii = AsciiFileName(noun);
    if (!ascii.isEmpty() && ascii != noun)
        forms << ascii;
    return forms;
}

bool InNoiseFolder(const QString& path)
{
    return StartsWithPath(path, ResolvePath(kNoiseFolder + u'\\'));
}

QString FirstSound(const QStringList& names, const QString& folder, bool byFirstLetter, bool skipNoises)
{
    for (const QString& name : names) {
        const QString found = SoundFileOfWord(name, folder, byFirstLetter);
        if (!found.isEmpty() && !(skipNoises && InNoiseFolder(found)))
            return ListPathOf(found);
    }
    return QString();
}

} // namespace

WordParts SplitArticle(const QString& germanWord)
{
    const QString text = germanWord.simplified();
    const QString rest = WithoutArticle(text);
    if (rest == text)
        return {QString(), text};
    return {text.left(text.size() - rest.size()).trimmed(), rest};
}

QString LookUpPicture(const QString& germanWord)
{
    const WordParts parts = SplitArticle(germanWord);
    if (parts.noun.isEmpty())
        return QString();
    const QString root = NativePath(ResolvePath(kPictureFolder + u'\\'));
    if (!QFileInfo(root).isDir())
        return QString();
    static const QStringList extensions = {QStringLiteral(".png"), QStringLiteral(".jpg"), QStringLiteral(".jpeg"),
                                           QStringLiteral(".gif"), QStringLiteral(".bmp"), QStringLiteral(".wmf"),
                                           QStringLiteral(".emf"), QStringLiteral(".ico")};
    for (const QString& form : NounForms(parts.noun))
        for (const QString& ext : extensions) {
            const QString folder = FindFileDepthFirst(root, form + ext);
            if (folder.isEmpty())
                continue;
            // The file's own letter case ("Baer.JPG"), as it stands in the folder.
            const QStringList names = QDir(folder).entryList({form + ext}, QDir::Files);
            return ListPathOf(JoinPath(folder, names.value(0, form + ext)));
        }
    return QString();
}

QString LookUpSpeech(const QString& germanWord)
{
    const WordParts parts = SplitArticle(germanWord);
    if (parts.noun.isEmpty())
        return QString();
    QStringList names;
    if (!parts.article.isEmpty())
        for (const QString& form : NounForms(parts.noun))
            names << form + u' ' + parts.article;
    names << germanWord.simplified();
    QString found = FirstSound(names, kSoundFolder, false, true);
    if (found.isEmpty() && parts.article.isEmpty())
        found = FirstSound(NounForms(parts.noun), kSpracheFolder, true, false);
    return found;
}

QString LookUpNoise(const QString& germanWord)
{
    const WordParts parts = SplitArticle(germanWord);
    if (parts.noun.isEmpty())
        return QString();
    return FirstSound(NounForms(parts.noun), kNoiseFolder, false, false);
}

FoundFiles LookUpFiles(const QString& germanWord)
{
    return {LookUpPicture(germanWord), LookUpSpeech(germanWord), LookUpNoise(germanWord)};
}

QString SpeechFileBase(const QString& germanWord)
{
    const WordParts parts = SplitArticle(germanWord);
    const QString noun = NounFileBase(germanWord);
    return parts.article.isEmpty() ? noun : noun + u' ' + parts.article;
}

QString NounFileBase(const QString& germanWord)
{
    const QString name = AsciiFileName(SplitArticle(germanWord).noun);
    return name.isEmpty() || name.startsWith(u'.') ? QStringLiteral("Wort") : name;
}

QString ListPathOf(const QString& path)
{
    const QString folder = ProgramFolder();
    if (folder.isEmpty() || !StartsWithPath(path, folder))
        return path;
    QString p = path.mid(folder.size());
    while (!p.isEmpty() && IsSeparator(p[0]))
        p.remove(0, 1);
    p.replace(u'/', u'\\');
    return p;
}

bool SoundFieldPresent(const QString& field)
{
    return field.isEmpty() || FileExists(ResolvePath(field));
}

bool NamesPictureFile(const QString& field)
{
    return PictureKindOf(field.trimmed()) != PictureKind::None;
}

QString PictureFieldPath(const QString& field)
{
    if (field.isEmpty())
        return QString();
    if (FileExists(ResolvePath(field)))
        return ResolvePath(field);
    const QString inFolder = ResolvePath(kPictureFolder + u'\\' + field);
    return FileExists(inFolder) ? inFolder : QString();
}

bool PictureFieldPresent(const QString& field)
{
    return !NamesPictureFile(field) || !PictureFieldPath(field).isEmpty();
}
