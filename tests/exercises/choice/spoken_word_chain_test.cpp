// The spoken word of a choice task: noise, speech and the recordings of the
// word with and without the article.
#include "data/path_helpers.h"
#include "data/word_list.h"
#include "exercises/choice/spoken_word_chain.h"
#include "sound/spoken_word.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

class SpokenWordChainTest : public ::testing::Test {
protected:
    TempProgram program;
    WordEntry hund;
    SpokenWordChain chain{{100, 101, DefiniteArticleFiles()}};

    void SetUp() override
    {
        for (const char* f : {"sprache/h/Hund.wav", "pronomen/der.wav", "pronomen/eine.wav", "sprache/m/Maus.wav",
                              "Artikel/der.wav", "Sounds/Hund der.wav", "Sounds/bellen.wav"})
            program.Write(QString::fromLatin1(f), "x");
        hund.Field(FieldWritten) = hund.Field(FieldWord) = QStringLiteral("der Hund");
        hund.Field(FieldSpeech) = QStringLiteral("Sounds\\Hund der.wav");
        hund.Field(FieldNoise) = QStringLiteral("Sounds\\bellen.wav");
        hund.slots[FieldSpeech] = QStringLiteral("speech-control");
    }
    // What plays until the chain is through, as "button:file name".
    QStringList Run(ChainPlay play, bool speechOn, bool mitArtikel)
    {
        QStringList played;
        while (play.Valid()) {
            played << QStringLiteral("%1:%2").arg(play.button).arg(FileNamePart(play.file));
            play = chain.Finished(play.button, &hund, speechOn, mitArtikel, 3);
        }
        return played;
    }
};

TEST_F(SpokenWordChainTest, ArticleOffPlaysTheNounOnlyAndOnPlaysBoth)
{
    EXPECT_EQ(Run(chain.Begin(hund, false, false), true, false), (QStringList{"101:Hund.wav"}));
    EXPECT_EQ(Run(chain.Begin(hund, false, true), true, true), (QStringList{"101:der.wav", "101:Hund.wav"}));
    // Only the definite articles are skipped here.
    hund.Field(FieldWritten) = QStringLiteral("eine Maus");
    EXPECT_EQ(Run(chain.Begin(hund, false, false), true, false), (QStringList{"101:eine.wav", "101:Maus.wav"}));
}

TEST_F(SpokenWordChainTest, NoiseThenSpeech)
{
    // Article off: the entry's recording after the noise.
    EXPECT_EQ(chain.Begin(hund, true, false).button, 100);
    EXPECT_EQ(chain.SoundNumber(), 1);
    ChainPlay speech = chain.Finished(100, &hund, true, false, 3);
    EXPECT_EQ(speech.button, 100);
    EXPECT_EQ(FileNamePart(speech.file), "Hund der.wav");
    EXPECT_EQ(speech.controlString, "speech-control");
    EXPECT_EQ(speech.pauseMs, 300);
    EXPECT_EQ(Run(chain.Begin(hund, true, false), true, false), (QStringList{"100:bellen.wav", "100:Hund der.wav"}));

    // Article on: the article alone, then the noun after it.
    EXPECT_EQ(Run(chain.Begin(hund, true, true), true, true),
              (QStringList{"100:bellen.wav", "101:der.wav", "101:Hund.wav"}));
    EXPECT_TRUE(chain.Begin(hund, true, true).file.contains(QStringLiteral("bellen")));
    EXPECT_EQ(chain.Finished(100, &hund, true, true, 3).file, "Artikel\\der.wav");

    // Speech off: the noise alone.
    EXPECT_EQ(Run(chain.Begin(hund, true, true), false, true), (QStringList{"100:bellen.wav"}));
}

TEST_F(SpokenWordChainTest, StopEndsTheChain)
{
    const ChainPlay first = chain.Begin(hund, false, true);
    chain.Stop();
    EXPECT_FALSE(chain.Finished(first.button, &hund, true, true, 3).Valid());
}

} // namespace
