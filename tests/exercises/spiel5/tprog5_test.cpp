// The memory windows on the fake clock and sound device: showing and
// dealing, turning with the flip, speaking, keys, whole games alone, with
// two players and against the computer, the settings dialog and leaving;
// the sound memory's own rules.
#include "exercises/spiel5/memory_window_fixture.h"

#include "controls/tdrbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

TEST_F(MemoryWindowTest, ShowsTheDealtCardsWithOnePictureLoadPerFile)
{
    UseSection(Section::kBildMemory);
    Set("Bilderanzahl", 4);
    Set("Bedienung", 0);
    Open();
    // Six entries: 2 x 6 = 12 cards whatever Bilderanzahl asks for.
    EXPECT_EQ(w->Game().Layout().count, 12);
    for (int n = 100; n <= 131; ++n)
        EXPECT_EQ(w->CardButton(n)->isVisible(), n <= 111) << n;
    EXPECT_EQ(w->Game().Selected(), 101);
    EXPECT_EQ(w->PictureLoads(), 6);
    EXPECT_EQ(w->CaptionLabel()->text(), QStringLiteral("Bildmemory"));
    EXPECT_TRUE(w->SpeechBox()->isChecked());
    EXPECT_FALSE(w->ScoreLabel(2)->isVisible());
    EXPECT_EQ(w->TurnTexts(), QStringList{QStringLiteral(" Maus und Tastatur ")});
    // Cards lie inside the card area, apart and square.
    const QRect a = w->CardButton(100)->geometry(), b = w->CardButton(101)->geometry();
    EXPECT_EQ(a.width(), a.height() + 1);
    EXPECT_FALSE(a.intersects(b));
}

TEST_F(MemoryWindowTest, WithoutSoundTheBoxesAreDisabledAndNothingSpeaks)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 0);
    Open();
    EXPECT_FALSE(w->SpeechBox()->isEnabled());
    EXPECT_FALSE(w->NoiseBox()->isEnabled());
    Click(Cards(false).first);
    EXPECT_TRUE(Played().isEmpty());
}

TEST_F(MemoryWindowTest, TurningSpeaksTheNounWithoutItsArticleAndFlipsOnce)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 2);
    Open();
    const int card = Cards(false).first;
    const QString noun = w->Game().Card(card)->caption;
    tdrbutton* b = w->CardButton(card);
    const int rendersBefore = b->FaceRenderCount();
    const qint64 start = clock.NowMs();
    w->ClickCard(card);
    Run(0);
    EXPECT_EQ(StateOf(card), CardState::FaceUp);
    EXPECT_GE(clock.NowMs() - start, 2 * CardFlip::kHalfMs);
    EXPECT_EQ(w->Game().Selected(), card);
    Run(300);
    EXPECT_EQ(Played(), QStringList{noun});
    // The face was rendered once for the flip and is copied afterwards.
    EXPECT_LE(b->FaceRenderCount(), rendersBefore + 1);
    b->repaint();
    EXPECT_LE(b->FaceRenderCount(), rendersBefore + 1);
}

TEST_F(MemoryWindowTest, WithArticleTheArticleIsSpokenFirst)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 2);
    Set("mitArtikel", 1);
    Open();
    const int card = Cards(false).first;
    Click(card);
    Run(400);
    const QStringList played = Played();
    ASSERT_EQ(played.size(), 2);
    EXPECT_TRUE(played[0] == QStringLiteral("der") || played[0] == QStringLiteral("die"));
}

TEST_F(MemoryWindowTest, NoiseBoxPlaysTheEntrysNoise)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 2);
    Open();
    w->NoiseBox()->setChecked(true);
    const int card = Cards(false).first;
    Click(card);
    Run(200);
    EXPECT_EQ(Played(), QStringList{w->Game().Card(card)->caption + QStringLiteral(" laut")});
}

TEST_F(MemoryWindowTest, RightClickSpeaksAFaceUpSelectedCardWithMitSound1)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 1);
    Open();
    const int card = Cards(false).first;
    Click(card);
    Run(200);
    EXPECT_TRUE(Played().isEmpty());
    w->RightClickCard(card);
    Run(200);
    EXPECT_EQ(Played(), QStringList{w->Game().Card(card)->caption});
    // A face-down card says nothing.
    const int other = Cards(false).second;
    w->RightClickCard(other);
    Run(200);
    EXPECT_TRUE(Played().isEmpty());
}

TEST_F(MemoryWindowTest, ClickDuringTheFlipIsNotKeptForLater)
{
    UseSection(Section::kBildMemory);
    Set("Mit Sound", 2);
    Open();
    // Plain names: the lambda below uses them, which older compilers refuse
    // for structured bindings.
    const auto cards = Cards(false);
    const int a = cards.first, b = cards.second;
    bool clicked = false;
    clock.OnAdvance([&](qint64) {
        if (!clicked && w && w->Flip().Card() == a) {
            clicked = true;
            w->ClickCard(b);
        }
    });
    Click(a);
    Run(500);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(StateOf(a), CardState::FaceUp);
    EXPECT_EQ(StateOf(b), CardState::FaceDown);
}

TEST_F(MemoryWindowTest, ArrowKeysMoveTheSelectionWithinTheCardsAndEnterTurns)
{
    UseSection(Section::kBildMemory);
    Set("Bilderanzahl", 1);
    Open();
    ASSERT_EQ(w->Game().Layout().columns, 4);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(w->Game().Selected(), 100);
    Key(Qt::Key_Down);
    EXPECT_EQ(w->Game().Selected(), 104);
    for (int i = 0; i < 4; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(w->Game().Selected(), 111);
    Key(Qt::Key_Right);
    EXPECT_EQ(w->Game().Selected(), 111);
    Key(Qt::Key_Return);
    for (int i = 0; i < 10 && w->Play().Busy(); ++i)
        Run(100);
    EXPECT_EQ(StateOf(111), CardState::FaceUp);
}

TEST_F(MemoryWindowTest, TwoPlayersShareTheTurnsAndTheScores)
{
    UseSection(Section::kBildMemory);
    Set("Bedienung", 1);
    Open();
    EXPECT_TRUE(w->ScoreLabel(2)->isVisible());
    EXPECT_EQ(w->TurnText(), QStringLiteral(" Maus                           "));
    auto [a, b] = Cards(false);
    Click(a);
    Click(b);
    Run(200);
    EXPECT_EQ(StateOf(a), CardState::FaceDown);
    EXPECT_FALSE(w->Game().PlayerOneTurn());
    EXPECT_EQ(w->TurnText(), QStringLiteral("                   Tastatur "));
    std::tie(a, b) = Cards(true);
    Click(a);
    Click(b);
    EXPECT_EQ(w->Game().Score(2), 1);
    EXPECT_EQ(w->ScoreLabel(2)->text(), QStringLiteral("1"));
    EXPECT_FALSE(w->Game().PlayerOneTurn());
}

TEST_F(MemoryWindowTest, GameAloneToTheEndStartsTheNextWithItsWords)
{
    UseSection(Section::kBildMemory);
    Set("Bilderanzahl", 0);
    Set("Motivation", 0);
    Set("Motzahl", 2);
    Open();
    ASSERT_EQ(w->Game().Layout().count, 6);
    // A mismatch stays open and is closed by the next click.
    auto [x, y] = Cards(false);
    Click(x);
    Click(y);
    EXPECT_EQ(StateOf(y), CardState::FaceUp);
    for (int pair = 0; pair < 3; ++pair) {
        const auto [a, b] = Cards(true);
        ASSERT_NE(a, 0);
        Click(a);
        Click(b);
        if (pair < 2)
            EXPECT_EQ(w->Game().Score(1), pair + 1);
    }
    Run(3000);
    // The praise came after the second pair; then the next game's words.
    EXPECT_TRUE(w->CardTexts().contains(QStringLiteral("Super")) || w->CardTexts().contains(QStringLiteral("Toll")));
    EXPECT_EQ(w->CardTexts().mid(w->CardTexts().size() - 3),
              (QStringList{QStringLiteral(" Neues "), QStringLiteral(" Spiel "), QStringLiteral(" beginnt ")}));
    EXPECT_EQ(w->Game().Score(1), 0);
    EXPECT_TRUE(w->Game().FaceUpCards().empty());
    EXPECT_FALSE(w->Game().AllTaken());
}

TEST_F(MemoryWindowTest, WholeGameAgainstTheComputer)
{
    UseSection(Section::kBildMemory);
    Set("Bedienung", 3);
    Set("Bilderanzahl", 1);
    Set("Mit Sound", 2);
    Open();
    ASSERT_EQ(w->Game().Layout().count, 12);
    EXPECT_EQ(w->NameField(2)->text(), QStringLiteral(" Computer"));
    bool computerPlayed = false;
    for (int turn = 0; turn < 60 && !w->CardTexts().contains(QStringLiteral(" an. ")); ++turn) {
        ASSERT_TRUE(w->Game().PlayerOneTurn()) << "the computer's turn ended with the pupil's";
        // The pupil misses whenever two different cards are left.
        const auto [a, b] = Cards(false);
        Click(a);
        Click(b);
        computerPlayed = computerPlayed || w->TurnTexts().contains(QStringLiteral("                     Computer "));
    }
    EXPECT_TRUE(computerPlayed);
    // The last pair ends the game; the next one is dealt at once.
    Run(3000);
    EXPECT_EQ(w->Game().Score(1) + w->Game().Score(2), 0);
    EXPECT_EQ(w->CardTexts().mid(w->CardTexts().size() - 4),
              (QStringList{QStringLiteral(" Spiel "), QString::fromUtf8(" fängt "), QStringLiteral(" neu "),
                           QStringLiteral(" an. ")}));
    EXPECT_FALSE(w->Play().Busy());
}

TEST_F(MemoryWindowTest, OptionsOpenTheExercisesDialogAndDealAgain)
{
    UseSection(Section::kBildMemory);
    Open();
    const auto [a, b] = Cards(false);
    Click(a);
    w->ButtonHandleByNumber(Tprog5::kOptions)->click();
    Run(3000);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Teinstellungen5")});
    EXPECT_EQ(StateOf(a), CardState::FaceDown);
    EXPECT_TRUE(w->CardTexts().contains(QStringLiteral(" Spiel ")));
}

TEST_F(MemoryWindowTest, LeavingAsksAndNoKeepsTheGame)
{
    UseSection(Section::kBildMemory);
    Open();
    leaveAnswer = Answer::No;
    w->ButtonHandleByNumber(Tprog5::kEnd)->click();
    Run(0);
    EXPECT_EQ(questions, QStringList{QStringLiteral("Wirklich verlassen?")});
    EXPECT_FALSE(w->IsTornDown());
    EXPECT_TRUE(w->TicksRunning());
    leaveAnswer = Answer::Yes;
    w->ButtonHandleByNumber(Tprog5::kEnd)->click();
    Run(0);
    EXPECT_TRUE(w->IsTornDown());
    EXPECT_EQ(Ini::ReadInt(profile, section, QStringLiteral("Listenstelle"), -1), 0);
}

TEST_F(MemoryWindowTest, MissingListGivesThePlaceholderGame)
{
    UseSection(Section::kBildMemory);
    SetText("Dateiname", "fehlt.txt");
    Open();
    EXPECT_EQ(w->Game().Layout().count, 6);
    int inGame = 0;
    for (const MemoryCard& c : w->Game().Cards())
        inGame += c.InGame();
    EXPECT_EQ(inGame, 2);
    EXPECT_EQ(w->CurrentList()->title, QStringLiteral("leere Liste"));
}

// ---- Sound memory ------------------------------------------------------------------

TEST_F(MemoryWindowTest, SoundMemorySpeaksEveryCardTurnedUpWhateverMitSound)
{
    for (int mitSound : {0, 1}) {
        UseSection(Section::kSoundMemory);
        Set("Mit Sound", mitSound);
        Open(true);
        EXPECT_EQ(w->CaptionLabel()->text(), QStringLiteral("Soundmemory"));
        EXPECT_EQ(w->SoundMode(), 2);
        EXPECT_TRUE(w->SpeechBox()->isEnabled());
        EXPECT_EQ(w->PictureLoads(), 0);
        const int card = Cards(false).first;
        Click(card);
        Run(300);
        // "mitArtikel" is on by default outside "Bild-Memory".
        EXPECT_EQ(Played(), w->Game().Card(card)->caption.split(u' ')) << "Mit Sound " << mitSound;
        w.reset();
    }
}

TEST_F(MemoryWindowTest, SoundMemoryKeepsSomethingToPlay)
{
    UseSection(Section::kSoundMemory);
    Open(true);
    w->NoiseBox()->setChecked(true);
    w->SpeechBox()->setChecked(false);
    EXPECT_FALSE(w->SpeechBox()->isChecked());
    w->NoiseBox()->setChecked(false);
    EXPECT_TRUE(w->SpeechBox()->isChecked());
    w->SpeechBox()->setChecked(false);
    EXPECT_TRUE(w->SpeechBox()->isChecked());
}

TEST_F(MemoryWindowTest, SoundMemoryWholeGameAgainstTheComputer)
{
    UseSection(Section::kSoundMemory);
    Set("Bedienung", 3);
    Set("Bilderanzahl", 0);
    Open(true);
    for (int turn = 0; turn < 30 && !w->CardTexts().contains(QStringLiteral(" beginnt ")); ++turn) {
        const auto [a, b] = Cards(false);
        Click(a);
        Click(b);
    }
    Run(3000);
    EXPECT_FALSE(w->Play().Busy());
    EXPECT_EQ(w->CardTexts().mid(w->CardTexts().size() - 3),
              (QStringList{QStringLiteral(" Neues "), QStringLiteral(" Spiel "), QStringLiteral(" beginnt ")}));
    w->ButtonHandleByNumber(Tprog5::kOptions)->click();
    Run(3000);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Teinstellungen6")});
}

TEST_F(MemoryWindowTest, SoundMemoryFacesDifferByState)
{
    UseSection(Section::kSoundMemory);
    Open(true);
    const auto [a, b] = Cards(true);
    const QImage down = w->CardImage(a, CardState::FaceDown, false);
    const QImage up = w->CardImage(a, CardState::FaceUp, false);
    const QImage taken = w->CardImage(a, CardState::Taken, false);
    EXPECT_NE(down, up);
    EXPECT_NE(up, taken);
    EXPECT_NE(down, taken);
    Click(a);
    Click(b);
    EXPECT_EQ(StateOf(a), CardState::Taken);
}

} // namespace
