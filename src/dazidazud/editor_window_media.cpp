// The picture and sound commands of the editor window: playing, choosing and
// importing pictures, making the missing recordings, checking the list.
#include "dazidazud/editor_window.h"

#include "dazidazud/entry_lookup.h"
#include "dazidazud/picture_import.h"
#include "dazidazud/record_dialog.h"
#include "dazidazud/speech_maker.h"
#include "data/path_helpers.h"
#include "dialogs/modal_run.h"
#include "dialogs/tf_pictureopendialog.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "sound/simple_sound.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTableView>

namespace {

const QString kTitle = QStringLiteral("Dazidazud");

// Busy cursor while the editor works for a moment.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void EditorWindow::Play(int row, int field)
{
    const QString file = model_.Field(row, field);
    if (file.isEmpty())
        return;
    if (!PlaySimpleSound(ResolvePath(file)))
        Status(QStringLiteral("Nicht abspielbar: %1").arg(file));
}

void EditorWindow::ChoosePicture()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    TF_PictureOpendialog chooser(this);
    chooser.setWindowTitle(QStringLiteral("Bild auswählen..."));
    chooser.fileMask = QStringLiteral("*.jpg,*.jpeg,*.png,*.gif,*.bmp,*.wmf,*.emf,*.ico");
    chooser.SetTypeIndex(TF_PictureOpendialog::PictureFiles);
    chooser.rootFolder = ResolvePath(QStringLiteral("Bilder"));
    const QString current = PictureFieldPath(model_.Field(row, FieldPicture));
    if (!current.isEmpty())
        chooser.chosenFile = current;
    if (chooser.Execute() == TF_opendialog::Opened && !chooser.chosenFile.isEmpty())
        model_.SetFileField(row, FieldPicture, ListPathOf(NativePath(chooser.chosenFile)),
                            QStringLiteral("Bild auswählen"));
}

void EditorWindow::ImportPictureDialog()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Bild importieren"), QDir::homePath(),
        QStringLiteral("Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.wmf *.emf *.ico *.tif *.tiff *.webp *.ppm *.pgm "
                       "*.pbm *.xpm *.svg);;alle Dateien (*)"));
    if (!file.isEmpty())
        ImportPictureInto(row, file);
}

bool EditorWindow::ImportPictureInto(int row, const QString& file)
{
    if (row < 0 || row >= model_.Rows())
        return false;
    const QString word = model_.Field(row, FieldWord).isEmpty() ? model_.Field(row, FieldWritten)
                                                                : model_.Field(row, FieldWord);
    PictureImport imported;
    {
        BusyCursor busy;
        imported = ImportPicture(file, NounFileBase(word));
    }
    if (!imported.error.isEmpty()) {
        ShowMessage(imported.error, MessageIcon::Warning, kTitle);
        return false;
    }
    model_.SetFileField(row, FieldPicture, imported.listPath, QStringLiteral("Bild importieren"));
    SelectRow(row);
    Status(QStringLiteral("Bild übernommen: %1").arg(imported.listPath));
    return true;
}

int EditorWindow::MakeMissingSpeech()
{
    QList<int> rows;
    for (int row = 0; row < model_.Rows(); ++row) {
        const QString speech = model_.Field(row, FieldSpeech);
        if (!model_.Field(row, FieldWord).trimmed().isEmpty() && (speech.isEmpty() || !model_.FieldFilePresent(row, FieldSpeech)))
            rows << row;
    }
    if (rows.isEmpty()) {
        ShowMessage(QStringLiteral("Jedes Wort der Liste hat schon eine Aufnahme."), MessageIcon::Information, kTitle);
        return 0;
    }
    int made = 0;
    QStringList errors;
    model_.UndoStack()->beginMacro(QStringLiteral("Sprache erzeugen"));
    {
        BusyCursor busy;
        for (int row : rows) {
            Status(QStringLiteral("Spreche \u201E%1\u201C ...").arg(model_.Field(row, FieldWord)));
            const MadeSpeech speech = MakeSpeechFile(model_.Field(row, FieldWord));
            if (speech.error.isEmpty() && model_.SetFileField(row, FieldSpeech, speech.listPath, QStringLiteral("Sprache")))
                ++made;
            else if (!speech.error.isEmpty())
                errors << speech.error;
        }
    }
    model_.UndoStack()->endMacro();
    if (!errors.isEmpty())
        ShowMessage(errors.join(u'\n'), MessageIcon::Warning, kTitle);
    Status(QStringLiteral("%1 Aufnahme(n) erzeugt.").arg(made));
    return made;
}

void EditorWindow::CheckList()
{
    int bad = 0;
    {
        BusyCursor busy;
        bad = model_.CheckAll();
    }
    table_->scrollTo(model_.index(0, ListTableModel::ColCheck));
    if (bad == 0)
        Status(QStringLiteral("Liste geprüft: alles in Ordnung."));
    else
        ShowMessage(QStringLiteral("Liste geprüft: %1 Zeile(n) mit Problemen. Die Spalte \u201EPrüfung\u201C nennt sie.").arg(bad),
                    MessageIcon::Warning, kTitle);
}

void EditorWindow::RecordSpeech()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    const QString word = model_.Field(row, FieldWord).trimmed();
    if (word.isEmpty()) {
        ShowMessage(QStringLiteral("Bitte zuerst das Wort eintragen."), MessageIcon::Information, kTitle);
        return;
    }
    RecordDialog dialog(word, this);
    if (RunModal(dialog) != QDialog::Accepted || dialog.Recording().samples.empty())
        return;
    const MadeSpeech saved = SaveSpeechFile(dialog.Recording(), word);
    if (!saved.error.isEmpty()) {
        ShowMessage(saved.error, MessageIcon::Error, kTitle);
        return;
    }
    model_.SetFileField(row, FieldSpeech, saved.listPath, QStringLiteral("Aufnahme"));
    Status(QStringLiteral("Aufnahme gespeichert: %1").arg(saved.listPath));
}
