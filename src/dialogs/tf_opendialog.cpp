#include "dialogs/tf_opendialog.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/file_mask.h"
#include "dialogs/modal_run.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace {

// A selection model that can refuse to move: the tree asks before the current
// folder changes and stays where it is when the answer is no. The selection
// that a mouse press makes right after the refused move is refused as well.
class GuardedSelectionModel : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;
    using QItemSelectionModel::select;

    std::function<bool(const QModelIndex&)> mayMoveTo;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override
    {
        if (index.isValid() && index != currentIndex() && mayMoveTo && !mayMoveTo(index)) {
            refused_ = index;
            return;
        }
        refused_ = QPersistentModelIndex();
        QItemSelectionModel::setCurrentIndex(index, command);
    }
    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        if (refused_.isValid() && selection.contains(refused_))
            return;
        QItemSelectionModel::select(selection, command);
    }

private:
    QPersistentModelIndex refused_;
};

QString WithSlash(const QString& folder)
{
    QString f = WithForwardSlashes(folder);
    if (!f.endsWith(u'/'))
        f += u'/';
    return f;
}

QString WithoutSlash(const QString& folder)
{
    QString f = WithForwardSlashes(folder);
    while (f.size() > 1 && f.endsWith(u'/'))
        f.chop(1);
    return f;
}

// The text between "(" and ")" of a type box entry.
QString MaskOfEntry(const QString& entry)
{
    const qsizetype open = entry.indexOf(u'(');
    const qsizetype close = entry.lastIndexOf(u')');
    if (open < 0 || close <= open)
        return QStringLiteral("*.*");
    return entry.mid(open + 1, close - open - 1).trimmed();
}

constexpr int kMaxTreeDepth = 32;

// The title of a word list: its first line, read from the first bytes only
// (a list may be long, and a file under "*.*" may be no list at all). Empty
// when the file is no text file or its first line is empty.
QString ListTitle(const QString& path)
{
    constexpr qint64 kHead = 512;
    constexpr int kLongest = 60;
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray head = f.read(kHead);
    const qsizetype end = head.indexOf('\n');
    if (end < 0 && head.size() == kHead)
        return {};   // no line end in the head: not a list
    head.truncate(end < 0 ? head.size() : end);
    QString title = DecodeCp1252(head).trimmed();
    for (QChar& c : title)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    if (title.size() > kLongest)
        title = title.left(kLongest - 1).trimmed() + QChar(0x2026);
    return title;
}

constexpr int kFileNameRole = Qt::UserRole;

} // namespace

TF_opendialog::TF_opendialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Datei öffnen..."));
    setModal(true);
    resize(640, 440);

    P_auswahl = new QSplitter(Qt::Horizontal, this);
    P_auswahl->setChildrenCollapsible(false);

    auto* treePanel = new QWidget(P_auswahl);
    auto* treeLayout = new QVBoxLayout(treePanel);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    auto* treeLabel = new QLabel(QStringLiteral("  Ordnerauswahl:"), treePanel);
    TV = new QTreeView(treePanel);
    TV->setHeaderHidden(true);
    TV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV->setSelectionMode(QAbstractItemView::SingleSelection);
    folders_ = new QStandardItemModel(TV);
    TV->setModel(folders_);
    auto* guard = new GuardedSelectionModel(folders_, TV);
    guard->mayMoveTo = [this](const QModelIndex& index) { return !handlersAttached_ || TVChanging(index); };
    TV->setSelectionModel(guard);
    treeLabel->setBuddy(TV);
    treeLayout->addWidget(treeLabel);
    treeLayout->addWidget(TV);

    auto* listPanel = new QWidget(P_auswahl);
    auto* listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    auto* listLabel = new QLabel(QStringLiteral("  Dateiauswahl:"), listPanel);
    LV_auswahl = new QListWidget(listPanel);
    LV_auswahl->setViewMode(QListView::ListMode);
    LV_auswahl->setFlow(QListView::TopToBottom);
    LV_auswahl->setWrapping(true);
    LV_auswahl->setResizeMode(QListView::Adjust);
    LV_auswahl->setSelectionMode(QAbstractItemView::SingleSelection);
    LV_auswahl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_auswahl->setIconSize(QSize(16, 16));
    LV_auswahl->viewport()->setMouseTracking(true);
    LV_auswahl->viewport()->installEventFilter(this);
    TV->viewport()->installEventFilter(this);
    listLabel->setBuddy(LV_auswahl);
    listLayout->addWidget(listLabel);
    listLayout->addWidget(LV_auswahl);
    P_auswahl->setStretchFactor(0, 2);
    P_auswahl->setStretchFactor(1, 3);
    P_auswahl->setSizes({240, 360});

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    statusLabel_ = new QLabel(QStringLiteral("Datei:"), StatusBar1);
    statusLabel_->setMinimumWidth(1);
    StatusBar1->addWidget(statusLabel_, 1);

    auto* typeLabel = new QLabel(QStringLiteral(" Dateityp: "), this);
    CB_dateityp = new QComboBox(this);
    CB_dateityp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    typeLabel->setBuddy(CB_dateityp);
    B_oeffnen = new QPushButton(QStringLiteral("Öffnen"), this);
    B_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    B_oeffnen->setDefault(true);
    SetTypeEntries({QStringLiteral("Textdatei (*.txt)"), QStringLiteral("alle Dateien (*.*)")}, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(typeLabel);
    bottom->addWidget(CB_dateityp, 1);
    bottom->addSpacing(10);
    bottom->addWidget(B_oeffnen);
    bottom->addWidget(B_abbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(P_auswahl, 1);
    layout->addWidget(StatusBar1);
    layout->addLayout(bottom);

    connect(guard, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& node) {
        if (handlersAttached_ && node.isValid())
            TVChange(node);
    });
    connect(LV_auswahl, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { LV_auswahlClick(item); });
    connect(LV_auswahl, &QListWidget::itemSelectionChanged, this, [this] {
        // A click beside the items selects the first one.
        if (!filling_ && LV_auswahl->selectedItems().isEmpty() && LV_auswahl->count() > 0)
            LV_auswahl->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    });
    connect(LV_auswahl, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { LV_auswahlDblClick(item); });
    connect(CB_dateityp, &QComboBox::activated, this, [this](int i) { CB_dateitypChange(i); });
    connect(B_oeffnen, &QPushButton::clicked, this, [this] { B_oeffnenClick(); });
    connect(B_abbrechen, &QPushButton::clicked, this, [this] { B_abbrechenClick(); });
}

int TF_opendialog::Execute()
{
    FormActivate();
    return RunModal(*this);
}

void TF_opendialog::SetTypeEntries(const QStringList& entries, int shown)
{
    CB_dateityp->clear();
    CB_dateityp->addItems(entries);
    CB_dateityp->setCurrentIndex(shown);
}

void TF_opendialog::SetTypeIndex(int index)
{
    CB_dateityp->setCurrentIndex(index);
}

QString TF_opendialog::RootPath() const
{
    return WithoutSlash(NativePath(ResolvePath(rootFolder)));
}

QString TF_opendialog::StatusText() const
{
    return statusLabel_->text();
}

void TF_opendialog::reject()
{
    done(Cancelled);
}

void TF_opendialog::FormActivate()
{
    handlersAttached_ = false;
    if (rootFolder.isEmpty())
        rootFolder = ProgramFolder().isEmpty() ? QCoreApplication::applicationDirPath() : ProgramFolder();
    if (fileMask.isEmpty())
        fileMask = QStringLiteral("*.*");

    const QString root = RootPath();
    const qsizetype cut = root.lastIndexOf(u'/');
    parentFolder_ = cut >= 0 ? root.left(cut + 1) : QString();
    currentFolder_ = WithSlash(root);

    const QString chosen = chosenFile.isEmpty() ? QString() : WithForwardSlashes(NativePath(ResolvePath(chosenFile)));
    const bool chosenExists = !chosen.isEmpty() && QFileInfo(chosen).isFile();
    if (chosenExists)
        currentFolder_ = chosen.left(chosen.lastIndexOf(u'/') + 1);

    BuildTree();
    SelectNodeOf(currentFolder_);
    handlersAttached_ = true;

    FillList(currentFolder_, chosenExists ? chosen.mid(chosen.lastIndexOf(u'/') + 1) : QString());
    LV_auswahl->setFocus();
}

void TF_opendialog::BuildTree()
{
    folders_->clear();
    const QString root = RootPath();
    auto* top = new QStandardItem(style()->standardIcon(QStyle::SP_DirIcon), root.mid(root.lastIndexOf(u'/') + 1));
    folders_->appendRow(top);
    AddSubfolders(top, root, 0, {});
}

void TF_opendialog::AddSubfolders(QStandardItem* node, const QString& folder, int depth, QStringList branch)
{
    if (depth >= kMaxTreeDepth)
        return;
    branch.append(QFileInfo(folder).canonicalFilePath());
    const QDir dir(folder);
    // Linked folders are shown too (an installation links the teachers' own
    // folders into the program folder), unless they lead back up the branch.
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        const QString path = folder + u'/' + name;
        if (branch.contains(QFileInfo(path).canonicalFilePath()))
            continue;
        auto* child = new QStandardItem(style()->standardIcon(QStyle::SP_DirIcon), name);
        node->appendRow(child);
        AddSubfolders(child, path, depth + 1, branch);
    }
}

// Follows the folder's names below the parent folder down from the top node,
// expanding each node passed; selects the last one that matched.
void TF_opendialog::SelectNodeOf(const QString& folder)
{
    QStandardItem* top = folders_->item(0);
    QStandardItem* found = nullptr;
    QString rest = WithForwardSlashes(folder);
    if (rest.startsWith(parentFolder_, Qt::CaseInsensitive)) {
        rest = rest.mid(parentFolder_.size());
        const QStringList names = rest.split(u'/', Qt::SkipEmptyParts);
        QStandardItem* node = nullptr;
        for (const QString& name : names) {
            QStandardItem* next = nullptr;
            const int count = node ? node->rowCount() : 1;
            for (int i = 0; i < count && !next; ++i) {
                QStandardItem* candidate = node ? node->child(i) : top;
                if (candidate->text().compare(name, Qt::CaseInsensitive) == 0)
                    next = candidate;
            }
            if (!next)
                break;
            TV->expand(next->index());
            found = node = next;
        }
    }
    const QModelIndex selected = (found ? found : top)->index();
    TV->setCurrentIndex(selected);
    TV->scrollTo(selected);
}

QString TF_opendialog::FolderOf(const QModelIndex& node) const
{
    QStringList names;
    for (QModelIndex n = node; n.isValid(); n = n.parent())
        names.prepend(n.data().toString());
    return parentFolder_ + names.join(u'/') + u'/';
}

bool TF_opendialog::TVChanging(const QModelIndex& node)
{
    if (!node.isValid() || FolderHasMatch(FolderOf(node), fileMask))
        return true;
    ShowNote(QStringLiteral("Ordner ist leer!"));
    return false;
}

void TF_opendialog::TVChange(const QModelIndex& node)
{
    currentFolder_ = FolderOf(node);
    FillList(currentFolder_, QString());
}

void TF_opendialog::FillList(const QString& folder, const QString& preselect)
{
    filling_ = true;
    LV_auswahl->clear();
    QListWidgetItem* selected = nullptr;
    for (const QString& name : MatchingFileNames(folder, fileMask)) {
        auto* item = new QListWidgetItem(FileIcon(name), ShownName(folder, name), LV_auswahl);
        item->setData(kFileNameRole, name);
        item->setToolTip(item->text());   // a long title is cut at the column's edge
        if (!selected && !preselect.isEmpty() && name.compare(preselect, Qt::CaseInsensitive) == 0)
            selected = item;
    }
    if (!selected && LV_auswahl->count() > 0)
        selected = LV_auswahl->item(0);
    if (selected) {
        LV_auswahl->setCurrentItem(selected, QItemSelectionModel::ClearAndSelect);
        LV_auswahl->scrollToItem(selected);
    }
    filling_ = false;
    SetChosen(selected ? FileNameOf(selected) : QString());
}

void TF_opendialog::SetChosen(const QString& name)
{
    chosenFile = name.isEmpty() ? QString() : currentFolder_ + name;
    ShowStatus();
    ChosenFileChanged();
}

void TF_opendialog::ShowStatus()
{
    if (chosenFile.isEmpty()) {
        statusLabel_->setText(QStringLiteral("Datei:"));
        return;
    }
    // The path is shortened in its middle to fit beside "Datei: ".
    const QFontMetrics metrics(statusLabel_->font());
    const int room = StatusBar1->width() - metrics.horizontalAdvance(QStringLiteral("Datei: ")) - 12;
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(chosenFile), Qt::ElideMiddle, qMax(room, 40));
    statusLabel_->setText(QStringLiteral(" Datei: ") + shown);
}

void TF_opendialog::LV_auswahlClick(QListWidgetItem* item)
{
    if (filling_ || !item)
        return;
    SetChosen(FileNameOf(item));
}

void TF_opendialog::LV_auswahlDblClick(QListWidgetItem* item)
{
    if (item)
        B_oeffnenClick();
}

void TF_opendialog::CB_dateitypChange(int index)
{
    fileMask = MaskOfEntry(CB_dateityp->itemText(index));
    FillList(currentFolder_, QString());
}

void TF_opendialog::B_oeffnenClick()
{
    done(Opened);
}

void TF_opendialog::B_abbrechenClick()
{
    done(Cancelled);
}

// A word list is found by its title; a file without one by its name.
QString TF_opendialog::ShownName(const QString& folder, const QString& name) const
{
    const QString title = ListTitle(folder + name);
    return title.isEmpty() ? name : title + QStringLiteral("   (") + name + u')';
}

QString TF_opendialog::FileNameOf(const QListWidgetItem* item)
{
    return item->data(kFileNameRole).toString();
}

QIcon TF_opendialog::FileIcon(const QString& name) const
{
    const bool text = name.toUpper().endsWith(QLatin1String(".TXT"));
    return style()->standardIcon(text ? QStyle::SP_FileDialogContentsView : QStyle::SP_FileIcon);
}

void TF_opendialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (statusLabel_)
        ShowStatus();
}

bool TF_opendialog::eventFilter(QObject* watched, QEvent* event)
{
    // Moving over the list or releasing the mouse over the tree hands the
    // keyboard to the list.
    if ((watched == LV_auswahl->viewport() && event->type() == QEvent::MouseMove) ||
        (watched == TV->viewport() && event->type() == QEvent::MouseButtonRelease))
        LV_auswahl->setFocus();
    return QDialog::eventFilter(watched, event);
}
