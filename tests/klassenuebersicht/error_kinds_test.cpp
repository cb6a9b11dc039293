// The kinds of spelling mistakes on misspellings children write.
#include "klassenuebersicht/error_kinds.h"

#include <gtest/gtest.h>

using K = ErrorKind;

TEST(ErrorKinds, RealMisspellings)
{
    struct Case {
        const char* word;
        const char* attempt;
        QList<ErrorKind> kinds;
    };
    const Case cases[] = {
        // right, also with blanks around
        {"Mama", "Mama", {}},
        {"Hund", " Hund ", {}},
        // final-consonant hardening, and its overcorrection
        {"Hund", "Hunt", {K::FinalHardening}},
        {"Kind", "Kint", {K::FinalHardening}},
        {"gelb", "gelp", {K::FinalHardening}},
        {"Berg", "Berk", {K::FinalHardening}},
        {"Herbst", "Herpst", {K::FinalHardening}},
        {"bunt", "bund", {K::FinalHardening}},
        // doubled consonants missing or added
        {"Schiff", "Schif", {K::DoubledConsonant}},
        {"Mama", "Mamma", {K::DoubledConsonant}},
        {"Sonne", "Sone", {K::DoubledConsonant}},
        {"Hund", "Hunnd", {K::DoubledConsonant}},
        {"Ball", "Bal", {K::DoubledConsonant}},
        // "ie" and long vowels
        {"Liebe", "Libe", {K::LongVowel}},
        {"Tiger", "Tieger", {K::LongVowel}},
        {"Kuh", "Ku", {K::LongVowel}},
        {"Boot", "Bot", {K::LongVowel}},
        {"Meer", "Mer", {K::LongVowel}},
        {"fahren", "faren", {K::LongVowel}},
        // ck and k
        {"Jacke", "Jake", {K::CkK}},
        {"Zucker", "Zukker", {K::CkK}},
        {"Onkel", "Onckel", {K::CkK}},
        // tz and z
        {"Katze", "Kaze", {K::TzZ}},
        {"Katze", "Katse", {K::TzZ}},
        {"Pilz", "Piltz", {K::TzZ}},
        {"Mütze", "Müzze", {K::TzZ}},
        // ß, ss, s
        {"Straße", "Strase", {K::SharpS}},
        {"Straße", "Strasse", {K::SharpS}},
        {"Straße", "Stras", {K::SharpS, K::MissingLetter}},
        {"Wasser", "Waser", {K::SharpS}},
        {"Fuß", "Fus", {K::SharpS}},
        {"Kuss", "Kuß", {K::SharpS}},
        // capital letters
        {"Schiff", "schiff", {K::Capital}},
        {"laufen", "Laufen", {K::Capital}},
        {"Schiff", "schif", {K::Capital, K::DoubledConsonant}},
        // umlauts
        {"Bär", "Baer", {K::Umlaut}},
        {"Bär", "Bar", {K::Umlaut}},
        {"Vögel", "Vogel", {K::Umlaut}},
        {"Bäume", "Beume", {K::Umlaut}},
        {"Tür", "Tuer", {K::Umlaut}},
        // missing, extra, swapped letters
        {"Hund", "Hnd", {K::MissingLetter}},
        {"Blume", "Bume", {K::MissingLetter}},
        {"Hund", "Hundt", {K::ExtraLetter}},
        {"Hund", "Hnud", {K::Swapped}},
        {"Brot", "Bort", {K::Swapped}},
        // b, d, p, q
        {"Hund", "Hunb", {K::MirrorLetters}},
        {"Dach", "Bach", {K::MirrorLetters}},
        {"Puppe", "Quppe", {K::MirrorLetters}},
        {"Bett", "Dett", {K::MirrorLetters}},
        // other letters and several mistakes in one word
        {"Hund", "Hand", {K::OtherLetter}},
        {"Fahrrad", "Farat", {K::LongVowel, K::DoubledConsonant, K::FinalHardening}},
        {"die Katze", "di Kaze", {K::LongVowel, K::TzZ}},
        {"Hund", "", {K::MissingLetter, K::MissingLetter, K::MissingLetter, K::MissingLetter}},
        // attempts cut short at a refused key ("…"): judged against the start
        // of the word they fit, the rest of the word not missing
        {"Hund", "Hunt", {K::FinalHardening}},
        {"der Hund", "der Hunt", {K::FinalHardening}},
        {"Katze", "Kaz…", {K::TzZ}},
        {"Katze", "Kats…", {K::TzZ}},
        {"Liebe", "Lib…", {K::LongVowel}},
        {"Mama", "Mamm…", {K::DoubledConsonant}},
        {"Jacke", "Jak…", {K::CkK}},
        {"Straße", "Stras…", {K::SharpS}},
        {"Bär", "Ba…", {K::Umlaut}},
        {"Schiff", "s…", {K::Capital}},
        {"Dach", "B…", {K::MirrorLetters}},
        {"Hund", "Ha…", {K::OtherLetter}},
        {"Hund", "Hu…", {}},
        {"Hund", "…", {}},
    };
    for (const Case& c : cases) {
        const QList<ErrorKind> got = ErrorKindsOf(QString::fromUtf8(c.word), QString::fromUtf8(c.attempt));
        QStringList names;
        for (ErrorKind k : got)
            names << ErrorKindName(k);
        EXPECT_EQ(got, c.kinds) << c.word << " / " << c.attempt << ": " << names.join(", ").toStdString();
    }
}

TEST(ErrorKinds, LongAndOddInputGivesAnAnswer)
{
    const QString word = QString(5000, u'a');
    EXPECT_FALSE(ErrorKindsOf(word, QString(4000, u'b')).isEmpty());
    EXPECT_EQ(ErrorKindsOf(QString(), QStringLiteral("x")), QList<ErrorKind>{ErrorKind::ExtraLetter});
    for (int k = 0; k < kErrorKindCount; ++k)
        EXPECT_FALSE(ErrorKindName(ErrorKind(k)).isEmpty());
}
