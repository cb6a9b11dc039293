// Exercise 2 played through real input: clicks on the fields, keys to the
// widget with the focus, spelling a word out.
#include "tprog2_fixture.h"

#include "controls/tdrbutton.h"
#include "support/pupil_input.h"

namespace {

class Exercise2InputTest : public Exercise2Test {
protected:
    void ClickField(int number)
    {
        ASSERT_TRUE(pupil::ClickButton(*w, number));
        Run(50);
    }
    void Press(Qt::Key key)
    {
        pupil::PressKey(w.get(), key);
        Run(50);
    }
};

TEST_F(Exercise2InputTest, SpellingOutSaysEveryLetterOnceWhenALetterOutlastsThePause)
{
    // Letters of 100 ms each and no spelling pause.
    for (const char* letter : {"d", "e", "r", "h", "u", "n"}) {
        Sound(QStringLiteral("ABC\\w\\%1_").arg(QString::fromLatin1(letter)));
        Sound(QStringLiteral("ABC\\Lautiert\\%1_").arg(QString::fromLatin1(letter)));
    }
    Set("Buchstabierpause", 0);
    Open();
    Run(2000);
    Played();
    ClickField(T_urahnlrb1::kSpell);
    Run(5000);
    QStringList letters;
    for (const QString& p : Played())
        if (p.endsWith(u'_'))
            letters << p.section(u':', 1).chopped(1).toLower();
    EXPECT_EQ(letters.join(QString()), "derhund");
}

TEST_F(Exercise2InputTest, AfterAClickOnAFieldTheKeysStillReachTheExercise)
{
    Open();
    Run(2000);
    const int wrong = WrongField();
    ClickField(wrong);
    Run(2000);
    ClickField(Tprog2::kPicture);
    Run(500);
    EXPECT_FALSE(w->TaskSolved());
    // Neither a field nor the picture keeps the focus: the arrows move the
    // selection and Enter takes it.
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Up);
    EXPECT_EQ(w->SelectedField(), Tprog2::kFirstWord);
    for (int i = 0; i < 6 && w->SelectedField() != w->RightField(); ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    Run(3000);
    EXPECT_TRUE(w->TaskSolved());
    Press(Qt::Key_Space);
    Run(1000);
    EXPECT_EQ(w->Position(), 1);
}

TEST_F(Exercise2InputTest, TabToAButtonDoesNotTakeTheKeysAway)
{
    Open();
    Run(2000);
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Tab);
    const int before = w->Position();
    for (int i = 0; i < 6 && w->SelectedField() != w->RightField(); ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    Run(3000);
    EXPECT_TRUE(w->TaskSolved());
    EXPECT_EQ(w->Position(), before);
}

TEST_F(Exercise2InputTest, OptionsAfterASolvedTaskGoOnToTheNextTask)
{
    for (bool uncover : {false, true}) {
        SCOPED_TRACE(uncover ? "uncovering" : "normal");
        int dialogs = 0;
        SetModalHook([&dialogs](QDialog&) {
            ++dialogs;
            return int(QDialog::Rejected);
        });
        Open(uncover);
        Run(2000);
        ClickField(w->RightField());
        Run(3000);
        ASSERT_TRUE(w->TaskSolved());
        pupil::ClickOn(w->findChild<tdrbutton*>("useropt"));
        Run(2000);
        EXPECT_EQ(dialogs, 1);
        // The solved task is not offered again to be solved (and scored) twice.
        EXPECT_EQ(w->Position(), 1);
        EXPECT_FALSE(w->TaskSolved());
        w.reset();
    }
}

TEST_F(Exercise2InputTest, ChangesMadeAtOnceInTheSettingsDialogStayAfterAbbruch)
{
    SetModalHook([](QDialog&) {
        ExerciseSettings().motzahl = 7;
        return int(QDialog::Rejected);
    });
    Open();
    Run(2000);
    pupil::ClickOn(w->findChild<tdrbutton*>("useropt"));
    Run(2000);
    EXPECT_EQ(ExerciseSettings().motzahl, 7);
}

// Hearing the word again or opening the help after a solved task keeps the
// next task: Enter then brings it.
TEST_F(Exercise2InputTest, PlayOrHelpAfterASolvedTaskKeepsTheNextTask)
{
    for (const char* button : {"play", "userhelp"}) {
        SCOPED_TRACE(button);
        Set("Listenstelle", 0);
        Open();
        Run(2000);
        ClickField(w->RightField());
        Run(3000);
        ASSERT_TRUE(w->TaskSolved());
        if (QLatin1String(button) == QLatin1String("play"))
            ClickField(T_urahnlrb1::kPlay);
        else
            pupil::ClickOn(w->findChild<tdrbutton*>(QString::fromLatin1(button)));
        Run(1000);
        Press(Qt::Key_Return);
        Run(2000);
        EXPECT_EQ(w->Position(), 1);
        w.reset();
    }
}

} // namespace
