#include "framework/certificate_data.h"

#include "platform/text_codec.h"
#include "results_fixture.h"

namespace {

using CertificateDataTest = ResultsTest;

TEST(CertificateVerdict, FromAnswerRecords)
{
    struct Case {
        const char* record;
        const char* verdict;
    };
    const Case cases[] = {
        {"-OK-", "-OK-"},
        {"[Hu]nd -OK-", "wiederholen"},
        {"Hnud; -OK-", "beim 2. Versuch -OK-"},
        {"Hnud; Hudn; -OK-", "nochmal üben"},
        {"Hnud; Hudn", "nochmal üben"},
        {"Hnud", "nochmal üben"},
        {"[H]; -OK-", "beim 2. Versuch -OK-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CertificateVerdict(QString::fromUtf8(c.record)), QString::fromUtf8(c.verdict)) << c.record;
}

TEST_F(CertificateDataTest, BlocksOfVerdicts)
{
    AnswerLists a;
    a.AddListMarker(QStringLiteral("Fehlerliste von Anna"));
    a.AddAnswer(QStringLiteral("-OK-"), QStringLiteral("Hund"));
    a.AddAnswer(QStringLiteral("Hnud; Hudn"), QStringLiteral("Eichhörnchenfutter20"));
    WriteCertificateData(QStringLiteral("Bild zum Wort"), a, Context());
    WriteCertificateData(QStringLiteral("Bild zum Wort"), a, Context());
    WriteCertificateData(QStringLiteral("Bild zum Wort"), a, Context(false));
    const QString rows = QStringLiteral("----------------------------------------------------------------\r\n"
                                        "\r\n"
                                        "Datei: tiere.txt\r\n"
                                        "------------------------------------------\r\n"
                                        "Hund                 = -OK-\r\n"
                                        "Eichhörnchenfutter20 = nochmal üben\r\n");
    const QString header = QStringLiteral("Donnerstag, den  5.11.2026 \r\n"
                                          "Programm: Bild zum Wort     Zeit: 09:05\r\n");
    EXPECT_EQ(DecodeCp1252(Read(".zgn")),
              header + rows + QString(64, u'-') + QStringLiteral("\r\n") + header + rows + rows);
}

} // namespace
