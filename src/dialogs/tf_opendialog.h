#pragma once
// The program's own file chooser for word lists: a folder tree limited to one
// root folder, the files of the selected folder, a file type box and the
// buttons "Öffnen" (result 1) and "Abbrechen" (result 2). A word list shows
// its title (the file's first line) beside its file name.
//
// The caller sets rootFolder, fileMask and chosenFile, runs Execute() and reads
// chosenFile when the result is 1. Folders inside the dialog are kept with "/"
// and a trailing "/"; the values may be given in either separator style.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSplitter;
class QStatusBar;
class QModelIndex;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

class TF_opendialog : public QDialog {
    Q_OBJECT
public:
    enum Result { Opened = 1, Cancelled = 2 };

    explicit TF_opendialog(QWidget* parent = nullptr);

    // Values set before showing and read afterwards.
    QString rootFolder;   // top of the tree; empty: the program's folder
    QString fileMask;     // one mask or a list ("*.jpg,*.gif"); empty: "*.*"
    QString chosenFile;   // in: the file to preselect; out: the chosen file

    // Fills the dialog from the values (FormActivate) and shows it modally
    // through RunModal; 1 for "Öffnen", 2 for "Abbrechen" or Escape.
    int Execute();

    // Chooses an entry of the type box without changing the mask (callers
    // set the mask themselves).
    void SetTypeIndex(int index);

    QString ParentFolder() const { return parentFolder_; }
    QString CurrentFolder() const { return currentFolder_; }
    QString StatusText() const;
    // The file name an entry of the file list stands for (the entry shows a
    // list's title, its first line, beside the name).
    static QString FileNameOf(const QListWidgetItem* item);

    // Fills tree and list from the values (tests call it and then drive the
    // dialog without showing it).
    void FormActivate();

    // The widgets, named as on the form.
    QSplitter* P_auswahl = nullptr;
    QTreeView* TV = nullptr;
    QListWidget* LV_auswahl = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QComboBox* CB_dateityp = nullptr;
    QPushButton* B_oeffnen = nullptr;
    QPushButton* B_abbrechen = nullptr;

    void reject() override;   // Escape and the close box answer "Abbrechen"

protected:
    // The picture chooser lists other types and icons and shows a preview.
    virtual QIcon FileIcon(const QString& name) const;
    // The text of a file's entry: the list chooser shows a word list's title
    // beside its name, the picture chooser the bare name.
    virtual QString ShownName(const QString& folder, const QString& name) const;
    virtual void ChosenFileChanged() {}
    // The type box entries; the list chooser starts on "alle Dateien (*.*)".
    void SetTypeEntries(const QStringList& entries, int shown);

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TVChanging(const QModelIndex& node);
    void TVChange(const QModelIndex& node);
    void LV_auswahlClick(QListWidgetItem* item);
    void LV_auswahlDblClick(QListWidgetItem* item);
    void CB_dateitypChange(int index);
    void B_oeffnenClick();
    void B_abbrechenClick();

    QString RootPath() const;
    void BuildTree();
    // branch: the real paths of the folders from the top down to folder, so
    // that a linked folder leading back into them is not followed.
    void AddSubfolders(QStandardItem* node, const QString& folder, int depth, QStringList branch);
    void SelectNodeOf(const QString& folder);
    QString FolderOf(const QModelIndex& node) const;
    void FillList(const QString& folder, const QString& preselect);
    void SetChosen(const QString& name);
    void ShowStatus();

    QStandardItemModel* folders_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QString parentFolder_;
    QString currentFolder_;
    bool handlersAttached_ = false;
    bool filling_ = false;
};
