// The protocol import on protocols written by the results writer.
#include "framework/history_csv.h"
#include "framework/results_history.h"
#include "framework/results_protocol.h"
#include "klassenuebersicht/protocol_import.h"
#include "platform/text_codec.h"
#include "../framework/results_fixture.h"

namespace {

class ProtocolImportTest : public ResultsTest {
protected:
    ResultsContext At(const QDateTime& when, bool header, const QString& list = QStringLiteral("tiere.txt")) const
    {
        return {profile, list, when, header};
    }
    // A day's work: a block with a summary, a change of list, then the error list.
    void WriteDay(const QDate& day)
    {
        AnswerLists a;
        a.AddListMarker("tiere.txt");
        a.AddAnswer("-OK-", "Hund");
        a.AddAnswer(" Kaze; Katze-OK-", "die Katze");
        WriteProtocol("Hören und Schreiben", "Textkontrolle: nach Enter = aus", a, At({day, QTime(9, 5)}, true));
        AnswerLists b;
        b.AddListMarker("obst.txt");
        b.AddAnswer("Apfl; ", "Apfel");
        WriteProtocol("Hören und Schreiben", QString(), b, At({day, QTime(9, 20)}, false, "obst.txt"));
        AnswerLists c;
        c.AddListMarker("===Fehlerliste===");
        c.AddAnswer("Bar; -OK-", "Bär");
        WriteProtocol("Bild zum Wort", QString(), c, At({day, QTime(10, 0)}, true, "anna.fhl"));
    }
};

} // namespace

TEST_F(ProtocolImportTest, RowsOfEveryBlockWithTheirDateProgramAndList)
{
    WriteDay(QDate(2026, 11, 5));
    WriteDay(QDate(2026, 11, 9));
    const QList<HistoryRow> rows = ParseProtocol(DecodeCp1252(Read(".txt")));
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[0].when, WallClock(QDate(2026, 11, 5), QTime(9, 5)));
    EXPECT_EQ(rows[0].exercise, "Hören und Schreiben");
    EXPECT_EQ(rows[0].list, "tiere.txt");
    EXPECT_EQ(rows[0].verdict, HistoryVerdict::FirstTry);
    EXPECT_EQ(rows[1].word, "die Katze");
    EXPECT_EQ(rows[1].attempts, QStringList{"Kaze"});
    EXPECT_EQ(rows[1].verdict, HistoryVerdict::LaterRight);
    // The block after the change of list keeps the block's date and time.
    EXPECT_EQ(rows[2].list, "obst.txt");
    EXPECT_EQ(rows[2].when, rows[0].when);
    EXPECT_EQ(rows[2].verdict, HistoryVerdict::Wrong);
    EXPECT_EQ(rows[3].exercise, "Bild zum Wort");
    EXPECT_EQ(rows[3].list, "Fehlerliste");
    EXPECT_EQ(rows[3].word, "Bär");
    EXPECT_EQ(rows[4].when, WallClock(QDate(2026, 11, 9), QTime(9, 5)));
    for (const HistoryRow& row : rows)
        EXPECT_TRUE(row.imported);
    // The summary line with its " = " is no answer.
    for (const HistoryRow& row : rows)
        EXPECT_NE(row.word, "Textkontrolle: nach Enter");
}

TEST_F(ProtocolImportTest, ImportsOnceAndOnlyWhatIsOlderThanTheHistory)
{
    WriteDay(QDate(2026, 11, 5));
    // The history began with the block of 10:00: only the older rows come in.
    AnswerLists c;
    c.AddListMarker("===Fehlerliste===");
    c.AddAnswer("Bar; -OK-", "Bär");
    ASSERT_TRUE(AppendResultsHistory("Bild zum Wort", c, At({QDate(2026, 11, 5), QTime(10, 0, 12)}, true)));
    EXPECT_EQ(ImportProtocolIntoHistory(profile), 3);
    const QList<HistoryRow> rows = ParseHistory(Read(".csv"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[0].imported && rows[2].imported);
    EXPECT_FALSE(rows[3].imported);
    EXPECT_EQ(rows[3].when.time(), QTime(10, 0, 12));
    EXPECT_EQ(Read(".csv").count("Datum;Zeit"), 1);
    EXPECT_EQ(ImportProtocolIntoHistory(profile), 0);
    EXPECT_EQ(ParseHistory(Read(".csv")).size(), 4);

    // No history yet: everything; a broken protocol: nothing, and no crash.
    prog.Write("protokoll/anna.csv", QByteArray());
    EXPECT_EQ(ImportProtocolIntoHistory(profile), 4);
    prog.Write("protokoll/anna.csv", QByteArray());
    prog.Write("protokoll/anna.txt", "Hund = -OK-\r\n***Montag, den 99.99.2026\r\nDatei: x\r\n---------------\r\n");
    EXPECT_EQ(ImportProtocolIntoHistory(profile), 0);
}
