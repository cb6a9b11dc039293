#include "framework/list_files.h"

#include "controls/picture_cache.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/word_list.h"
#include "dialogs/tf_opendialog.h"
#include "data/word_list_check.h"
#include "platform/file_paths.h"
#include "platform/messages.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kPlaceholderText = QStringLiteral("Liste fehlt!! Bitte andere wählen!!");

} // namespace

QString ListFolder()
{
    return QStringLiteral("listen\\");
}

std::unique_ptr<tmoiel> LoadExerciseList(const QString& listFile)
{
    if (listFile.isEmpty() || !FileExists(ResolvePath(ListFolder() + listFile)))
        return nullptr;
    // A file that is no word list is refused with the editor's message.
    const QString path = NativePath(ResolvePath(ListFolder() + listFile));
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    const QString refusal = QFileInfo(path).size() > kMaxListFileBytes ? WordListTooLarge(name)
                            : file.open(QIODevice::ReadOnly)           ? WordListRefusal(file.readAll(), name)
                                                                       : QString();
    if (!refusal.isEmpty()) {
        ShowMessage(refusal, MessageIcon::Warning, QStringLiteral("Datei"));
        return nullptr;
    }
    // The pictures kept from the tasks of another list are let go.
    SharedPictureCache().SetList(path);
    std::unique_ptr<tmoiel> loaded;
    if (!Load(loaded, ListFolder() + listFile, true) || !loaded)
        return nullptr;
    if (SwissMode())
        ToSwissSpelling(loaded.get());
    return loaded;
}

std::unique_ptr<tmoiel> PlaceholderList(bool pictureFieldToo)
{
    auto list = std::make_unique<tmoiel>(QStringLiteral("leere Liste"));
    auto entry = std::make_shared<WordEntry>();
    entry->Field(FieldWord) = kPlaceholderText;
    if (pictureFieldToo)
        entry->Field(FieldPicture) = kPlaceholderText;
    list->Append(entry);
    return list;
}

QString ListKeyOf(const QString& chosenFile)
{
    QString key = RelativeTo(ResolvePath(ListFolder()), chosenFile);
    while (!key.isEmpty() && IsSeparator(key.front()))
        key.remove(0, 1);
    key.replace(u'/', u'\\');
    return key;
}

bool ChooseListFile(QWidget* parent, const QString& listKey, QString& chosen, const QString& title)
{
    TF_opendialog chooser(parent);
    if (!title.isEmpty())
        chooser.setWindowTitle(title);
    chooser.rootFolder = ResolvePath(QStringLiteral("listen"));
    chooser.chosenFile = ResolvePath(ListFolder() + listKey);
    if (chooser.Execute() != TF_opendialog::Opened)
        return false;
    chosen = chooser.chosenFile;
    return true;
}
