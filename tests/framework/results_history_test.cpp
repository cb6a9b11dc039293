// The lasting history beside the profile: the rows made of answer records,
// the file format, and that the file stays whole when writers are killed or
// two of them append at once.
#include "data/program_state.h"
#include "data/pupil_files.h"
#include "framework/history_csv.h"
#include "framework/results_history.h"
#include "results_fixture.h"
#include "support/write_driver_process.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>
#include <set>

namespace {

HistoryRow Row(const QString& exercise, const QString& word, const QString& record)
{
    return MakeHistoryRow(QDateTime(QDate(2026, 11, 5), QTime(9, 5)), exercise, QStringLiteral("tiere.txt"), word,
                          record);
}

} // namespace

TEST(HistoryRows, VerdictsAndAttemptsOfTheExercisesRecords)
{
    struct Case {
        const char* exercise;
        const char* word;
        const char* record;
        HistoryVerdict verdict;
        QStringList attempts;
    };
    const QString one = QStringLiteral("Hören und Schreiben");
    const Case cases[] = {
        {"Hören und Schreiben", "Hund", "-OK-", HistoryVerdict::FirstTry, {}},
        // Control on Enter: keys typed, then the line sent.
        {"Hören und Schreiben", "Hund", "Hun[t] Hunt; Hund-OK-", HistoryVerdict::LaterRight, {"Hunt"}},
        {"Lautierübung", "Hund", " Hnd; Hud_; Hund-OK-", HistoryVerdict::LaterRight, {"Hnd", "Hud"}},
        {"Hören und Schreiben", "der Hund", "der Hun[t] der Hunt; ", HistoryVerdict::Wrong, {"der Hunt"}},
        {"Hören und Schreiben", "Katze", "[x] x; [x] x; ", HistoryVerdict::Wrong, {"x", "x"}},
        // Automatic control marked a wrong letter: right only with that help.
        {"Hören und Schreiben", "Hund", "H[x]und", HistoryVerdict::Helped, {}},
        {"Bild zum Wort", "Hund", "Katze; Maus; -OK-", HistoryVerdict::LaterRight, {"Katze", "Maus"}},
        {"Welches Wort stimmt?", "Hund", "Hunt; ", HistoryVerdict::Wrong, {"Hunt"}},
        {"Bild zum Wort", "Hund", "[-OK-", HistoryVerdict::Helped, {}},
    };
    for (const Case& c : cases) {
        const HistoryRow row = Row(c.exercise, c.word, c.record);
        EXPECT_EQ(row.verdict, c.verdict) << c.record;
        EXPECT_EQ(row.attempts, c.attempts) << c.record;
        EXPECT_EQ(row.record, c.record);
    }
}

TEST(HistoryRows, ListOfEachRowIsTheMarkerBeforeIt)
{
    AnswerLists answers;
    answers.AddListMarker("tiere.txt");
    answers.AddAnswer("-OK-", "Hund");
    answers.AddAnswer("", "Maus"); // not worked on
    answers.AddListMarker("===Fehlerliste===");
    answers.AddAnswer("Kaze; -OK-", "Katze");
    const ResultsContext context{"anna.ini", "obst.txt", QDateTime(QDate(2026, 11, 5), QTime(9, 5)), true};
    const QList<HistoryRow> rows = HistoryRowsOf("Bild zum Wort", answers, context);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].list, "tiere.txt");
    EXPECT_EQ(rows[0].word, "Hund");
    EXPECT_EQ(rows[1].list, "Fehlerliste");
    EXPECT_EQ(rows[1].attempts, QStringList{"Kaze"});
}

TEST(HistoryCsv, RowsSurviveTheFileWithQuotesBreaksAndUmlauts)
{
    HistoryRow odd = Row("Hören und Schreiben", "Bär", "B\"a;er\r\nx Ba\"er; -OK-");
    odd.imported = true;
    const QList<HistoryRow> rows = {Row("Lautierübung", "Straße", " Strase; Straße-OK-"), odd,
                                    Row("Bild zum Wort", "Igel", "-OK-")};
    QByteArray bytes = HistoryHeader();
    for (const HistoryRow& r : rows)
        bytes += HistoryLine(r);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "Datum;Zeit;\xC3\x9C" "bung;Liste;Wort;Ergebnis;Versuche;"
                                 "Aufzeichnung;Herkunft\r\n"));
    EXPECT_TRUE(bytes.contains("2026-11-05;09:05:00;Lautier\xC3\xBC" "bung;tiere.txt;Stra\xC3\x9F" "e;"
                               "sp\xC3\xA4ter richtig;Strase;\" Strase; Stra\xC3\x9F" "e-OK-\";\r\n"));
    int skipped = -1;
    EXPECT_EQ(ParseHistory(bytes, &skipped), rows);
    EXPECT_EQ(skipped, 0);

    // LF-only line ends, columns in another order, an extra column, bad rows.
    const QByteArray other = "Wort;Extra;Datum;Ergebnis\n"
                             "Hund;x;2026-01-02;falsch\n"
                             "Maus;x;kein Datum;falsch\n"
                             "Igel;x;2026-01-03;vielleicht\n";
    const QList<HistoryRow> read = ParseHistory(other, &skipped);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].word, "Hund");
    EXPECT_EQ(read[0].when, WallClock(QDate(2026, 1, 2), QTime(0, 0)));
    EXPECT_EQ(skipped, 2);
    EXPECT_TRUE(ParseHistory("kein;Kopf\n1;2\n").isEmpty());
    EXPECT_TRUE(ParseHistory("\"offen").isEmpty());
}

class HistoryWriterTest : public ResultsTest {};

TEST_F(HistoryWriterTest, AppendsEveryBlockAfterOneHeaderAndLeavesTheProtocolFilesAlone)
{
    AnswerLists answers;
    answers.AddListMarker("tiere.txt");
    answers.AddAnswer("-OK-", "Hund");
    answers.AddAnswer("Kaze; -OK-", "Katze");
    EXPECT_TRUE(AppendResultsHistory("Bild zum Wort", answers, Context()));
    EXPECT_TRUE(AppendResultsHistory("Welches Wort stimmt?", answers, Context(false)));
    EXPECT_TRUE(AppendResultsHistory("Lesen lernen", answers, Context())); // clicks, not answers
    const QByteArray bytes = Read(".csv");
    EXPECT_EQ(bytes.count("Datum;Zeit"), 1);
    const QList<HistoryRow> rows = ParseHistory(bytes);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[3].exercise, "Welches Wort stimmt?");
    EXPECT_EQ(rows[3].verdict, HistoryVerdict::LaterRight);
    for (const char* other : {".txt", ".zgn", ".fhl"})
        EXPECT_TRUE(Read(other).isEmpty()) << other;

    // A row someone cut short by hand does not swallow the next one.
    prog.Write("protokoll/anna.csv", bytes.left(bytes.size() - 2));
    EXPECT_TRUE(AppendResultsHistory("Bild zum Wort", answers, Context()));
    EXPECT_EQ(ParseHistory(Read(".csv")).size(), 6);
}

TEST_F(HistoryWriterTest, DeletingAPupilTakesTheHistoryWithTheOtherFiles)
{
    AnswerLists answers;
    answers.AddListMarker("tiere.txt");
    answers.AddAnswer("-OK-", "Hund");
    ASSERT_TRUE(AppendResultsHistory("Bild zum Wort", answers, Context()));
    ASSERT_FALSE(Read(".csv").isEmpty());
    RemovePupilFiles(profile);
    EXPECT_FALSE(QFile::exists(prog.Path("protokoll/anna.csv")));
}

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(HistoryWriter, KillsDuringAppendsLeaveWholeBlocks)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/daten/";
    QDir().mkpath(root);
    qsizetype before = 0;
    for (int k = 0; k < 8; ++k) {
        std::unique_ptr<QProcess> p = StartWriteDriver(root, {"history"});
        ASSERT_TRUE(p->waitForReadyRead(20000));
        QThread::usleep(QRandomGenerator::global()->bounded(20000));
        ::kill(pid_t(p->processId()), SIGKILL);
        ASSERT_TRUE(p->waitForFinished(10000));
        const QByteArray bytes = ReadFile(root + "anna.csv");
        int skipped = -1;
        const QList<HistoryRow> rows = ParseHistory(bytes, &skipped);
        // Blocks of 400 rows, each ending with its last word and a line end.
        EXPECT_EQ(skipped, 0);
        EXPECT_EQ(rows.size() % 400, 0);
        EXPECT_GE(rows.size(), before + 400);
        EXPECT_EQ(rows.last().word, "Wort399");
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        before = rows.size();
    }
    Program().dataRoot = root;
    RemoveStaleTemporaries(root, -3600000);
    for (const QString& name : QDir(root).entryList(QDir::Files))
        EXPECT_TRUE(name == "anna.csv" || name == "anna.ini" || name == "anna.csv.lock") << name.toStdString();
}

TEST(HistoryWriter, TwoProcessesAppendingAtOnceLoseNoRow)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/daten/";
    QDir().mkpath(root);
    constexpr int kBlocks = 60;
    std::unique_ptr<QProcess> a = StartWriteDriver(root, {"addhistory", "A", QString::number(kBlocks)});
    std::unique_ptr<QProcess> b = StartWriteDriver(root, {"addhistory", "B", QString::number(kBlocks)});
    ASSERT_TRUE(a->waitForFinished(100000));
    ASSERT_TRUE(b->waitForFinished(100000));
    EXPECT_EQ(a->exitCode(), 0);
    EXPECT_EQ(b->exitCode(), 0);
    const QByteArray bytes = ReadFile(root + "anna.csv");
    EXPECT_EQ(bytes.count("Datum;Zeit"), 1);
    std::set<QString> words;
    for (const HistoryRow& row : ParseHistory(bytes))
        words.insert(row.word);
    EXPECT_EQ(words.size(), size_t(2 * kBlocks * 20));
    EXPECT_TRUE(words.count("A59-19") && words.count("B0-0"));
}
