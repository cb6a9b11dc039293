#include "klassenuebersicht/overview_window.h"

#include "data/program_state.h"
#include "klassenuebersicht/overview_report.h"
#include "klassenuebersicht/overview_tables.h"
#include "klassenuebersicht/practice_list.h"
#include "klassenuebersicht/weekly_chart.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

OverviewWindow::SavePathHook& Hook()
{
    static OverviewWindow::SavePathHook hook;
    return hook;
}

QTableWidget* NewTable(QWidget* parent)
{
    auto* t = new QTableWidget(parent);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    return t;
}

} // namespace

void FillTable(QTableWidget* widget, const Table& table)
{
    widget->setSortingEnabled(false);
    widget->clear();
    widget->setColumnCount(int(table.header.size()));
    widget->setRowCount(int(table.rows.size()));
    widget->setHorizontalHeaderLabels(table.header);
    for (int r = 0; r < table.rows.size(); ++r)
        for (int c = 0; c < table.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::DisplayRole, table.rows[r][c]);
            widget->setItem(r, c, item);
        }
    widget->resizeColumnsToContents();
}

OverviewWindow::OverviewWindow(QList<PupilHistory> pupils, const QDate& today, QWidget* parent)
    : QMainWindow(parent), pupils_(std::move(pupils)), today_(today)
{
    setWindowTitle(QStringLiteral("Klassenübersicht"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    tabs_ = new QTabWidget(central);
    tabs_->addTab(MakeClassPage(), QStringLiteral("Klasse"));
    tabs_->addTab(MakePupilPage(), QStringLiteral("Schüler"));
    tabs_->addTab(MakeMissedPage(), QStringLiteral("Oft falsch"));
    layout->addWidget(tabs_);
    auto* buttons = new QHBoxLayout;
    csv_ = new QPushButton(QStringLiteral("Als CSV speichern…"), central);
    pdf_ = new QPushButton(QStringLiteral("PDF-Bericht…"), central);
    buttons->addStretch();
    buttons->addWidget(csv_);
    buttons->addWidget(pdf_);
    layout->addLayout(buttons);
    setCentralWidget(central);
    connect(csv_, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(pdf_, &QPushButton::clicked, this, [this] { ExportPdf(); });
    resize(1000, 640);
    ShowPupil(pupils_.isEmpty() ? -1 : 0);
}

void OverviewWindow::SetSavePathHook(SavePathHook hook)
{
    Hook() = std::move(hook);
}

QWidget* OverviewWindow::MakeClassPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Ein Klick auf eine Spalte sortiert; farbig: seit über einer Woche "
                                                "nicht geübt; Doppelklick zeigt die Seite des Schülers."),
                                 page));
    classTable_ = NewTable(page);
    FillTable(classTable_, ClassTable(pupils_, ExercisesOf(pupils_), today_));
    for (int r = 0; r < pupils_.size(); ++r) {
        classTable_->item(r, 0)->setData(Qt::UserRole, r);
        if (IsIdle(pupils_[r], today_))
            for (int c = 0; c < classTable_->columnCount(); ++c) {
                classTable_->item(r, c)->setBackground(QColor(QLatin1String(kIdleColour)));
                classTable_->item(r, c)->setToolTip(QStringLiteral("seit über einer Woche nicht geübt"));
            }
    }
    classTable_->setSortingEnabled(true);
    connect(classTable_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        ShowPupil(classTable_->item(row, 0)->data(Qt::UserRole).toInt());
        tabs_->setCurrentIndex(1);
    });
    layout->addWidget(classTable_);
    return page;
}

QWidget* OverviewWindow::MakePupilPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    pupilChoice_ = new QComboBox(page);
    for (const PupilHistory& p : pupils_)
        pupilChoice_->addItem(p.name);
    layout->addWidget(pupilChoice_);
    chart_ = new WeeklyChart(page);
    layout->addWidget(chart_, 2);
    auto* lower = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Wörter, die noch falsch sind:"), page));
    wrongWords_ = new QListWidget(page);
    left->addWidget(wrongWords_);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Fehlerarten beim Schreiben:"), page));
    kinds_ = NewTable(page);
    right->addWidget(kinds_);
    lower->addLayout(left, 1);
    lower->addLayout(right, 2);
    layout->addLayout(lower, 2);
    connect(pupilChoice_, &QComboBox::currentIndexChanged, this, [this](int i) { ShowPupil(i); });
    return page;
}

QWidget* OverviewWindow::MakeMissedPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Wörter, die viele Schüler nicht sofort richtig hatten:"), page));
    missed_ = NewTable(page);
    FillTable(missed_, MissedWordsTable(MostMissedWords(pupils_)));
    missed_->setSortingEnabled(true);
    layout->addWidget(missed_);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Name der Liste:"), page));
    listName_ = new QLineEdit(QStringLiteral("oft-falsch"), page);
    row->addWidget(listName_);
    saveList_ = new QPushButton(QStringLiteral("Als Wortliste speichern"), page);
    row->addWidget(saveList_);
    layout->addLayout(row);
    connect(saveList_, &QPushButton::clicked, this, [this] { SaveMissedList(); });
    return page;
}

void OverviewWindow::ShowPupil(int index)
{
    if (index < 0 || index >= pupils_.size()) {
        chart_->SetWeeks({});
        wrongWords_->clear();
        FillTable(kinds_, ErrorKindsTable({}));
        return;
    }
    if (pupilChoice_->currentIndex() != index)
        pupilChoice_->setCurrentIndex(index); // comes back here through the signal
    const PupilHistory& p = pupils_[index];
    chart_->SetWeeks(p.summary.weeks);
    wrongWords_->clear();
    wrongWords_->addItems(p.summary.stillWrong);
    FillTable(kinds_, ErrorKindsTable(p.summary.kinds));
}

QString OverviewWindow::AskSavePath(const QString& suggested) const
{
    if (Hook())
        return Hook()(suggested);
    return QFileDialog::getSaveFileName(const_cast<OverviewWindow*>(this), QStringLiteral("Speichern unter"),
                                        suggested);
}

void OverviewWindow::ExportCsv()
{
    const int tab = tabs_->currentIndex();
    const int pupil = pupilChoice_->currentIndex();
    QByteArray bytes;
    QString name;
    if (tab == 1 && pupil >= 0) {
        bytes = PupilPageCsv(pupils_[pupil]);
        name = pupils_[pupil].name + QStringLiteral(".csv");
    } else if (tab == 2) {
        bytes = TableCsv(MissedWordsTable(MostMissedWords(pupils_)));
        name = QStringLiteral("oft-falsch.csv");
    } else {
        bytes = TableCsv(ClassTable(pupils_, ExercisesOf(pupils_), today_));
        name = QStringLiteral("Klassenuebersicht.csv");
    }
    const QString path = AskSavePath(name);
    if (path.isEmpty())
        return;
    if (!WriteFileAtomically(path, bytes))
        ShowMessage(QStringLiteral("Die Datei konnte nicht gespeichert werden:\n") + NativePath(path),
                    MessageIcon::Warning);
}

void OverviewWindow::ExportPdf()
{
    const int pupil = pupilChoice_->currentIndex();
    const bool one = tabs_->currentIndex() == 1 && pupil >= 0;
    const QString path =
        AskSavePath(one ? pupils_[pupil].name + QStringLiteral(".pdf") : QStringLiteral("Klassenuebersicht.pdf"));
    if (path.isEmpty())
        return;
    const QList<PupilHistory> chosen = one ? QList<PupilHistory>{pupils_[pupil]} : pupils_;
    if (!WriteReportPdf(path, chosen, !one, today_))
        ShowMessage(QStringLiteral("Der Bericht konnte nicht gespeichert werden:\n") + NativePath(path),
                    MessageIcon::Warning);
}

void OverviewWindow::SaveMissedList()
{
    QStringList words;
    for (const MissedWord& w : MostMissedWords(pupils_))
        words << w.word;
    QString saved, error;
    // Installed, "listen" is read-only and the teachers' lists go to "listen/eigene".
    QString folder = ProgramFolder() + QStringLiteral("listen/");
    const QFileInfo own(NativePath(folder + QStringLiteral("eigene")));
    if (own.isDir() && own.isWritable())
        folder += QStringLiteral("eigene/");
    if (SavePracticeList(words, folder, listName_->text(), &saved, &error))
        ShowMessage(QStringLiteral("Die Liste ist gespeichert:\n") + NativePath(saved), MessageIcon::Information);
    else
        ShowMessage(error, MessageIcon::Warning);
}
