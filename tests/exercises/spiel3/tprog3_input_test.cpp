// The picture exercises played through real input: clicks on the widgets
// under the point, keys to the widget with the focus.
#include "exercises/spiel3/tprog3_fixture.h"

#include "controls/tdrbutton.h"
#include "exercises/spiel4/tprog4.h"
#include "exercises/spiel7/tprog7.h"
#include "support/pupil_input.h"

#include <QCheckBox>

namespace {

class PictureInputTest : public PictureExerciseTest {
protected:
    void ClickButton(int number)
    {
        ASSERT_TRUE(pupil::ClickButton(*w, number));
        Run(50);
    }
    void Press(Qt::Key key)
    {
        pupil::PressKey(w.get(), key);
        Run(50);
    }
    void OpenVariant(int variant)
    {
        if (variant == 4)
            Open<Tprog4>();
        else
            Open<Tprog3>();
    }
};

// After a solved task, whatever the pupil clicks or presses first, the next
// task still comes.
TEST_F(PictureInputTest, ASolvedTaskGoesOnWhateverIsPressedFirst)
{
    enum class First { WordField, OkButton, SamePicture, PlayButton, SpellButton };
    for (int variant : {3, 4})
        for (First first : {First::WordField, First::OkButton, First::SamePicture, First::PlayButton, First::SpellButton}) {
            SCOPED_TRACE(testing::Message() << "exercise " << variant << " first " << int(first));
            Prepare(variant == 4 ? Section::kBildZumTon : Section::kBildZumWort, 3, 2);
            OpenVariant(variant);
            Run(1500);
            const int right = w->RightField();
            ClickButton(right);
            Run(3000);
            ASSERT_TRUE(w->TaskSolved());
            switch (first) {
            case First::WordField: ClickButton(Tprog3::kWordField); break;
            case First::OkButton: ClickButton(T_urahnlrb1::kCheck); break;
            case First::SamePicture: ClickButton(right); break;
            case First::PlayButton: ClickButton(T_urahnlrb1::kPlay); break;
            case First::SpellButton: ClickButton(T_urahnlrb1::kSpell); break;
            }
            Run(1500);
            // Then the keys and clicks a pupil tries next.
            for (int i = 0; i < 3 && w->Position() == 0; ++i) {
                Press(i == 0 ? Qt::Key_Return : Qt::Key_Space);
                Run(700);
            }
            if (w->Position() == 0)
                ClickButton(right == Tprog3::kFirstPicture ? right + 1 : Tprog3::kFirstPicture);
            Run(1500);
            EXPECT_EQ(w->Position(), 1);
            EXPECT_FALSE(w->TaskSolved());
            EXPECT_EQ(w->PendingCommand(), 0);
            w.reset();
        }
}

TEST_F(PictureInputTest, TheOkButtonOfASolvedTaskCarriesOutTheNextTask)
{
    Prepare(Section::kBildZumWort, 3, 2);
    Open();
    Run(1500);
    ClickButton(w->RightField());
    Run(3000);
    ClickButton(T_urahnlrb1::kCheck);
    Run(1500);
    EXPECT_EQ(w->Position(), 1);
}

TEST_F(PictureInputTest, AnEntryWithoutAPictureGoesOnWithTheNextKeyOrClick)
{
    WriteTestList(prog, {"Hund;;;;;Hund", "Katze;8 100xx 11;Bild Katze;;;Katze", "Maus;8 100xx 11;Bild Maus;;;Maus",
                         "Ball;8 100xx 11;Bild Ball;;;Ball"});
    Prepare(Section::kBildZumWort, 3, 1);
    for (bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "key" : "click");
        SetProfileInt(profile, section, "Listenstelle", 0);
        Open();
        Run(1500);
        ASSERT_EQ(w->Position(), 0);
        ASSERT_EQ(w->PendingCommand(), T_urahnlrb1::kNext);
        if (byKey)
            Press(Qt::Key_Return);
        else
            ClickButton(Tprog3::kFirstPicture + 1);
        Run(1500);
        EXPECT_EQ(w->Position(), 1);
        EXPECT_EQ(w->CurrentList()->Entry(0)->Answer(), "");
        Close();
        w.reset();
    }
}

TEST_F(PictureInputTest, EscapeAsksBeforeLeavingEveryPictureExercise)
{
    for (int variant : {3, 4, 7}) {
        SCOPED_TRACE(variant);
        QStringList asked;
        Answer answer = Answer::No;
        SetMessageHook([&](const MessageRequest& m) {
            asked << m.text;
            return answer;
        });
        Prepare(variant == 4 ? Section::kBildZumTon : variant == 7 ? Section::kLesenLernen : Section::kBildZumWort, 3);
        if (variant == 7)
            Open<Tprog7>();
        else
            OpenVariant(variant);
        Run(500);
        Press(Qt::Key_Escape);
        EXPECT_EQ(asked, QStringList{"Wirklich verlassen?"});
        EXPECT_TRUE(w->isVisible());
        answer = Answer::Yes;
        Press(Qt::Key_Escape);
        EXPECT_TRUE(w->IsTornDown());
        w.reset();
    }
}

TEST_F(PictureInputTest, BildZumTonSoundBoxesNeverGiveTheWordAway)
{
    Prepare(Section::kBildZumTon, 3, 3);   // "ohne Schrift": the word is only heard
    Open<Tprog4>();
    Run(1500);
    ASSERT_EQ(w->WordShown(), "???");
    if (w->NoiseBox()->isChecked())
        pupil::ClickOn(w->NoiseBox());
    ASSERT_FALSE(w->NoiseBox()->isChecked());
    ASSERT_TRUE(w->SpeechBox()->isChecked());
    pupil::ClickOn(w->SpeechBox());   // off is not allowed while the noise is off
    Run(100);
    EXPECT_TRUE(w->SpeechBox()->isChecked());
    EXPECT_EQ(ExerciseSettings().mitSound, 3);
    EXPECT_EQ(w->WordShown(), "???");
    pupil::ClickOn(w->NoiseBox());
    pupil::ClickOn(w->SpeechBox());
    Run(100);
    EXPECT_FALSE(w->SpeechBox()->isChecked());
    EXPECT_EQ(ExerciseSettings().mitSound, 3);
    pupil::ClickOn(w->NoiseBox());   // the noise off brings the speech back
    Run(100);
    EXPECT_TRUE(w->SpeechBox()->isChecked());
    EXPECT_EQ(ExerciseSettings().mitSound, 3);
    EXPECT_EQ(w->WordShown(), "???");
}

// The leave question stops every sound; answered "No", spelling out does not
// stand frozen half way (its flag and letter mark go, B204 spells again),
// whether the question came from the end button or from Escape.
TEST_F(PictureInputTest, NoToTheLeaveQuestionLeavesNoSpellingFrozen)
{
    for (const char* letter : {"h", "u", "n", "d"})
        Sound(QStringLiteral("ABC\\w\\%1_").arg(QString::fromLatin1(letter)));
    for (const bool endButton : {true, false}) {
        SCOPED_TRACE(endButton ? "end button" : "Escape");
        Prepare(Section::kBildZumWort, 3, 1);
        Open();
        Run(1500);
        int questions = 0;
        SetMessageHook([&](const MessageRequest&) {
            ++questions;
            return Answer::No;
        });
        ClickButton(T_urahnlrb1::kSpell);
        ASSERT_TRUE(w->SpellingWord());
        ASSERT_GE(w->SpellMark(), 0);
        if (endButton)
            ClickButton(T_urahnlrb1::kEnd);
        else
            Press(Qt::Key_Escape);
        Run(100);
        EXPECT_EQ(questions, 1);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->SpellingWord());
        EXPECT_EQ(w->SpellMark(), -1);
        ClickButton(T_urahnlrb1::kSpell);
        EXPECT_TRUE(w->SpellingWord());
        Run(3000);
        // The exercise goes on as before: a right choice is taken.
        ClickButton(w->RightField());
        Run(3000);
        EXPECT_TRUE(w->TaskSolved());
        w.reset();
    }
}

// A change the settings dialog makes at once stays after "Abbruch".
TEST_F(PictureInputTest, ChangesMadeAtOnceInTheSettingsDialogStayAfterAbbruch)
{
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        Prepare(variant == 4 ? Section::kBildZumTon : Section::kBildZumWort, 3, 2);
        SetModalHook([](QDialog&) {
            ExerciseSettings().motzahl = 7;
            return int(QDialog::Rejected);
        });
        OpenVariant(variant);
        Run(1500);
        ClickButton(T_urahnlrb1::kOptions);
        Run(1500);
        EXPECT_EQ(ExerciseSettings().motzahl, 7);
        w.reset();
    }
}

} // namespace
