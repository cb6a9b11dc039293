// The file commands of the editor window: new, open, save, save as, and the
// question before changes are lost.
#include "dazidazud/editor_window.h"

#include "dazidazud/list_file.h"
#include "data/path_helpers.h"
#include "dialogs/modal_run.h"
#include "dialogs/tf_opendialog.h"
#include "platform/file_paths.h"
#include "platform/messages.h"

#include <QFileInfo>
#include <QInputDialog>

namespace {

const QString kTitle = QStringLiteral("Dazidazud");

QString Quoted(const QString& name)
{
    return QStringLiteral("\u201E%1\u201C").arg(name);
}

// A list file name from what the teacher typed: no folders, ".txt" at the end.
QString ListFileName(QString name)
{
    name = name.trimmed();
    if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        name.chop(4);
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|;");
    for (QChar& c : name)
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = u'-';
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? QString() : name + QStringLiteral(".txt");
}

} // namespace

bool EditorWindow::MayDiscard()
{
    if (!model_.IsModified())
        return true;
    const QString name = model_.FilePath().isEmpty() ? QStringLiteral("neue Liste") : QFileInfo(model_.FilePath()).fileName();
    const Answer a = Confirm(QStringLiteral("Die Liste %1 wurde geändert. Sollen die Änderungen gespeichert werden?")
                                 .arg(Quoted(name)));
    if (a == Answer::Yes)
        return Save();
    return a == Answer::No;
}

void EditorWindow::NewList()
{
    if (!MayDiscard())
        return;
    model_.NewList();
    header1_->setFocus();
    header1_->selectAll();
    Status(QStringLiteral("Neue Liste: Titel eintragen, dann mit \u201EZeile einfügen\u201C die Wörter."));
}

bool EditorWindow::OpenList(const QString& path)
{
    if (!MayDiscard())
        return false;
    QString error, notes;
    if (!model_.Open(path, &error, &notes)) {
        ShowMessage(error, MessageIcon::Warning, kTitle);
        return false;
    }
    if (!notes.isEmpty())
        ShowMessage(notes, MessageIcon::Information, kTitle);
    SelectRow(0);
    Status(QStringLiteral("%1 Wörter geladen.").arg(model_.Rows()));
    return true;
}

void EditorWindow::ChooseAndOpen()
{
    TF_opendialog chooser(this);
    chooser.rootFolder = ResolvePath(QStringLiteral("listen"));
    chooser.fileMask = QStringLiteral("*.txt");
    chooser.SetTypeIndex(0);
    chooser.chosenFile = model_.FilePath();
    if (chooser.Execute() == TF_opendialog::Opened && !chooser.chosenFile.isEmpty())
        OpenList(chooser.chosenFile);
}

bool EditorWindow::MayWrite(bool sameFile)
{
    const QList<int> empty = model_.EmptyRows();
    if (!empty.isEmpty()) {
        QStringList numbers;
        for (int row : empty)
            numbers << QString::number(row + 1);
        if (AskOkCancel(QStringLiteral("Die Liste hat %1 leere Zeile(n) ohne Wort (Zeile %2). Sie werden beim "
                                       "Speichern weggelassen.")
                            .arg(empty.size())
                            .arg(numbers.join(QStringLiteral(", "))),
                        QStringLiteral("Leere Zeilen")) != Answer::Ok)
            return false;
        for (qsizetype i = empty.size() - 1; i >= 0; --i)
            model_.RemoveRows(empty[i], 1);
    }
    QString changes;
    if (sameFile && model_.ChangedOnDisk(&changes) &&
        AskYesNo(QStringLiteral("Die Liste %1 wurde seit dem Öffnen an anderer Stelle geändert (in einem anderen "
                                "Fenster oder an einem anderen Rechner):\n\n%2\n\nSoll sie trotzdem mit dieser Fassung "
                                "überschrieben werden? Die anderen Änderungen gehen dann verloren.")
                     .arg(Quoted(QFileInfo(model_.FilePath()).fileName()), changes),
                 QStringLiteral("Liste geändert")) != Answer::Yes)
        return false;
    return true;
}

bool EditorWindow::Save()
{
    if (model_.FilePath().isEmpty())
        return SaveAs();
    if (!MayWrite(true))
        return false;
    QString error;
    if (!model_.Save(&error)) {
        ShowMessage(error, MessageIcon::Error, kTitle);
        return false;
    }
    Status(QStringLiteral("Gespeichert: %1").arg(model_.FilePath()));
    return true;
}

bool EditorWindow::SaveAs()
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Liste speichern"));
    dialog.setLabelText(QStringLiteral("Name der Liste im Ordner \u201Elisten\u201C:"));
    const QString current = model_.FilePath().isEmpty() ? model_.Header(1) : QFileInfo(model_.FilePath()).completeBaseName();
    dialog.setTextValue(current);
    dialog.setOkButtonText(QStringLiteral("Speichern"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return SaveAsName(dialog.textValue());
}

bool EditorWindow::SaveAsName(const QString& typed)
{
    const QString name = ListFileName(typed);
    if (name.isEmpty()) {
        ShowMessage(QStringLiteral("Bitte einen Namen für die Liste eingeben."), MessageIcon::Warning, kTitle);
        return false;
    }
    const QString path = NativePath(ResolvePath(QStringLiteral("listen\\") + name));
    const bool same = SamePath(path, model_.FilePath());
    if (!same && FileExists(path)) {
        // Only a word list is replaced, and only when the teacher says so.
        if (!ReadListFile(path).list) {
            ShowMessage(QStringLiteral("Die Datei %1 ist keine Wortliste und wird nicht überschrieben. Bitte einen anderen Namen wählen.")
                            .arg(Quoted(name)),
                        MessageIcon::Warning, kTitle);
            return false;
        }
        if (AskYesNo(QStringLiteral("Die Liste %1 gibt es schon. Soll sie ersetzt werden?").arg(Quoted(name))) != Answer::Yes)
            return false;
    }
    if (!MayWrite(same))
        return false;
    QString error;
    if (!model_.SaveAs(path, &error)) {
        ShowMessage(error, MessageIcon::Error, kTitle);
        return false;
    }
    UpdateTitle();
    Status(QStringLiteral("Gespeichert: %1").arg(path));
    return true;
}
