// The class overview as a teacher uses it: real clicks and keys on a class
// of three pupils written through the history writer.
#include "framework/history_csv.h"
#include "framework/results_history.h"
#include "klassenuebersicht/class_data.h"
#include "klassenuebersicht/overview_window.h"
#include "klassenuebersicht/weekly_chart.h"
#include "platform/messages.h"
#include "support/temp_program.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 11, 20);

void Work(const QString& profile, const QDateTime& when, const QString& exercise,
          const QList<std::pair<QString, QString>>& answers)
{
    AnswerLists a;
    a.AddListMarker("tiere.txt");
    for (const auto& [word, record] : answers)
        a.AddAnswer(record, word);
    ASSERT_TRUE(AppendResultsHistory(exercise, a, {profile, "tiere.txt", when, true}));
}

class OverviewWindowTest : public ::testing::Test {
protected:
    OverviewWindowTest()
    {
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=Protokoll\\jeder1.ini\r\n"
                                          "Ben=Protokoll\\jeder2.ini\r\nCem=Protokoll\\jeder3.ini\r\n");
        prog.Write("listen/tiere.txt", "Tiere\r\nzweite Zeile\r\n"
                                       "der Hund;7 95 x4 11;Bilder\\Hund.png;Sounds\\Hund der.wav;;der Hund\r\n"
                                       "die Katze;7 95 x4 11;Bilder\\Katze.png;Sounds\\Katze die.wav;;die Katze\r\n");
        const QString anna = prog.Path("protokoll/jeder1.ini"), ben = prog.Path("protokoll/jeder2.ini"),
                      cem = prog.Path("protokoll/jeder3.ini");
        const QString one = QStringLiteral("Hören und Schreiben");
        Work(anna, {QDate(2026, 11, 2), QTime(9, 0)}, one, {{"der Hund", "der Hun[t] der Hunt; der Hund-OK-"},
                                                            {"die Katze", " die Kaze; die Katze-OK-"}});
        Work(anna, {QDate(2026, 11, 18), QTime(9, 0)}, one, {{"der Hund", "-OK-"}, {"die Katze", "-OK-"}});
        Work(ben, {QDate(2026, 11, 19), QTime(10, 0)}, one, {{"die Katze", " die Katse; "}, {"der Hund", "-OK-"}});
        Work(ben, {QDate(2026, 11, 19), QTime(10, 30)}, "Bild zum Wort", {{"die Katze", "der Hund; -OK-"}});
        // Cem worked only weeks ago.
        Work(cem, {QDate(2026, 10, 1), QTime(8, 0)}, "Bild zum Wort", {{"die Katze", "Maus; "}});
        window = std::make_unique<OverviewWindow>(LoadClass(false), kToday);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        SetMessageHook([this](const MessageRequest& r) {
            messages << r.text;
            return Answer::Ok;
        });
    }
    ~OverviewWindowTest() override
    {
        SetMessageHook(nullptr);
        OverviewWindow::SetSavePathHook(nullptr);
    }

    QString NameInRow(int row) const { return window->ClassTableWidget()->item(row, 0)->text(); }
    void ClickTab(int index)
    {
        QTabBar* bar = window->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    TempProgram prog;
    std::unique_ptr<OverviewWindow> window;
    QStringList messages;
};

} // namespace

TEST_F(OverviewWindowTest, ClassTableSortsByAClickedColumnAndMarksTheIdlePupil)
{
    QTableWidget* table = window->ClassTableWidget();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "Hören und Schreiben: Sitzungen");
    EXPECT_EQ(NameInRow(0), "Anna");
    // Anna: 4 answers, 2 at the first try.
    EXPECT_EQ(table->item(0, 2)->data(Qt::DisplayRole).toInt(), 4);
    EXPECT_EQ(table->item(0, 3)->data(Qt::DisplayRole).toInt(), 50);
    EXPECT_EQ(table->item(0, 8)->text(), "+100"); // 0 % two weeks ago, 100 % now

    // A click on "Antworten" sorts by it, a second click the other way round.
    QHeaderView* header = table->horizontalHeader();
    const QPoint answers(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, answers);
    const QString firstAfterOne = NameInRow(0);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, answers);
    EXPECT_NE(NameInRow(0), firstAfterOne);
    EXPECT_TRUE(NameInRow(0) == "Anna" || NameInRow(2) == "Anna");
    EXPECT_TRUE(NameInRow(0) == "Cem" || NameInRow(2) == "Cem");

    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(table->item(r, 0)->background().color() == QColor(OverviewWindow::kIdleColour), NameInRow(r) == "Cem");
}

TEST_F(OverviewWindowTest, DoubleClickOpensThePupilsPageWithChartWordsAndErrorKinds)
{
    QTableWidget* table = window->ClassTableWidget();
    int benRow = 0;
    while (NameInRow(benRow) != "Ben")
        ++benRow;
    const QRect cell = table->visualItemRect(table->item(benRow, 0));
    // An item view takes a double click after the press that selects the cell.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(window->Tabs()->currentIndex(), 1);
    EXPECT_EQ(window->PupilChoice()->currentText(), "Ben");
    ASSERT_EQ(window->WrongWords()->count(), 0); // the Katze was right in the later block
    ASSERT_GE(window->KindsTable()->rowCount(), 1);
    EXPECT_EQ(window->KindsTable()->item(0, 0)->text(), ErrorKindName(ErrorKind::TzZ));
    EXPECT_TRUE(window->KindsTable()->item(0, 2)->text().contains("die Katse (die Katze)"));

    // The pupil box by keys: Anna's two weeks with their answers.
    window->PupilChoice()->setFocus();
    QTest::keyClick(window->PupilChoice(), Qt::Key_Up);
    EXPECT_EQ(window->PupilChoice()->currentText(), "Anna");
    const QList<WeekFigures> weeks = window->Chart()->Weeks();
    ASSERT_EQ(weeks.size(), 3);
    EXPECT_EQ(weeks[0].answers, 2);
    EXPECT_EQ(weeks[0].firstTry, 0);
    EXPECT_EQ(weeks[2].firstTry, 2);
    QStringList kinds;
    for (int r = 0; r < window->KindsTable()->rowCount(); ++r)
        kinds << window->KindsTable()->item(r, 0)->text();
    EXPECT_TRUE(kinds.contains(ErrorKindName(ErrorKind::FinalHardening)));
    EXPECT_TRUE(kinds.contains(ErrorKindName(ErrorKind::TzZ)));

    // Cem's word is still wrong.
    QTest::keyClick(window->PupilChoice(), Qt::Key_Down);
    QTest::keyClick(window->PupilChoice(), Qt::Key_Down);
    EXPECT_EQ(window->PupilChoice()->currentText(), "Cem");
    ASSERT_EQ(window->WrongWords()->count(), 1);
    EXPECT_EQ(window->WrongWords()->item(0)->text(), "die Katze");
}

TEST_F(OverviewWindowTest, MostMissedWordsBecomeAWordListWithTheirRows)
{
    ClickTab(2);
    QTableWidget* missed = window->MissedTable();
    ASSERT_EQ(missed->rowCount(), 2);
    EXPECT_EQ(missed->item(0, 0)->text(), "die Katze");
    EXPECT_EQ(missed->item(0, 1)->data(Qt::DisplayRole).toInt(), 3);

    QLineEdit* name = window->ListName();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "klasse-4b");
    QTest::mouseClick(window->SaveListButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("klasse-4b.txt")) << messages[0].toStdString();
    const QByteArray list = prog.Read("listen/klasse-4b.txt");
    EXPECT_TRUE(list.startsWith("klasse-4b\r\n"));
    EXPECT_TRUE(list.contains("die Katze;7 95 x4 11;Bilder\\Katze.png;Sounds\\Katze die.wav;;die Katze\r\n"));
    EXPECT_TRUE(list.contains("der Hund;7 95 x4 11;Bilder\\Hund.png"));

    // A name with a folder is refused with a message, nothing written.
    name->selectAll();
    QTest::keyClicks(name, "../weg");
    QTest::mouseClick(window->SaveListButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_FALSE(QFile::exists(prog.Path("weg.txt")));
}

TEST_F(OverviewWindowTest, ExportsTheClassAsCsvAndThePupilAsPdf)
{
    QStringList asked;
    OverviewWindow::SetSavePathHook([&](const QString& suggested) {
        asked << suggested;
        return prog.Path("export/") + suggested;
    });
    QDir().mkpath(prog.Path("export"));
    QTest::mouseClick(window->CsvButton(), Qt::LeftButton);
    const QByteArray csv = prog.Read("export/Klassenuebersicht.csv");
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFName;zuletzt ge\xC3\xBC" "bt;Antworten;sofort richtig %;"));
    EXPECT_TRUE(csv.contains("\r\nCem;01.10.2026;1;0;"));

    ClickTab(1);
    QTest::mouseClick(window->PdfButton(), Qt::LeftButton);
    QTest::mouseClick(window->CsvButton(), Qt::LeftButton);
    EXPECT_EQ(asked, (QStringList{"Klassenuebersicht.csv", "Anna.pdf", "Anna.csv"}));
    EXPECT_TRUE(prog.Read("export/Anna.pdf").startsWith("%PDF"));
    const QByteArray page = prog.Read("export/Anna.csv");
    EXPECT_TRUE(page.contains("Woche ab;Antworten;sofort richtig %\r\n02.11.2026;2;0\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}
