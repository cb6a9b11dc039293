#pragma once
// The teacher's window "Klassenübersicht": the class table, a pupil's page
// (weekly chart, words still wrong, error kinds) and the words the class
// misses most, with exports as CSV and PDF and a button that saves the missed
// words as a word list in "listen".
#include "klassenuebersicht/class_data.h"

#include <QMainWindow>
#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;
class WeeklyChart;
struct Table;

class OverviewWindow : public QMainWindow {
public:
    OverviewWindow(QList<PupilHistory> pupils, const QDate& today, QWidget* parent = nullptr);

    // Where an export goes: asked with a file dialog; tests put in a hook.
    using SavePathHook = std::function<QString(const QString& suggestedName)>;
    static void SetSavePathHook(SavePathHook hook);

    void ShowPupil(int index);

    QTabWidget* Tabs() const { return tabs_; }
    QTableWidget* ClassTableWidget() const { return classTable_; }
    QComboBox* PupilChoice() const { return pupilChoice_; }
    WeeklyChart* Chart() const { return chart_; }
    QListWidget* WrongWords() const { return wrongWords_; }
    QTableWidget* KindsTable() const { return kinds_; }
    QTableWidget* MissedTable() const { return missed_; }
    QLineEdit* ListName() const { return listName_; }
    QPushButton* SaveListButton() const { return saveList_; }
    QPushButton* CsvButton() const { return csv_; }
    QPushButton* PdfButton() const { return pdf_; }

    static constexpr const char* kIdleColour = "#ffd8cc";

private:
    QWidget* MakeClassPage();
    QWidget* MakePupilPage();
    QWidget* MakeMissedPage();
    void ExportCsv();
    void ExportPdf();
    void SaveMissedList();
    QString AskSavePath(const QString& suggested) const;

    QList<PupilHistory> pupils_;
    QDate today_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* classTable_ = nullptr;
    QComboBox* pupilChoice_ = nullptr;
    WeeklyChart* chart_ = nullptr;
    QListWidget* wrongWords_ = nullptr;
    QTableWidget* kinds_ = nullptr;
    QTableWidget* missed_ = nullptr;
    QLineEdit* listName_ = nullptr;
    QPushButton* saveList_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* pdf_ = nullptr;
};

// Fills a table widget with the cells (numbers and dates sort as such).
void FillTable(QTableWidget* widget, const Table& table);
