#pragma once
// The main window of the list editor: the two header lines above the list
// table, the file, row and media commands in a menu bar and a tool bar. The
// window shows the model and turns clicks into its commands; the list itself,
// its undo steps and the file rules live in ListTableModel.
#include "dazidazud/list_table_model.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QTableView;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);

    ListTableModel* Model() { return &model_; }
    QTableView* Table() { return table_; }
    QLineEdit* HeaderLine(int which) { return which == 1 ? header1_ : header2_; }
    QAction* Action(const QString& objectName) const;

    // Files (editor_window_files.cpp). Each asks first when changes would be lost.
    void NewList();
    bool OpenList(const QString& path);   // false when refused or kept
    void ChooseAndOpen();                 // the program's list chooser
    bool Save();                          // Save as when the list has no file yet
    bool SaveAs();                        // asks for the name in "listen"
    bool SaveAsName(const QString& name); // a name in "listen" ("tiere" or "tiere.txt")
    // Changed and not saved: asks "save?"; true when the caller may go on.
    bool MayDiscard();

    // Rows.
    int CurrentRow() const;
    void AddRow();
    void RemoveRow();
    void MoveUp();
    void MoveDown();

    // Media (editor_window_media.cpp).
    void Play(int row, int field);
    void ChoosePicture();                 // the program's picture chooser, "Bilder"
    void ImportPictureDialog();           // any file from the home folder
    bool ImportPictureInto(int row, const QString& file);
    int MakeMissingSpeech();              // number of recordings made
    void CheckList();
    void RecordSpeech();                  // microphone, for the current row

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Before a list is written: empty rows are left out (after a warning),
    // and a file changed elsewhere since it was read is overwritten only when
    // the teacher says so. False when the save should not go on.
    bool MayWrite(bool sameFile);
    void BuildActions();
    void BuildLayout();
    void UpdateTitle();
    void UpdateActions();
    void ShowHeader(int which);
    void CellClicked(const QModelIndex& index);
    void SelectRow(int row);
    void Status(const QString& text);
    QAction* AddAction(const QString& name, const QString& text, const QKeySequence& keys,
                       std::function<void()> run);

    ListTableModel model_;
    QLineEdit* header1_ = nullptr;
    QLineEdit* header2_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QList<QAction*> actions_;
};
