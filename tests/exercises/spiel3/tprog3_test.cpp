// The "Bild zum Wort" window on the fake clock and sound device.
#include "exercises/spiel3/tprog3_fixture.h"

#include "controls/tdrbutton.h"
#include "sound/spoken_word.h"

#include <QCheckBox>

TEST_F(PictureExerciseTest, TooShortAListLowersThePictureCountAndStoresIt)
{
    Prepare(Section::kBildZumWort, 2);  // 14 pictures for a list of five
    Open();
    EXPECT_EQ(w->PictureCount(), 4);
    EXPECT_EQ(w->RowLength(), 2);
    EXPECT_EQ(ExerciseSettings().bilderanzahl, 3);
    for (int f = 101; f <= 104; ++f)
        EXPECT_TRUE(w->FieldVisible(f)) << f;
    EXPECT_FALSE(w->FieldVisible(105));
    EXPECT_NE(w->RightField(), 0);
    EXPECT_EQ(w->WordShown(), "Hund");
}

TEST_F(PictureExerciseTest, ThirteenEntriesKeepFourteenFieldsWithOneEmpty)
{
    QStringList words;
    for (int i = 0; i < 13; ++i)
        words << QStringLiteral("Wort%1").arg(i);
    Rows(words);
    Prepare(Section::kBildZumWort, 2);
    Open();
    EXPECT_EQ(w->PictureCount(), 14);
    int empty = 0;
    for (int f = 101; f <= 114; ++f)
        if (w->FieldCaption(f).isEmpty())
            ++empty;
    EXPECT_EQ(empty, 1);
    EXPECT_NE(w->RightField(), 0);
}

TEST_F(PictureExerciseTest, RightChoiceOnTheLastEntryLeadsBackToTheFirst)
{
    Prepare(Section::kBildZumWort, 3);
    Set("Listenstelle", 4);
    Open();
    ASSERT_EQ(w->Position(), 4);
    const int wrong = WrongField();
    Click(wrong);
    EXPECT_FALSE(w->TaskSolved());
    Run(1000);  // the pacing lets the next click through
    Click(w->RightField());
    EXPECT_TRUE(w->TaskSolved());
    EXPECT_TRUE(w->MessageLog().contains("Liste ist zu Ende"));
    EXPECT_EQ(w->PendingCommand(), T_urahnlrb1::kPrevious);
    EXPECT_EQ(w->CurrentEntry()->Answer(), w->FieldCaption(wrong) + "; -OK-");

    // Any click goes on: to the first entry, without "Liste beginnt von vorne".
    Run(1000);
    Click(w->RightField() == 101 ? 102 : 101);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_FALSE(w->TaskSolved());
    EXPECT_EQ(w->WordShown(), "Hund");
    EXPECT_FALSE(w->MessageLog().contains("Liste beginnt von vorne"));
}

TEST_F(PictureExerciseTest, NextAfterTheLastEntryStartsAgainWithAMessage)
{
    Prepare(Section::kBildZumWort, 3);
    Set("Listenstelle", 4);
    Open();
    w->PressButton(T_urahnlrb1::kNext);
    Run(0);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_TRUE(w->MessageLog().contains("Liste beginnt von vorne"));
}

TEST_F(PictureExerciseTest, TwoQuickClicksOnOnePictureCountOnce)
{
    Prepare(Section::kBildZumWort, 3);
    Open();
    const int wrong = WrongField();
    const QString caption = w->FieldCaption(wrong);
    Click(wrong);
    Click(wrong);
    EXPECT_EQ(w->CurrentEntry()->Answer(), caption + "; ");
    // Once the pacing has let the field go (two reminder steps), it counts again.
    Run(1300);
    Click(wrong);
    EXPECT_EQ(w->CurrentEntry()->Answer(), caption + "; " + caption + "; ");
}

TEST_F(PictureExerciseTest, ArrowKeysMoveByTheRowLength)
{
    QStringList words;
    for (int i = 0; i < 14; ++i)
        words << QStringLiteral("Wort%1").arg(i);
    Rows(words);
    Prepare(Section::kBildZumWort, 2);
    Open();
    ASSERT_EQ(w->RowLength(), 4);
    EXPECT_EQ(w->SelectedField(), 101);
    const struct {
        Qt::Key key;
        int selected;
    } steps[] = {{Qt::Key_Down, 105}, {Qt::Key_Right, 106}, {Qt::Key_Down, 110}, {Qt::Key_Down, 114},
                 {Qt::Key_Down, 114}, {Qt::Key_Up, 110},    {Qt::Key_Left, 109}, {Qt::Key_Up, 105},
                 {Qt::Key_Up, 101},   {Qt::Key_Left, 101}};
    for (const auto& s : steps) {
        Key(s.key);
        EXPECT_EQ(w->SelectedField(), s.selected) << s.key;
        EXPECT_EQ(w->Field(s.selected)->Selected(), true) << s.key;
    }
    // Enter takes the selected picture.
    while (w->SelectedField() != w->RightField())
        Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_TRUE(w->TaskSolved());
    EXPECT_EQ(w->CurrentEntry()->Answer(), "-OK-");
}

TEST_F(PictureExerciseTest, SpeaksTheWordAndTheNoiseBeforeIt)
{
    // The noise for the first entry.
    QStringList lines = {"Test", "zweite Zeile", "der Hund;8 100xx 11;Bild Hund;;Sounds\\bellen.wav;der Hund",
                         "Katze;8 100xx 11;Bild Katze;;;Katze", "Maus;8 100xx 11;Bild Maus;;;Maus"};
    prog.Write("listen\\test.txt", EncodeCp1252(lines.join("\r\n") + "\r\n"));
    Prepare(Section::kBildZumWort, 4, 2);
    Set("mitArtikel", 0);
    Open();
    Run(2000);
    // Without the article: the noise, then the noun's recording alone.
    EXPECT_EQ(Played(), (QStringList{"button:bellen", "button:Hund"}));
    w->NoiseBox()->setChecked(false);
    w->PressButton(T_urahnlrb1::kPlay);
    Run(500);
    EXPECT_EQ(Played(), QStringList{"button:Hund"});
}

TEST_F(PictureExerciseTest, ClosingWritesProtocolAndCertificate)
{
    Prepare(Section::kBildZumWort, 3);
    Open();
    const int wrong = WrongField();
    const QString caption = w->FieldCaption(wrong);
    Click(wrong);
    Run(1000);
    Click(w->RightField());
    Close();
    EXPECT_TRUE(w->IsTornDown());
    const QString protocol = Results(".txt");
    EXPECT_TRUE(protocol.contains("Bild zum Wort")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains(caption + "; -OK-")) << protocol.toStdString();
    const QString certificate = Results(".zgn");
    EXPECT_TRUE(certificate.contains("Bild zum Wort")) << certificate.toStdString();
    EXPECT_TRUE(certificate.contains("beim 2. Versuch -OK-")) << certificate.toStdString();
    // The word not right at once is in the error list now.
    EXPECT_TRUE(Results(".fhl").contains("Hund"));
}

TEST_F(PictureExerciseTest, TwoPartWordStartsWithTheNounWithoutItsArticle)
{
    // "eine" counts as an article here, as "der", "die", "das" and "ein" do.
    Sound("pronomen\\eine");
    Sound("sprache\\k\\Kuh");
    WordEntry entry;
    entry.Field(FieldWritten) = "eine Kuh";
    SpokenWordChain chain({Tprog3::kWordField, Tprog3::kWordField, LeadingArticleFiles(), true});
    EXPECT_TRUE(chain.Begin(entry, false, false).file.endsWith("Kuh.wav"));
    EXPECT_TRUE(chain.Begin(entry, false, true).file.endsWith("eine.wav"));
    // After the noise the recordings follow, after the pause.
    entry.Field(FieldNoise) = "Sounds\\bellen.wav";
    EXPECT_EQ(chain.Begin(entry, true, false).file, "Sounds\\bellen.wav");
    const ChainPlay next = chain.Finished(Tprog3::kWordField, &entry, true, false, 3);
    EXPECT_TRUE(next.file.endsWith("Kuh.wav"));
    EXPECT_EQ(next.pauseMs, 300);
}
