#include "framework/results_protocol.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "results_fixture.h"

namespace {

using ResultsProtocolTest = ResultsTest;

AnswerLists SampleAnswers()
{
    AnswerLists a;
    a.AddListMarker(QStringLiteral("tiere.txt"));
    a.AddAnswer(QStringLiteral("-OK-"), QStringLiteral("Hund"));
    a.AddAnswer(QStringLiteral("Hnud; -OK-"), QStringLiteral("die Katze"));
    a.AddAnswer(QStringLiteral("-OK-"), QStringLiteral("Donaudampfschiff18"));
    return a;
}

TEST(ResultsTexts, DayDateAndTime)
{
    const char* days[] = {"****Montag", "**Dienstag", "**Mittwoch", "Donnerstag",
                          "***Freitag", "***Samstag", "***Sonntag"};
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(DayName(d), QLatin1String(days[d - 1]));
    EXPECT_EQ(DayName(0), QString(10, u'*'));
    EXPECT_EQ(DateText(QDate(2026, 3, 9)), QStringLiteral(" 9. 3.2026"));
    EXPECT_EQ(DateText(QDate(2026, 12, 24)), QStringLiteral("24.12.2026"));
    EXPECT_EQ(TimeText(QTime(9, 5)), QStringLiteral("09:05"));
    EXPECT_EQ(TimeText(QTime(23, 59)), QStringLiteral("23:59"));
}

TEST_F(ResultsProtocolTest, NewProtocolBlock)
{
    WriteProtocol(QStringLiteral("Hören und Schreiben "), QStringLiteral("Textkontrolle: Automatisch."),
                  SampleAnswers(), Context());
    EXPECT_EQ(DecodeCp1252(Read(".txt")),
              QStringLiteral("***Donnerstag, den  5.11.2026 *************************\r\n"
                             "\r\n"
                             "Programm: Hören und Schreiben      Zeit: 09:05\r\n"
                             "Textkontrolle: Automatisch.\r\n"
                             "\r\n"
                             "Datei: tiere.txt\r\n"
                             "------------------------------------------\r\n"
                             "Hund               = -OK-\r\n"
                             "die Katze          = Hnud; -OK-\r\n"
                             "Donaudampfschiff18 = -OK-\r\n"));
    EXPECT_EQ(Ini::ReadString(profile, QStringLiteral("CDtest"), QStringLiteral("aufCD"), QString()),
              QStringLiteral("false"));
}

TEST_F(ResultsProtocolTest, FollowingBlocksWithAndWithoutHeader)
{
    AnswerLists errors;
    errors.AddListMarker(QStringLiteral("Fehlerliste"));
    errors.AddAnswer(QStringLiteral("-OK-"), QStringLiteral("Ball"));
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), errors, Context());
    const QByteArray first = Read(".txt");
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), errors, Context());
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), errors, Context(false));
    const QString rows = QStringLiteral("----------------------------------------------------------------\r\n"
                                        "\r\n"
                                        "Datei: tiere.txt\r\n"
                                        "------------------------------------------\r\n"
                                        "Ball               = -OK-\r\n");
    EXPECT_EQ(DecodeCp1252(Read(".txt")),
              DecodeCp1252(first) +
                  QStringLiteral("\r\n"
                                 "******************************************************\r\n"
                                 "***Donnerstag, den  5.11.2026 ************************\r\n"
                                 "\r\n"
                                 "Programm: Bild zum Wort     Zeit: 09:05\r\n") +
                  rows + QStringLiteral(" \r\n") + rows);
}

TEST_F(ResultsProtocolTest, WhatIsNotWritten)
{
    // "Lesen lernen" keeps no protocol.
    WriteProtocol(QStringLiteral("Lesen lernen"), QString(), SampleAnswers(), Context());
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/anna.txt"))));

    // Several rows, all after the first empty.
    AnswerLists empty;
    empty.AddListMarker(QStringLiteral("tiere.txt"));
    empty.AddAnswer(QString(), QStringLiteral("Hund"));
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), empty, Context());
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/anna.txt"))));

    // A profile that cannot be written (here: a folder in its place).
    QDir().mkpath(profile);
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), SampleAnswers(), Context());
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/anna.txt"))));
    QDir(profile).removeRecursively();

    // Only the list marker: a block without answers is not written.
    AnswerLists marker;
    marker.AddListMarker(QStringLiteral("tiere.txt"));
    WriteProtocol(QStringLiteral("Bild zum Wort"), QString(), marker, Context(false));
    EXPECT_FALSE(QFileInfo::exists(prog.Path(QStringLiteral("protokoll/anna.txt"))));
}

TEST_F(ResultsProtocolTest, TwelveBlocksAreCutToTheFirstLineAndTheNewestTen)
{
    for (int block = 1; block <= 12; ++block)
        WriteProtocol(QStringLiteral("P%1").arg(block), QString(), SampleAnswers(), Context());
    const QStringList before = SplitLines(DecodeCp1252(Read(".txt")));
    WriteProtocol(QStringLiteral("P13"), QString(), SampleAnswers(), Context());
    const QStringList after = SplitLines(DecodeCp1252(Read(".txt")));

    EXPECT_EQ(after.first(), before.first());
    EXPECT_EQ(after.filter(QStringLiteral("***Donnerstag")).size(), 12);   // first line, ten kept, new
    EXPECT_EQ(after.filter(QStringLiteral("Programm: P")).size(), 11);
    EXPECT_FALSE(after.contains(QStringLiteral("Programm: P1     Zeit: 09:05")));
    EXPECT_FALSE(after.contains(QStringLiteral("Programm: P2     Zeit: 09:05")));
    EXPECT_EQ(after[1], QStringLiteral("***Donnerstag, den  5.11.2026 ************************"));
    EXPECT_EQ(after[3], QStringLiteral("Programm: P3     Zeit: 09:05"));
    EXPECT_TRUE(after.contains(QStringLiteral("Programm: P13     Zeit: 09:05")));

    // Steady state: every further block drops the oldest one.
    WriteProtocol(QStringLiteral("P14"), QString(), SampleAnswers(), Context());
    const QStringList later = SplitLines(DecodeCp1252(Read(".txt")));
    EXPECT_EQ(later.filter(QStringLiteral("***Donnerstag")).size(), 12);
    EXPECT_EQ(later[3], QStringLiteral("Programm: P4     Zeit: 09:05"));
}

TEST_F(ResultsProtocolTest, TrimmingLeavesOddProtocolsAlone)
{
    // Nine headers, broken headers and bytes from other programs: no cut.
    QByteArray odd = "Protokoll von Anna\r\n";
    for (int i = 0; i < 9; ++i)
        odd += "***Montag, den\r\nx\r\n";
    odd += "**Montag ***Mon tag **\x80\x9f\r\n*** Freitag\n";
    prog.Write(QStringLiteral("protokoll/anna.txt"), odd);
    TrimProtocol(profile.left(profile.size() - 4) + QStringLiteral(".txt"));
    EXPECT_EQ(Read(".txt"), odd);

    // With eleven headers the lines before the tenth-newest go; the first
    // line stays.
    const QByteArray eleven = odd + "***Sonntag\r\n***Samstag\r\nletzter\r\n";
    prog.Write(QStringLiteral("protokoll/anna.txt"), eleven);
    TrimProtocol(prog.Path(QStringLiteral("protokoll/anna.txt")));
    QByteArray kept = eleven.mid(eleven.indexOf("***Montag", eleven.indexOf("***Montag") + 1));
    EXPECT_EQ(Read(".txt"), "Protokoll von Anna\r\n" + kept.replace("*** Freitag\n", "*** Freitag\r\n"));

    // A folder in place of the protocol is left alone.
    TrimProtocol(prog.Path(QStringLiteral("protokoll")));
    EXPECT_TRUE(QFileInfo(prog.Path(QStringLiteral("protokoll"))).isDir());
}

} // namespace
