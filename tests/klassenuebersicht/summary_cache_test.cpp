// The class overview's local cache: a history is read again only when it
// changed, and a damaged or foreign cache is ignored and written anew.
#include "framework/history_csv.h"
#include "framework/results_history.h"
#include "klassenuebersicht/class_data.h"
#include "klassenuebersicht/summary_cache.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

class SummaryCacheTest : public ::testing::Test {
protected:
    SummaryCacheTest()
    {
        prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\nAnna=Protokoll\\jeder1.ini\r\n"
                                          "Ben=Protokoll\\jeder2.ini\r\n");
        Answer("jeder1", {QDate(2026, 11, 2), QTime(9, 0)}, "der Hund", "der Hun[t] der Hunt; der Hund-OK-");
        Answer("jeder2", {QDate(2026, 11, 3), QTime(9, 0)}, "die Katze", "-OK-");
        cache = prog.Path("cache/klasse.cache");
    }

    void Answer(const QString& profile, const QDateTime& when, const QString& word, const QString& record)
    {
        ASSERT_TRUE(AppendHistoryRows(prog.Path("protokoll/" + profile + ".csv"),
                                      {MakeHistoryRow(when, "Hören und Schreiben", "tiere.txt", word, record)}));
    }
    int AnswersOf(const QList<PupilHistory>& pupils, const QString& name)
    {
        for (const PupilHistory& p : pupils)
            if (p.name == name)
                return p.summary.all.answers;
        return -1;
    }

    TempProgram prog;
    QString cache;
};

} // namespace

TEST_F(SummaryCacheTest, AnUnchangedHistoryIsTakenFromTheCacheAndAGrownOneIsReadAgain)
{
    const QList<PupilHistory> first = LoadClass(false, cache);
    ASSERT_TRUE(QFile::exists(cache));
    EXPECT_EQ(AnswersOf(first, "Anna"), 1);

    // Same size and time of change: the cache's figures stand, though the
    // bytes differ (the proof that the file was not read).
    const QString anna = prog.Path("protokoll/jeder1.csv");
    QFile file(anna);
    const QDateTime changed = QFileInfo(anna).lastModified();
    QByteArray bytes = prog.Read("protokoll/jeder1.csv");
    bytes.replace("der Hund", "der Hase");
    prog.Write("protokoll/jeder1.csv", bytes);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
    file.close();
    QList<PupilHistory> again = LoadClass(false, cache);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again[0].summary.missed[0].word, "der Hund");

    // A grown history is read again, the other pupil's is not.
    Answer("jeder1", {QDate(2026, 11, 4), QTime(9, 0)}, "die Maus", "-OK-");
    again = LoadClass(false, cache);
    EXPECT_EQ(AnswersOf(again, "Anna"), 2);
    EXPECT_EQ(again[0].summary.missed[0].word, "der Hase");
    EXPECT_EQ(again[1].summary, first[1].summary);

    // A removed history leaves no figures behind.
    ASSERT_TRUE(QFile::remove(anna));
    EXPECT_EQ(AnswersOf(LoadClass(false, cache), "Anna"), 0);
}

TEST_F(SummaryCacheTest, ADamagedOrForeignCacheIsIgnoredAndWrittenAnew)
{
    const QList<PupilHistory> right = LoadClass(false);
    LoadClass(false, cache);
    const QByteArray good = prog.Read("cache/klasse.cache");
    QList<CachedHistory> entries;
    ASSERT_TRUE(ParseSummaryCache(good, DataRoot(), &entries));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FALSE(ParseSummaryCache(good, DataRoot() + "anders/", &entries));
    EXPECT_TRUE(entries.isEmpty());

    QByteArray flipped = good;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x20);
    for (const QByteArray& damaged : {good.left(good.size() - 1), good.left(20), flipped, QByteArray("LRBSUM"),
                                      QByteArray()}) {
        prog.Write("cache/klasse.cache", damaged);
        EXPECT_EQ(LoadClass(false, cache), right);
        EXPECT_EQ(prog.Read("cache/klasse.cache"), good);
    }
}

TEST(SummaryCache, SummariesWriteOutAndReadBackTheSame)
{
    QList<HistoryRow> rows;
    const QDateTime when(QDate(2026, 3, 2), QTime(8, 0));
    rows << MakeHistoryRow(when, "Hören und Schreiben", "tiere.txt", "die Straße", " die Strase; die Straße-OK-")
         << MakeHistoryRow(when, "Hören und Schreiben", "tiere.txt", "der Bär", " der Baer; ")
         << MakeHistoryRow(when.addDays(9), "Bild zum Wort", "tiere.txt", "der Bär", "-OK-");
    const QList<CachedHistory> entries = {{"/daten/jeder1.csv", 1234, 5678, SummaryOf(rows)},
                                          {"/daten/jeder2.csv", 0, -1, SummaryOf({})}};
    EXPECT_EQ(entries[0].summary.exercises.size(), 2);
    EXPECT_EQ(entries[0].summary.weeks.size(), 2);
    EXPECT_EQ(entries[0].summary.kinds.size(), 2);
    QList<CachedHistory> back;
    ASSERT_TRUE(ParseSummaryCache(SummaryCacheBytes("/daten/", entries), "/daten/", &back));
    EXPECT_EQ(back, entries);
}
