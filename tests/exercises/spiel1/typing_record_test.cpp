// The typing record's rules: what a right or wrong answer appends, and what
// the protocol gets.
#include "exercises/spiel1/typing_record.h"

#include <gtest/gtest.h>

TEST(TypingRecord, RightAnswerAppendsOkUnlessAWrongLetterWasTyped)
{
    QString record;
    AppendRightAnswer(record);
    EXPECT_EQ(record, "-OK-");
    record = QStringLiteral("H[x]und");
    AppendRightAnswer(record);
    EXPECT_EQ(record, "H[x]und");
}

TEST(TypingRecord, WrongAnswerStopsBeforeFiveHundredCharacters)
{
    QString record;
    AppendWrongAnswer(record, QStringLiteral("Hnd"));
    EXPECT_EQ(record, " Hnd; ");
    record = QString(490, u'a');
    AppendWrongAnswer(record, QStringLiteral("Hnd"));  // would be 496
    EXPECT_EQ(record.size(), 496);
    AppendWrongAnswer(record, QStringLiteral("H"));  // would be exactly 500
    EXPECT_EQ(record.size(), 496);
}

TEST(TypingRecord, ProtocolAnswer)
{
    const struct {
        const char* record;
        const char* answer;
    } cases[] = {
        {"-OK-", "-OK-"},
        {"Hund-OK-", "-OK-"},            // letters recorded while typing, no mistake
        {"H[x]und", "H[x]und"},
        {" Hnd; Hund-OK-", " Hnd; Hund-OK-"},
        {"Hu", "Hu"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProtocolAnswer(QString::fromUtf8(c.record)), QString::fromUtf8(c.answer)) << c.record;
}

TEST(TypingRecord, BlankAnswerAndRetryText)
{
    EXPECT_TRUE(IsBlankAnswer(QString()));
    EXPECT_TRUE(IsBlankAnswer(QStringLiteral(" __ _")));
    EXPECT_FALSE(IsBlankAnswer(QStringLiteral("_a_")));
    EXPECT_EQ(RetryText(QStringLiteral("der Hund"), QStringLiteral("Hund")), "    Hund");
    EXPECT_EQ(RetryText(QStringLiteral("der Hund"), QStringLiteral("der Hnd")), "der Hnd");
    EXPECT_EQ(RetryText(QStringLiteral("der Hund"), QStringLiteral("Katze")), "Katze");
}
