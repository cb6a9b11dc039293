// Exercise 2 in its window: choosing words by click and keyboard, the
// messages, stepping through the list, the spoken word, leaving, and the
// results of a normal and of an uncovering run.
#include "tprog2_fixture.h"

#include "controls/tdrbutton.h"
#include "exercises/spiel2/covered_picture.h"
#include "support/picture_fixtures.h"

#include <QCheckBox>

namespace {

TEST_F(Exercise2Test, RightWordAmongTheFieldsAndItsPicture)
{
    Open();
    EXPECT_EQ(w->windowTitle(), "Welches Wort stimmt?");
    EXPECT_EQ(w->PictureShown(), "Hundebild");
    EXPECT_FALSE(w->PointsVisible());
    ASSERT_NE(w->RightField(), 0);
    EXPECT_EQ(w->FieldCaption(w->RightField()), "der Hund");
    EXPECT_TRUE(w->FieldVisible(103));
    EXPECT_FALSE(w->FieldVisible(104));
    EXPECT_EQ(w->SizingSample(), "  AAAAAAAAA  ");   // "die Katze" is the longest
}

TEST_F(Exercise2Test, SoundBoxCaptionsFitInTheLetterButtonsPlace)
{
    Open();
    for (QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        w->resize(screen);
        QCoreApplication::processEvents();
        for (QCheckBox* box : {w->SpeechBox(), w->NoiseBox()})
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString() << " at " << screen.width();
    }
}

TEST_F(Exercise2Test, WrongThenRightChoiceByKeyboardAndTheMark)
{
    Open();
    const int wrong = WrongField();
    ASSERT_NE(wrong, 0);
    const QString wrongWord = w->FieldCaption(wrong);
    Click(wrong);
    EXPECT_TRUE(messages.contains("nimm ein anderes"));
    EXPECT_FALSE(w->TaskSolved());
    EXPECT_EQ(Mark(0), wrongWord + "; ");

    // Up to the top, then down to the right field, Enter.
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Up);
    EXPECT_EQ(w->SelectedField(), 101);
    for (int f = 101; f < w->RightField(); ++f)
        Key(Qt::Key_Down);
    EXPECT_EQ(w->SelectedField(), w->RightField());
    Key(Qt::Key_Return);
    EXPECT_TRUE(w->TaskSolved());
    EXPECT_EQ(Mark(0), wrongWord + "; -OK-");
    EXPECT_EQ(w->PendingCommand(), T_urahnlrb1::kNext);
    // A solved task: Enter goes on.
    Key(Qt::Key_Return);
    EXPECT_EQ(w->Position(), 1);
    EXPECT_FALSE(w->TaskSolved());
}

TEST_F(Exercise2Test, ListEndAndRestart)
{
    Open();
    for (int i = 0; i < 3; ++i) {
        Click(w->RightField());
        EXPECT_TRUE(w->TaskSolved()) << i;
        if (i < 2)
            Click(101);   // a click on a solved task goes on
    }
    EXPECT_TRUE(messages.contains("Liste ist zu Ende"));
    EXPECT_FALSE(messages.contains("Liste beginnt von vorne"));
    Click(102);
    EXPECT_TRUE(messages.contains("Liste beginnt von vorne"));
    EXPECT_EQ(w->Position(), 0);
    // Back from the first task stays there.
    w->PressButton(T_urahnlrb1::kPrevious);
    Run(50);
    EXPECT_EQ(w->Position(), 0);
}

TEST_F(Exercise2Test, DuplicateWordOnlyTheCurrentEntryCounts)
{
    List({"Hund;8 100xx 11;Hundebild;;;Hund", "Hund;8 100xx 11;Hundebild2;;;Hund"});
    Set("Felderanzahl", 2);
    Open();
    ASSERT_EQ(w->FieldCaption(101), "Hund");
    ASSERT_EQ(w->FieldCaption(102), "Hund");
    const int other = w->RightField() == 101 ? 102 : 101;
    Click(other);
    EXPECT_FALSE(w->TaskSolved());
    EXPECT_EQ(Mark(0), "Hund; ");
    Click(w->RightField());
    EXPECT_TRUE(w->TaskSolved());
}

TEST_F(Exercise2Test, PraiseTurnsWithMotzahlTwo)
{
    Set("Motivation", 0);
    Set("Motzahl", 2);
    List({"der Hund;8 100xx 11;Hundebild;;;der Hund", "die Katze;8 100xx 11;Katzenbild;;;die Katze",
          "Ball;8 100xx 11;Ballbild;;;Ball", "Maus;8 100xx 11;Mausbild;;;Maus"});
    Open();
    QStringList feedback;
    for (int i = 0; i < 3; ++i) {
        messages.clear();
        Click(w->RightField());
        feedback << (messages.contains("richtig") ? "richtig" : messages.value(0));
        Click(101);
    }
    ASSERT_EQ(feedback.size(), 3);
    EXPECT_EQ(feedback[0], "richtig");
    EXPECT_TRUE(QStringList({"Super", "Toll", "Prima"}).contains(feedback[1])) << feedback[1].toStdString();
    EXPECT_EQ(feedback[2], "richtig");
}

TEST_F(Exercise2Test, MissingWordWaitsForAKey)
{
    List({";8 100xx 11;Hundebild;;;", "Ball;8 100xx 11;Ballbild;;;Ball"});
    Set("Felderanzahl", 2);
    Open();
    EXPECT_TRUE(messages.contains("Wort fehlt. Bitte Taste drücken"));
    EXPECT_EQ(w->FieldCaption(101), "");
    EXPECT_EQ(w->PendingCommand(), T_urahnlrb1::kNext);
    Key(Qt::Key_Space);
    EXPECT_EQ(w->Position(), 1);
}

TEST_F(Exercise2Test, SpokenWordByArticleAndNoise)
{
    // With a noise the article is played after it, then the noun; without
    // the article the entry's recording follows the noise.
    const struct {
        bool mitArtikel, noise;
        QStringList played;
    } cases[] = {
        {true, false, {"button:der", "button:Hund"}},
        {false, false, {"button:Hund"}},
        {true, true, {"button:bellen", "button:der", "button:Hund"}},
        {false, true, {"button:bellen", "button:Hund der"}},
    };
    for (const auto& c : cases) {
        Set("mitArtikel", c.mitArtikel ? 1 : 0);
        Open();
        EXPECT_TRUE(w->NoiseBox()->isChecked());   // both boxes on at the start
        Run(1500);
        Played();
        w->NoiseBox()->setChecked(c.noise);
        w->PressButton(T_urahnlrb1::kPlay);
        Run(1500);
        EXPECT_EQ(Played(), c.played) << c.mitArtikel << c.noise;
        w.reset();
    }
}

TEST_F(Exercise2Test, EscapeAsksBeforeLeaving)
{
    Open();
    leaveAnswer = Answer::No;
    Key(Qt::Key_Escape);
    EXPECT_EQ(questions, QStringList{"Wirklich verlassen?"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->TicksRunning());
    leaveAnswer = Answer::Yes;
    Key(Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->IsTornDown());
}

TEST_F(Exercise2Test, NormalRunWritesProtocolCertificateAndErrorList)
{
    Open();
    const int wrong = WrongField();
    const QString wrongWord = w->FieldCaption(wrong);
    Click(wrong);
    Click(w->RightField());
    Click(101);
    Click(w->RightField());
    w->close();
    Run(0);
    const QString protocol = ReadText(".txt");
    EXPECT_TRUE(protocol.contains("Welches Wort stimmt?")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains(wrongWord + "; -OK-")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains("die Katze")) << protocol.toStdString();
    const QString certificate = ReadText(".zgn");
    EXPECT_TRUE(certificate.contains("beim 2. Versuch -OK-")) << certificate.toStdString();
    EXPECT_TRUE(ReadText(".fhl").contains("der Hund"));
    EXPECT_FALSE(Exists(".rtf"));
}

TEST_F(Exercise2Test, SettingsDialogSetsTheSameTaskUpAgain)
{
    prog.Write("Hundebild.png", Encode(SolidImage(QSize(40, 30), Qt::red), "PNG"));
    List({"der Hund;8 100xx 11;Hundebild.png;;;der Hund", "die Katze;8 100xx 11;Katzenbild;;;die Katze"});
    Open();
    ASSERT_EQ(w->PictureButton()->Mode(), tdrbutton::ContentMode::Picture);
    int dialogs = 0;
    SetModalHook([&dialogs](QDialog&) {
        ++dialogs;
        return int(QDialog::Rejected);
    });
    w->findChild<tdrbutton*>("useropt")->click();
    Run(100);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(w->Position(), 0);   // the first task again, not the second
    EXPECT_EQ(w->PictureButton()->Mode(), tdrbutton::ContentMode::Picture);
    EXPECT_FALSE(w->PictureButton()->GetPicture().IsEmpty());
    EXPECT_NE(w->RightField(), 0);
}

// ---- Uncovering mode ------------------------------------------------------------

TEST_F(Exercise2Test, UncoveringRunWritesTheSummary)
{
    Set("Aufdeckenmanuell", 0);
    Set("Aufdeckpause", 2);
    Set("Mit Sound", 3);   // uncovering mode is silent whatever the profile says
    Open(true);
    EXPECT_TRUE(w->PointsVisible());
    EXPECT_FALSE(w->SoundPanelVisible());
    EXPECT_TRUE(w->Cover()->isVisible());
    EXPECT_EQ(w->Board().StepCounter(), 1);   // the covered picture
    Run(6000);                                // three more pieces (t = 2, 3, 4)
    EXPECT_EQ(w->Board().StepCounter(), 4);
    EXPECT_EQ(w->TaskPointsText(), "  80");
    Click(WrongField());
    EXPECT_EQ(w->TaskPointsText(), "  30");
    Click(w->RightField());
    EXPECT_TRUE(w->Board().Complete());
    EXPECT_EQ(w->TotalPointsText(), "   30");
    EXPECT_EQ(Played().filter("button:"), QStringList());   // nothing spoken
    w->close();
    Run(0);
    const QString summary = ReadText(".rtf");
    EXPECT_TRUE(summary.contains("Welches Wort stimmt?  -  AUFDECKMODUS")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Du hast    30 Punkte erreicht!")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Das ist ein Erfolgsergebnis von 30%!"));
    EXPECT_FALSE(Exists(".zgn"));
    EXPECT_TRUE(ReadText(".txt").contains("-OK-"));
}

TEST_F(Exercise2Test, UncoveringWithoutSolvedTaskWritesNoSummary)
{
    Open(true);
    w->close();
    Run(0);
    EXPECT_FALSE(Exists(".rtf"));
}

TEST_F(Exercise2Test, PauseZeroNeverUncovers)
{
    Set("Aufdeckenmanuell", 0);
    Set("Aufdeckpause", 0);
    Open(true);
    EXPECT_EQ(w->UncoverDueAt(), -1);
    Run(5000);
    EXPECT_EQ(w->Board().StepCounter(), 1);
    EXPECT_EQ(w->TaskPointsText(), " 100");
}

TEST_F(Exercise2Test, ManualUncoveringByClicks)
{
    Set("Aufdeckenmanuell", 1);
    Open(true);
    CoveredPicture* cover = w->Cover();
    const QImage before = cover->Image();
    ASSERT_FALSE(before.isNull());
    const QPoint inFirstPiece(cover->width() / 6, cover->height() / 6);
    w->ClickCover(inFirstPiece);
    EXPECT_EQ(w->Board().Order()[1], 0);
    EXPECT_NE(cover->Image(), before);
    const int points = w->Board().TaskPoints();
    w->ClickCover(inFirstPiece);   // uncovered already: the beep only
    EXPECT_EQ(w->Board().StepCounter(), 2);
    EXPECT_EQ(w->Board().TaskPoints(), points);
    Click(w->RightField());
    EXPECT_EQ(cover->Image().pixel(cover->width() / 2, cover->height() / 2),
              cover->Image().pixel(cover->width() / 2, cover->height() / 2));
    EXPECT_TRUE(w->Board().Complete());
    EXPECT_EQ(w->TotalPointsText(), "  100");
}

} // namespace
