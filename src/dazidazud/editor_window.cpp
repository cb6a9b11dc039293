#include "dazidazud/editor_window.h"

#include "app/list_editor_start.h"

#include "dazidazud/list_table_view.h"
#include "platform/messages.h"
#include "sound/simple_sound.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Dazidazud"));
    BuildLayout();
    BuildActions();
    connect(&model_, &ListTableModel::HeaderChanged, this, &EditorWindow::ShowHeader);
    connect(&model_, &ListTableModel::ModifiedChanged, this, [this] { UpdateTitle(); });
    connect(&model_, &ListTableModel::Refused, this,
            [](const QString& message) { ShowMessage(message, MessageIcon::Warning, QStringLiteral("Dazidazud")); });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        UpdateTitle();
        UpdateActions();
    });
    connect(&model_, &QAbstractItemModel::rowsInserted, this, &EditorWindow::UpdateActions);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &EditorWindow::UpdateActions);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, &EditorWindow::UpdateActions);
    ShowHeader(1);
    ShowHeader(2);
    UpdateTitle();
    UpdateActions();
    resize(1180, 720);
}

void EditorWindow::BuildLayout()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* headers = new QFormLayout;
    header1_ = new QLineEdit(central);
    header1_->setObjectName(QStringLiteral("Kopfzeile1"));
    header1_->setPlaceholderText(QStringLiteral("Titel der Liste"));
    header2_ = new QLineEdit(central);
    header2_->setObjectName(QStringLiteral("Kopfzeile2"));
    header2_->setPlaceholderText(QStringLiteral("zweite Zeile, zum Beispiel was geübt wird"));
    headers->addRow(QStringLiteral("&Titel:"), header1_);
    headers->addRow(QStringLiteral("&Zweite Zeile:"), header2_);
    layout->addLayout(headers);
    connect(header1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetHeader(1, t); });
    connect(header2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetHeader(2, t); });

    auto* view = new ListTableView(central);
    table_ = view;
    table_->setModel(&model_);
    auto* h = table_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setStretchLastSection(true);
    const int widths[] = {150, 150, 170, 28, 190, 28, 90, 150, 200};
    for (int c = 0; c < ListTableModel::ColumnCount; ++c)
        table_->setColumnWidth(c, widths[c]);
    connect(table_, &QAbstractItemView::clicked, this, &EditorWindow::CellClicked);
    connect(view, &ListTableView::PictureDropped, this,
            [this](int row, const QString& file) { ImportPictureInto(row, file); });
    layout->addWidget(table_, 1);
    setCentralWidget(central);

    fileLabel_ = new QLabel(this);
    statusBar()->addPermanentWidget(fileLabel_);
}

QAction* EditorWindow::AddAction(const QString& name, const QString& text, const QKeySequence& keys,
                                 std::function<void()> run)
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!keys.isEmpty())
        a->setShortcut(keys);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    actions_ << a;
    return a;
}

QAction* EditorWindow::Action(const QString& objectName) const
{
    for (QAction* a : actions_)
        if (a->objectName() == objectName)
            return a;
    return nullptr;
}

void EditorWindow::BuildActions()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QMenu* media = menuBar()->addMenu(QStringLiteral("Bild und &Ton"));
    QToolBar* bar = addToolBar(QStringLiteral("Befehle"));
    bar->setObjectName(QStringLiteral("Befehle"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto both = [bar](QMenu* menu, QAction* a) {
        menu->addAction(a);
        bar->addAction(a);
    };
    both(file, AddAction(QStringLiteral("Neu"), QStringLiteral("Neu"), QKeySequence::New, [this] { NewList(); }));
    both(file, AddAction(QStringLiteral("Oeffnen"), QStringLiteral("Öffnen..."), QKeySequence::Open,
                         [this] { ChooseAndOpen(); }));
    both(file, AddAction(QStringLiteral("Speichern"), QStringLiteral("Speichern"), QKeySequence::Save, [this] { Save(); }));
    file->addAction(AddAction(QStringLiteral("SpeichernUnter"), QStringLiteral("Speichern unter..."),
                              QKeySequence::SaveAs, [this] { SaveAs(); }));
    file->addSeparator();
    file->addAction(AddAction(QStringLiteral("Klassenuebersicht"), QStringLiteral("Klassenübersicht..."), QKeySequence(),
                              [] {
                                  if (!StartClassOverview())
                                      ShowMessage(QStringLiteral("Die Klassenübersicht ist nicht installiert."),
                                                  MessageIcon::Warning);
                              }));
    file->addSeparator();
    file->addAction(AddAction(QStringLiteral("Beenden"), QStringLiteral("Beenden"), QKeySequence::Quit, [this] { close(); }));
    bar->addSeparator();

    // Fixed captions (the step is named in the tool tip), so the tool bar
    // does not move under the mouse while the teacher works.
    QUndoStack* stack = model_.UndoStack();
    QAction* undo = AddAction(QStringLiteral("Rueckgaengig"), QStringLiteral("Rückgängig"), QKeySequence::Undo,
                              [stack] { stack->undo(); });
    QAction* redo = AddAction(QStringLiteral("Wiederholen"), QStringLiteral("Wiederholen"), QKeySequence::Redo,
                              [stack] { stack->redo(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& t) { undo->setToolTip(QStringLiteral("Rückgängig: %1").arg(t)); });
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& t) { redo->setToolTip(QStringLiteral("Wiederholen: %1").arg(t)); });
    both(edit, undo);
    both(edit, redo);
    edit->addSeparator();
    bar->addSeparator();
    both(edit, AddAction(QStringLiteral("ZeileEinfuegen"), QStringLiteral("Zeile einfügen"),
                         QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { AddRow(); }));
    both(edit, AddAction(QStringLiteral("ZeileLoeschen"), QStringLiteral("Zeile löschen"),
                         QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { RemoveRow(); }));
    edit->addAction(AddAction(QStringLiteral("NachOben"), QStringLiteral("Nach oben"),
                              QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveUp(); }));
    edit->addAction(AddAction(QStringLiteral("NachUnten"), QStringLiteral("Nach unten"),
                              QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveDown(); }));
    bar->addSeparator();
    both(media, AddAction(QStringLiteral("BildAuswaehlen"), QStringLiteral("Bild auswählen..."), QKeySequence(),
                          [this] { ChoosePicture(); }));
    both(media, AddAction(QStringLiteral("BildImportieren"), QStringLiteral("Bild importieren..."), QKeySequence(),
                          [this] { ImportPictureDialog(); }));
    both(media, AddAction(QStringLiteral("Aufnehmen"), QStringLiteral("Aufnehmen..."), QKeySequence(),
                          [this] { RecordSpeech(); }));
    both(media, AddAction(QStringLiteral("SpracheErzeugen"), QStringLiteral("Sprache erzeugen"), QKeySequence(),
                          [this] { MakeMissingSpeech(); }));
    media->addSeparator();
    bar->addSeparator();
    both(media, AddAction(QStringLiteral("ListePruefen"), QStringLiteral("Liste prüfen"), QKeySequence(Qt::Key_F9),
                          [this] { CheckList(); }));
}

void EditorWindow::ShowHeader(int which)
{
    QLineEdit* line = HeaderLine(which);
    if (line->text() != model_.Header(which))
        line->setText(model_.Header(which));
}

void EditorWindow::UpdateTitle()
{
    const QString path = model_.FilePath();
    const QString name = path.isEmpty() ? QStringLiteral("neue Liste") : QFileInfo(path).fileName();
    setWindowTitle(QStringLiteral("Dazidazud \u2013 %1%2").arg(name, model_.IsModified() ? QStringLiteral(" *") : QString()));
    fileLabel_->setText(path.isEmpty() ? QStringLiteral("noch nicht gespeichert") : path);
}

void EditorWindow::UpdateActions()
{
    const int row = CurrentRow();
    const bool hasRow = row >= 0;
    Action(QStringLiteral("ZeileLoeschen"))->setEnabled(hasRow);
    Action(QStringLiteral("NachOben"))->setEnabled(row > 0);
    Action(QStringLiteral("NachUnten"))->setEnabled(hasRow && row + 1 < model_.Rows());
    Action(QStringLiteral("BildAuswaehlen"))->setEnabled(hasRow);
    Action(QStringLiteral("BildImportieren"))->setEnabled(hasRow);
    Action(QStringLiteral("Aufnehmen"))->setEnabled(hasRow);
}

void EditorWindow::Status(const QString& text)
{
    statusBar()->showMessage(text, 8000);
}

int EditorWindow::CurrentRow() const
{
    const QModelIndex i = table_->currentIndex();
    return i.isValid() && i.row() < model_.Rows() ? i.row() : -1;
}

void EditorWindow::SelectRow(int row)
{
    if (row < 0 || row >= model_.Rows())
        return;
    const int column = std::max(0, table_->currentIndex().column());
    table_->setCurrentIndex(model_.index(row, column));
    table_->selectRow(row);
    UpdateActions();
}

void EditorWindow::AddRow()
{
    const int row = model_.InsertRow(CurrentRow() < 0 ? model_.Rows() : CurrentRow() + 1);
    table_->setCurrentIndex(model_.index(row, ListTableModel::ColGerman));
    table_->selectRow(row);
    if (isVisible())
        table_->edit(model_.index(row, ListTableModel::ColGerman));
    UpdateActions();
}

void EditorWindow::RemoveRow()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    model_.RemoveRows(row, 1);
    SelectRow(std::min(row, model_.Rows() - 1));
}

void EditorWindow::MoveUp()
{
    const int row = CurrentRow();
    if (model_.MoveRow(row, row - 1))
        SelectRow(row - 1);
}

void EditorWindow::MoveDown()
{
    const int row = CurrentRow();
    if (model_.MoveRow(row, row + 1))
        SelectRow(row + 1);
}

void EditorWindow::CellClicked(const QModelIndex& index)
{
    if (index.column() == ListTableModel::ColPlaySpeech)
        Play(index.row(), FieldSpeech);
    else if (index.column() == ListTableModel::ColPlayNoise)
        Play(index.row(), FieldNoise);
    UpdateActions();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!MayDiscard()) {
        event->ignore();
        return;
    }
    StopSimpleSound();
    event->accept();
}
