// Exercise 1 never leaves the pupil stuck: clicks carry out the step that
// waits, the rescue picture and the number box lead where the pupil means,
// the list end goes back to the start, entries without a word move on, and a
// sound that cannot be played ends the spelling out.
#include "tprog1_fixture.h"

#include "controls/tdrbutton.h"
#include "exercises/spiel1/rescue_picture.h"
#include "dialogs/tf_opendialog.h"
#include "framework/number_box.h"
#include "support/pupil_input.h"

#include <QFile>

namespace {

class Exercise1FlowTest : public Exercise1Test {
protected:
    void SetUp() override
    {
        Exercise1Test::SetUp();
        Set("Motivation", 2);
    }
    // The last entry answered: " Liste ist zu Ende! ", the first entry waits.
    void AnswerTheLastEntry()
    {
        Set("Listenstelle", 2);
        Open();
        Type("Ball");
        Run(3000);
        ASSERT_TRUE(w->ListEnd());
    }
    void HoldRescuePicture()
    {
        QTest::mousePress(w->Rescue(), Qt::LeftButton);
        QTest::mouseRelease(w->Rescue(), Qt::LeftButton);
    }
    // Types into the number box and leaves it for the editor.
    void NumberBox(const QString& typed)
    {
        TNumberBox* box = w->NumberBox();
        box->setFocus();
        Run(0);
        if (!typed.isEmpty()) {
            box->selectAll();
            QTest::keyClicks(box, typed);
        }
        w->Editor()->setFocus();
        Run(100);
    }
};

TEST_F(Exercise1FlowTest, ClickOnPictureWordOrListNameCarriesOutTheWaitingStep)
{
    const struct {
        const char* name;
        int number;
    } buttons[] = {{"picture", Tprog1::kPicture}, {"word display", Tprog1::kWordDisplay},
                   {"list name", T_urahnlrb1::kListName}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        AnswerTheLastEntry();
        QTest::mouseClick(w->ButtonHandleByNumber(b.number), Qt::LeftButton);
        Run(100);
        EXPECT_EQ(w->Position(), 0);
        EXPECT_EQ(WordShown(), "der Hund");
        EXPECT_FALSE(w->ListEnd());
        w.reset();
    }
}

TEST_F(Exercise1FlowTest, RescuePictureDuringTasteDoesNotBringTheWordBack)
{
    Open();
    onTaste = [this] { HoldRescuePicture(); };
    Type("der Hund");
    Run(3000);
    EXPECT_EQ(keysForTaste, 1);
    EXPECT_FALSE(w->WaitingForKey());
    EXPECT_EQ(w->Position(), 1);
    EXPECT_EQ(WordShown(), "die Katze");
    EXPECT_FALSE(w->SolutionShown());
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung.emf"));
}

TEST_F(Exercise1FlowTest, NumberBoxGoesToTheEntryTypedAndLeavingItUnchangedKeepsTheLetters)
{
    Open();
    HoldRescuePicture();
    Run(700);
    ASSERT_TRUE(w->SolutionShown());
    NumberBox("3");
    EXPECT_EQ(w->Position(), 2);
    EXPECT_EQ(WordShown(), "Ball");
    EXPECT_FALSE(w->SolutionShown());
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung.emf"));

    Type("Ba");
    NumberBox(QString());
    EXPECT_EQ(w->Position(), 2);
    EXPECT_EQ(Line(), "Ba__");
}

TEST_F(Exercise1FlowTest, AtTheListEndTheNumberBoxShowsTheEntryAndNextGoesToTheFirst)
{
    AnswerTheLastEntry();
    EXPECT_EQ(WordShown(), "Ball");
    EXPECT_EQ(w->NumberBox()->text(), "3");
    Press(T_urahnlrb1::kNext);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_EQ(WordShown(), "der Hund");
    EXPECT_EQ(w->NumberBox()->text(), "1");
    w.reset();

    // Leaving at the list end: the next start begins with the first entry.
    AnswerTheLastEntry();
    w->RequestLeave();
    EXPECT_EQ(Ini::ReadInt(profile, section, "Listenstelle", -1), 0);
}

TEST_F(Exercise1FlowTest, EntryWithoutAWordMovesOnWithEveryMitSound)
{
    List({";8 100xx 11;Bild;;;", "Ball;8 100xx 11;Ballbild;;;Ball"});
    for (const int mitSound : {0, 1, 2, 3, 7, 8, 9}) {
        SCOPED_TRACE(mitSound);
        Set("Mit Sound", mitSound);
        Open();
        EXPECT_EQ(Line(), "Wort fehlt");
        Type(" ");
        EXPECT_EQ(w->Position(), 1);
        EXPECT_EQ(WordShown(), "Ball");
        w.reset();
    }
}

// The unit under the cursor has no recording, or a broken one: spelling out
// ends at once, the word display drops its spelled mark and typed letters
// are said again (Tippton 2).
TEST_F(Exercise1FlowTest, UnplayableUnitEndsTheSpellingOut)
{
    Set("Textvorgabe", 1);
    Set("mitArtikel", 0);
    Set("Blinken", 2);
    Set("Tippton", 2);
    Set("Buchstabieren", 2);
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing" : "broken");
        if (missing)
            QFile::remove(prog.Path("ABC/w/u_.wav"));
        else
            prog.Write("ABC\\w\\u_.wav", "kein Ton");
        Open();
        Type("H");
        Played();
        Press(T_urahnlrb1::kSpell);
        Run(500);
        EXPECT_FALSE(w->SpellingOutWord());
        Type("un");
        EXPECT_TRUE(Played().contains("simple:n_"));
        w.reset();
    }
}

} // namespace

namespace {

TEST_F(Exercise1FlowTest, TheFirstWordOfANewListIsSpoken)
{
    WriteTestList(prog, {"der Hund;8 100xx 11;Hundebild;Sounds\\Hund der.wav;;der Hund"});
    prog.Write("listen\\katzen.txt", EncodeCp1252(QStringLiteral("Katzen\r\nzweite Zeile\r\ndie Katze;8 100xx 11;Katzenbild;;;die Katze\r\n")));
    Set("Mit Sound", 2);
    SetModalHook([this](QDialog& d) {
        auto* chooser = qobject_cast<TF_opendialog*>(&d);
        if (!chooser)
            return int(QDialog::Rejected);
        chooser->chosenFile = prog.Path("listen/katzen.txt");
        return int(TF_opendialog::Opened);
    });
    Open();
    Run(3000);
    Played();
    pupil::ClickOn(w->ButtonHandleByNumber(T_urahnlrb1::kChooseList));
    Run(3000);
    EXPECT_EQ(w->CurrentEntry()->Field(FieldWord), "die Katze");
    const QStringList played = Played();
    EXPECT_TRUE(played.join(u',').contains("Katze")) << played.join(u',').toStdString();
}

} // namespace

namespace {

// "Optionen" left with "Abbruch" keeps the task as it was: the letters typed
// so far, the entry, and the voice chosen in the dialog (it acts at once).
TEST_F(Exercise1FlowTest, SettingsLeftWithAbbruchKeepTheLettersTyped)
{
    Set("Stimme", 0);
    Open();
    Type("der H");
    const QString typed = Line();
    ASSERT_TRUE(typed.startsWith("der H")) << typed.toStdString();
    SetModalHook([](QDialog&) {
        ExerciseSettings().stimme = 2;
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(pupil::ClickButton(*w, T_urahnlrb1::kOptions));
    Run(1000);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_EQ(Line(), typed);
    EXPECT_EQ(w->Typing().Settings().stimme, 2);
    Type("und");
    Run(3000);
    EXPECT_EQ(w->Position(), 1);
}

} // namespace
