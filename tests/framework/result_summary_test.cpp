#include "framework/result_summary.h"

#include "platform/text_codec.h"
#include "results_fixture.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

using ResultSummaryTest = ResultsTest;

const QString kProgram = QStringLiteral("Welches Wort stimmt?  -  AUFDECKMODUS");

TEST(ResultSummary, PercentageAndPraise)
{
    struct Case {
        int points, solved, percentage;
        const char* praise;
    };
    const Case cases[] = {
        {250, 4, 62, "Sehr gut!"},         // 62.5 to the even 62
        {0, 3, 0, "Du hast es geschafft!"},
        {100, 1, 100, "Spitzenmäßig!"},
        {159, 2, 80, "Spitzenmäßig!"},     // 79.5
        {119, 2, 60, "Sehr gut!"},         // 59.5
        {81, 2, 40, "Prima!"},             // 40.5
        {39, 2, 20, "Erfolg haben macht Freude!"},   // 19.5
        {38, 2, 19, "Du hast es geschafft!"},
        {200, 3, 67, "Sehr gut!"},         // 66.7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        const int p = SummaryPercentage(c.points, c.solved);
        EXPECT_EQ(p, c.percentage);
        EXPECT_EQ(SummaryPraise(p), QString::fromUtf8(c.praise));
    }
}

TEST_F(ResultSummaryTest, NewDocumentByteForByte)
{
    WriteResultSummary(kProgram, 250, 4, Context());
    EXPECT_EQ(Read(".rtf"),
              EncodeCp1252(QStringLiteral(
                  "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}Donnerstag, den  5.11.2026 \r\n"
                  "     Zeit: 09:05 \\par \\fs24   \\par Programm: Welches Wort stimmt?  -  AUFDECKMODUS"
                  "\\par \\fs22   \\par Datei: tiere.txt\r\n"
                  "\\fs36\\par \\par ----------------------------------------------------------------------\r\n"
                  "\\par \\par \\pard\\qc Du hast   250 Punkte erreicht!\r\n"
                  "\\par \\fs30   \\par \r\n"
                  "Das ist ein Erfolgsergebnis von 62%!\r\n"
                  "\\par \\par \\par \r\n"
                  "\\fs30\\b Sehr gut!\\b0 \\par }\r\n")));
}

TEST_F(ResultSummaryTest, WithoutHeaderFlagAndAppended)
{
    WriteResultSummary(kProgram, 0, 3, Context(false));
    const QByteArray first = Read(".rtf");
    EXPECT_TRUE(first.startsWith("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}     Zeit: 09:05 \\par "
                                 "\\par \\fs22   \\par Datei: tiere.txt\r\n"));
    EXPECT_TRUE(first.contains("Du hast     0 Punkte erreicht!\r\n"));
    EXPECT_TRUE(first.endsWith("\\fs30\\b Du hast es geschafft!\\b0 \\par }\r\n"));
    EXPECT_FALSE(first.contains("Programm"));

    WriteResultSummary(kProgram, 123456, 2000, Context());
    const QByteArray both = Read(".rtf");
    EXPECT_EQ(both.left(first.size()), first);
    EXPECT_TRUE(both.mid(first.size()).startsWith(QByteArray(64, '-') + "\r\nDonnerstag, den  5.11.2026 \r\n"
                                                  "     Zeit: 09:05 \\par \\fs24   \\par Programm: "));
    EXPECT_TRUE(both.contains("Du hast 123456 Punkte erreicht!"));
}

TEST_F(ResultSummaryTest, NameBesideTheProfileAndWhatStopsIt)
{
    const QString bare = prog.Path(QStringLiteral("protokoll/ben"));
    ResultsContext context = Context();
    context.profilePath = bare;
    WriteResultSummary(kProgram, 10, 1, context);
    EXPECT_TRUE(QFileInfo::exists(bare + QStringLiteral(".rtf")));

    WriteResultSummary(kProgram, 10, 0, Context());   // nothing solved
    QDir().mkpath(profile);                             // profile not writable
    WriteResultSummary(kProgram, 10, 1, Context());
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/anna.rtf"))));
}

TEST_F(ResultSummaryTest, ListNamesCannotBreakTheDocument)
{
    WriteResultSummary(kProgram, 50, 1, Context(true, QStringLiteral("tiere\\hunde{1}.txt")));
    EXPECT_TRUE(Read(".rtf").contains("Datei: tiere\\\\hunde\\{1\\}.txt\r\n"));
}

// The document opens in a real RTF reader (unrtf) and shows the texts, the
// umlauts and the list name with its folder among them.
TEST_F(ResultSummaryTest, OpensInAnRtfReader)
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed (scripts/install-deps.sh installs it)";
    WriteResultSummary(kProgram, 250, 4, Context(true, QStringLiteral("Übungen\\hunde.txt")));
    WriteResultSummary(kProgram, 100, 1, Context(false));   // appended: a reader shows the first only
    QProcess reader;
    reader.start(unrtf, {QStringLiteral("--text"), prog.Path(QStringLiteral("protokoll/anna.rtf"))});
    ASSERT_TRUE(reader.waitForFinished(10000));
    EXPECT_EQ(reader.exitCode(), 0);
    // unrtf writes Windows-1252 and folds runs of blanks into one.
    const QString text = DecodeCp1252(reader.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Donnerstag, den 5.11.2026 Zeit: 09:05"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Programm: Welches Wort stimmt? - AUFDECKMODUS")));
    EXPECT_TRUE(text.contains(QStringLiteral("Datei: Übungen\\hunde.txt")));
    EXPECT_TRUE(text.contains(QStringLiteral("Du hast 250 Punkte erreicht!")));
    EXPECT_TRUE(text.contains(QStringLiteral("Erfolgsergebnis von 62%!")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sehr gut!")));

    const QString praise = QStringLiteral("Spitzenmäßig!");
    WriteResultSummary(kProgram, 100, 1, Context(true));
    EXPECT_TRUE(Read(".rtf").endsWith("\\fs30\\b Spitzenm\\'e4\\'dfig!\\b0 \\par }\r\n"));
    QFile::remove(prog.Path(QStringLiteral("protokoll/anna.rtf")));
    WriteResultSummary(kProgram, 100, 1, Context(true));
    reader.start(unrtf, {QStringLiteral("--text"), prog.Path(QStringLiteral("protokoll/anna.rtf"))});
    ASSERT_TRUE(reader.waitForFinished(10000));
    EXPECT_TRUE(DecodeCp1252(reader.readAllStandardOutput()).contains(praise));
}

} // namespace
