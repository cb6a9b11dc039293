// The memory games played through real input, with clicks and keys that
// arrive while a turn is still being played out.
#include "memory_window_fixture.h"

#include "controls/tdrbutton.h"
#include "support/pupil_input.h"

#include <QLineEdit>

#include <functional>

namespace {

class MemoryInputTest : public MemoryWindowTest {
protected:
    // Runs action once, at the first moment of program time at which
    // when() holds (inside the waits of a turn).
    void Once(std::function<bool()> when, std::function<void()> action)
    {
        clock.OnAdvance([this, when = std::move(when), action = std::move(action)](qint64) {
            if (fired_ || !w || !when())
                return;
            fired_ = true;
            action();
        });
    }
    void ClickCardButton(int card)
    {
        if (tdrbutton* b = w->ButtonHandleByNumber(card))
            pupil::ClickOn(b);
    }
    void ClickAndPlayOut(int card)
    {
        ClickCardButton(card);
        Run(50);
        for (int i = 0; i < 40 && (w->Play().Busy() || w->Play().ComputerPress() != 0); ++i)
            Run(100);
    }
    bool fired_ = false;
};

TEST_F(MemoryInputTest, ClicksAndEnterDuringTheWinWaitKeepTheNewGame)
{
    UseSection(Section::kBildMemory);
    Set("Bilderanzahl", 0);
    Set("Motivation", 1);   // the praise after a won game waits 600 ms
    Open();
    Run(3000);
    for (int pair = 0; pair < 3; ++pair) {
        const auto [a, b] = Cards(true);
        ASSERT_NE(a, 0);
        if (pair == 2)
            Once([this] { return w->Game().AllTaken() && w->Play().Busy(); }, [this, a = a] {
                ClickCardButton(a);
                pupil::PressKey(w.get(), Qt::Key_Return);
            });
        ClickAndPlayOut(a);
        ClickAndPlayOut(b);
    }
    Run(4000);
    EXPECT_TRUE(fired_);
    EXPECT_FALSE(w->Game().AllTaken());
    EXPECT_EQ(w->Game().Score(1), 0);
}

TEST_F(MemoryInputTest, NeuDuringTheComputersTurnStartsANewGame)
{
    UseSection(Section::kBildMemory);
    Set("Bedienung", 3);
    Set("Bilderanzahl", 1);
    Open();
    Run(3000);
    Once([this] { return w->Game().ComputerTurn() && w->Play().Busy(); },
         [this] { pupil::ClickOn(w->ButtonHandleByNumber(Tprog5::kNewGameButton)); });
    const qsizetype textsBefore = w->CardTexts().size();
    for (int turn = 0; turn < 6 && !fired_; ++turn) {
        const auto [a, b] = Cards(false);
        ClickAndPlayOut(a);
        ClickAndPlayOut(b);
    }
    ASSERT_TRUE(fired_);
    Run(4000);
    const QStringList texts = w->CardTexts().mid(textsBefore);
    EXPECT_TRUE(texts.contains(QStringLiteral(" an. "))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(w->Game().FaceUpCards().empty());
    EXPECT_FALSE(w->Play().Busy());
}

TEST_F(MemoryInputTest, OptionsDuringATurnOpenTheDialogWhenTheTurnEnds)
{
    UseSection(Section::kBildMemory);
    Open();
    Run(3000);
    const auto [a, b] = Cards(false);
    Once([this] { return w->Play().Busy(); },
         [this] { pupil::ClickOn(w->ButtonHandleByNumber(Tprog5::kOptions)); });
    ClickAndPlayOut(a);
    Run(3000);
    EXPECT_TRUE(fired_);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Teinstellungen5")});
}

TEST_F(MemoryInputTest, EscapeAsksBeforeLeaving)
{
    for (bool sound : {false, true}) {
        UseSection(sound ? Section::kSoundMemory : Section::kBildMemory);
        questions.clear();
        leaveAnswer = Answer::No;
        Open(sound);
        Run(3000);
        pupil::PressKey(w.get(), Qt::Key_Escape);
        Run(10);
        EXPECT_EQ(questions, QStringList{QStringLiteral("Wirklich verlassen?")});
        EXPECT_FALSE(w->IsTornDown());
        leaveAnswer = Answer::Yes;
        pupil::PressKey(w.get(), Qt::Key_Escape);
        Run(10);
        EXPECT_TRUE(w->IsTornDown());
        w.reset();
    }
}

TEST_F(MemoryInputTest, TwoPlayersAfterTheComputerGiveTheSecondAnEmptyName)
{
    UseSection(Section::kBildMemory);
    Set("Bedienung", 3);
    Open();
    Run(3000);
    ASSERT_EQ(w->NameField(2)->text(), QStringLiteral(" Computer"));
    Set("Bedienung", 1);   // as the settings dialog stores it
    pupil::ClickOn(w->ButtonHandleByNumber(Tprog5::kOptions));
    Run(4000);
    EXPECT_TRUE(w->NameField(2)->isVisible());
    EXPECT_EQ(w->NameField(2)->text(), QString());
}

TEST_F(MemoryInputTest, ChangesMadeAtOnceInTheSettingsDialogStayAfterAbbruch)
{
    UseSection(Section::kBildMemory);
    SetModalHook([](QDialog&) {
        ExerciseSettings().motzahl = 7;
        return int(QDialog::Rejected);
    });
    Open();
    Run(3000);
    pupil::ClickOn(w->ButtonHandleByNumber(Tprog5::kOptions));
    Run(4000);
    EXPECT_EQ(ExerciseSettings().motzahl, 7);
}

} // namespace
