#include "app/rtf_reader.h"
#include "framework/result_summary.h"
#include "framework/results_fixture.h"
#include "support/qt_printers.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using RtfReaderTest = ResultsTest;

const QString kProgram = QStringLiteral("Welches Wort stimmt?  -  AUFDECKMODUS");

// The summary as the exercise writes it reads as its paragraphs: no control
// words or font names in the text, the points line centred, the praise bold.
TEST_F(RtfReaderTest, ResultSummaryAsWritten)
{
    WriteResultSummary(kProgram, 250, 4, Context());
    const RtfDocument doc = ReadRtf(Read(".rtf"));
    const QStringList lines = doc.Lines();
    const QString all = lines.join(u'|');
    EXPECT_FALSE(all.contains(u'\\'));
    EXPECT_FALSE(all.contains(QLatin1String("Arial")));
    EXPECT_TRUE(lines.first().startsWith(QLatin1String("Donnerstag, den  5.11.2026")));
    EXPECT_TRUE(lines.first().contains(QLatin1String("Zeit: 09:05")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Programm: ") + kProgram));
    EXPECT_TRUE(lines.contains(QStringLiteral("Datei: tiere.txt")));
    const qsizetype points = lines.indexOf(QStringLiteral("Du hast   250 Punkte erreicht!"));
    ASSERT_GE(points, 0);
    EXPECT_EQ(doc.paragraphs[points].align, RtfParagraph::Align::Centre);
    EXPECT_EQ(doc.paragraphs[points].runs.first().halfPoints, 36);
    EXPECT_EQ(doc.paragraphs[points].runs.first().fontFamily, QStringLiteral("Arial"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Das ist ein Erfolgsergebnis von 62%!")));
    const RtfParagraph& praise = doc.paragraphs.last();
    EXPECT_EQ(praise.Text(), QStringLiteral("Sehr gut!"));
    EXPECT_TRUE(praise.runs.first().bold);
    EXPECT_EQ(praise.runs.first().halfPoints, 30);

    // A second summary appended after the closing brace is not read.
    WriteResultSummary(kProgram, 0, 3, Context(false));
    EXPECT_EQ(ReadRtf(Read(".rtf")).Lines(), lines);

    QTextDocument text;
    FillTextDocument(text, doc);
    EXPECT_EQ(text.blockCount(), doc.paragraphs.size());
    EXPECT_EQ(text.findBlockByNumber(int(points)).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST(RtfReader, LettersAndDestinations)
{
    const struct {
        const char* rtf;
        QStringList lines;
    } cases[] = {
        {R"({\rtf1 Gr\'fc\'dfe\par })", {"Grüße"}},
        {R"({\rtf1 a\\b\{c\}\tab d\par})", {"a\\b{c}\td"}},
        {R"({\rtf1\uc1 \u8364?uro\par})", {"€uro"}},
        {R"({\rtf1{\*\generator Writer;}{\colortbl;\red255;}{\stylesheet{\s0 Normal;}}Text\par})", {"Text"}},
        {R"({\rtf1 eins\line zwei})", {"eins", "zwei"}},
        {R"({\rtf1 ohne Ende)", {"ohne Ende"}},
        {"{\\rtf1 Zeile\r\nweiter\\par}", {"Zeileweiter"}},
        {"kein RTF\r\nzweite Zeile", {"kein RTF", "zweite Zeile"}},
        {"", {}},
        {"{\\rtf1 \\fs999999999999 x\\b-5 y\\'zz\\'4}", {"xy"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(ReadRtf(QByteArray(c.rtf)).Lines(), c.lines);
    }
    // Deep nesting ends reading instead of growing without bound.
    const QByteArray deep = "{\\rtf1 a" + QByteArray(100000, '{') + "b";
    EXPECT_EQ(ReadRtf(deep).Lines().value(0).left(1), QStringLiteral("a"));
}

} // namespace
