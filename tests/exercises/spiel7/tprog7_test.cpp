// The "Lesen lernen" window.
#include "exercises/spiel3/tprog3_fixture.h"
#include "exercises/spiel7/tprog7.h"

#include "controls/tdrbutton.h"
#include "support/pupil_input.h"

namespace {

// A recording at 44.1 kHz: the article, 40 ms of silence, the noun; the first
// sample is the id.
QByteArray ArticlePauseNoun(qint16 id)
{
    const int rate = 44100;
    std::vector<qint16> s = wavbytes::Noise(rate * 3 / 10);
    s.resize(s.size() + size_t(rate * 4 / 100), 0);
    const auto noun = wavbytes::Noise(rate / 2);
    s.insert(s.end(), noun.begin(), noun.end());
    s[0] = id;
    return wavbytes::Wav(1, rate, 16, wavbytes::Samples16(s));
}

} // namespace

TEST_F(PictureExerciseTest, PicturesFollowTheListAndWrapAround)
{
    Prepare(Section::kLesenLernen, 3);  // four pictures
    Set("Listenstelle", 3);
    Tprog7& r = Open<Tprog7>();
    Q_UNUSED(r);
    ASSERT_EQ(w->PictureCount(), 4);
    EXPECT_EQ(w->SlotOfField(101), 3);
    EXPECT_EQ(w->SlotOfField(102), 4);
    EXPECT_EQ(w->SlotOfField(103), 0);
    EXPECT_EQ(w->SlotOfField(104), 1);
    EXPECT_EQ(w->WordShown(), "Ball");
}

TEST_F(PictureExerciseTest, EveryClickIsRecordedForTheEntryThatWasCurrent)
{
    Prepare(Section::kLesenLernen, 3);
    Open<Tprog7>();
    tmoiel* list = w->CurrentList();
    Click(101);
    Run(1000);
    Click(101);
    EXPECT_EQ(list->Entry(0)->Answer(), "Hund; -OK-Hund; -OK-");
    Run(1000);
    Click(103);  // Maus: its word stays with Hund, Maus becomes current
    EXPECT_EQ(list->Entry(0)->Answer(), "Hund; -OK-Hund; -OK-Maus; ");
    EXPECT_EQ(list->Entry(2)->Answer(), "-OK-");
    EXPECT_EQ(w->Position(), 2);
    EXPECT_EQ(w->WordShown(), "Maus");
}

TEST_F(PictureExerciseTest, RecordingWithItsArticleBehindPlaysFromThePause)
{
    prog.Write("Sounds\\Hund der.wav", ArticlePauseNoun(2001));
    Name(2001, "Hund der");
    // Without a pause the search gives frame 2048, beyond this file's 100 ms: played whole.
    Sound("Sounds\\Maus die");
    Rows({"Hund", "Katze", "Maus", "Ball"}, {"Sounds\\Hund der.wav", "", "Sounds\\Maus die.wav"});
    Prepare(Section::kLesenLernen, 3, 2);
    Set("mitArtikel", 0);
    Tprog7& r = Open<Tprog7>();
    Run(1000);
    ASSERT_EQ(w->FieldCaption(101), "Hund");
    ASSERT_EQ(w->FieldCaption(103), "Maus");
    Played();
    Click(103);
    Run(500);
    EXPECT_TRUE(r.LastPlayedWhole());
    EXPECT_EQ(Played(), QStringList{"button:Maus die"});
    Run(1000);
    Click(101);  // the pictures stay: Hund is still the first
    Run(100);
    EXPECT_FALSE(r.LastPlayedWhole());
    EXPECT_GT(r.LastRangeFrom(), 300);
    EXPECT_LT(r.LastRangeFrom(), 340);
    // The part begins after the article, so its first sample names no file.
    EXPECT_EQ(Played(), QStringList{"range:?"});
}

TEST_F(PictureExerciseTest, LesenLernenWritesTheCertificateButNoProtocol)
{
    Prepare(Section::kLesenLernen, 3);
    Open<Tprog7>();
    Click(102);
    Close();
    EXPECT_FALSE(Results(".txt").contains("Lesen lernen"));
    const QString certificate = Results(".zgn");
    EXPECT_TRUE(certificate.contains("Lesen lernen")) << certificate.toStdString();
}

TEST_F(PictureExerciseTest, LesenLernenClicksAreNeverJudged)
{
    Prepare(Section::kLesenLernen, 3);
    Open<Tprog7>();
    Click(102);
    Run(1000);
    Click(103);
    Run(1000);
    Click(101);
    Close();
    const QString certificate = Results(".zgn");
    EXPECT_FALSE(certificate.contains(QString::fromUtf8("nochmal üben"))) << certificate.toStdString();
    EXPECT_TRUE(certificate.contains("Hund")) << certificate.toStdString();
    EXPECT_TRUE(certificate.contains("-OK-")) << certificate.toStdString();
    const QString errors = Results(".fhl");
    for (const char* word : {"Hund", "Katze", "Maus"})
        EXPECT_FALSE(errors.contains(QString::fromLatin1(word))) << word;
}

TEST_F(PictureExerciseTest, LesenLernenFrameFollowsTheWordAfterTheArrowButtons)
{
    Prepare(Section::kLesenLernen, 3);
    Open<Tprog7>();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_EQ(w->SelectedField(), 103);
    for (int button : {T_urahnlrb1::kNext, T_urahnlrb1::kPrevious}) {
        tdrbutton* b = w->ButtonHandleByNumber(button);
        ASSERT_NE(b, nullptr);
        pupil::ClickOn(b);
        Run(1500);
        EXPECT_EQ(w->SelectedField(), 101) << button;
        EXPECT_TRUE(w->Field(101)->Selected()) << button;
        EXPECT_FALSE(w->Field(103)->Selected()) << button;
        EXPECT_EQ(w->WordShown(), w->FieldCaption(101)) << button;
    }
}

TEST_F(PictureExerciseTest, LesenLernenWithArticlePlaysTheEntrysOwnRecording)
{
    Rows({"Hund", "Katze", "Maus", "Ball", "Baum"}, {"", "Sounds\\bellen.wav"});
    Prepare(Section::kLesenLernen, 3, 2);
    Set("mitArtikel", 1);
    Open<Tprog7>();
    Run(1000);
    Played();
    Click(102);   // Katze, whose speech field names another recording
    Run(1000);
    const QStringList played = Played();
    EXPECT_TRUE(played.contains("button:bellen")) << played.join(u',').toStdString();
    EXPECT_FALSE(played.contains("button:Katze")) << played.join(u',').toStdString();
}
