// Exercise 1 in its window: presenting entries, playing their sounds, judging
// answers typed key by key, praise and hints, and the results on closing.
#include "tprog1_fixture.h"

#include "controls/tdrbutton.h"
#include "exercises/spiel1/rescue_picture.h"
#include "sound/button_sound_player.h"

#include "data/path_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QFile>

namespace {

QString ReadText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? DecodeCp1252(f.readAll()) : QString();
}

TEST_F(Exercise1Test, DictationShowsHearWriteAndPlaysAtEveryEntryChange)
{
    Set("Mit Sound", 3);
    Open();
    EXPECT_EQ(w->windowTitle(), "Hören und Schreiben");
    EXPECT_EQ(w->PictureShown(), "hören - schreiben");
    EXPECT_FALSE(w->PictureVisible());
    Run(500);
    EXPECT_EQ(Played(), (QStringList{"button:der", "button:Hund"}));
    Press(T_urahnlrb1::kNext);
    Run(1000);
    EXPECT_EQ(w->Position(), 1);
    EXPECT_EQ(w->PictureShown(), "hören - schreiben");
    EXPECT_EQ(Played(), (QStringList{"button:die", "button:Katze"}));
    Press(T_urahnlrb1::kPrevious);
    Run(1000);
    // Stepping back needs a recording of the entry (field 3): "der Hund" has one.
    EXPECT_EQ(Played(), (QStringList{"button:der", "button:Hund"}));
}

TEST_F(Exercise1Test, PictureForEveryMitSound)
{
    const struct {
        int mitSound;
        bool visible;
        bool afterAnswer;
    } cases[] = {{0, true, true}, {1, true, true}, {2, true, true}, {3, false, false},
                 {7, false, false}, {8, false, true}, {9, false, true}};
    for (const auto& c : cases) {
        Set("Mit Sound", c.mitSound);
        Set("Textvorgabe", 3);
        Open();
        EXPECT_EQ(w->PictureVisible(), c.visible) << c.mitSound;
        EXPECT_EQ(w->PictureShown(), c.visible ? "Hundebild" : "hören - schreiben") << c.mitSound;
        keysForTaste = 0;
        Type(WordShown());
        Run(3000);
        EXPECT_EQ(keysForTaste, 1) << c.mitSound;
        EXPECT_EQ(pictureAtTaste, c.afterAnswer) << c.mitSound;
        w.reset();
    }
}

TEST_F(Exercise1Test, SteppingStaysInTheList)
{
    Open();
    Press(T_urahnlrb1::kPrevious);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_EQ(WordShown(), "der Hund");
    Press(T_urahnlrb1::kNext);
    Press(T_urahnlrb1::kNext);
    EXPECT_EQ(w->Position(), 2);
    Press(T_urahnlrb1::kNext);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_EQ(messages, QStringList{"Liste beginnt von vorne"});
}

TEST_F(Exercise1Test, EmptyLineAsksForText)
{
    Set("Textcontrolle", 0);
    Open();
    EXPECT_TRUE(w->CheckEnabled());
    Press(T_urahnlrb1::kCheck);
    EXPECT_EQ(messages, QStringList{"bitte Text eingeben"});
    EXPECT_EQ(w->CurrentEntry()->Answer(), "");
    EXPECT_EQ(Played(), QStringList{});
}

TEST_F(Exercise1Test, WordWithoutArticlePlaysOnlyTheNoun)
{
    Set("Textvorgabe", 1);
    Set("mitArtikel", 0);
    Open();
    EXPECT_EQ(WordShown(), "Hund");
    Press(T_urahnlrb1::kPlay);
    Run(500);
    EXPECT_EQ(Played(), QStringList{"button:Hund"});
    // With the article given, both are heard.
    w.reset();
    Set("mitArtikel", 1);
    Open();
    EXPECT_EQ(Line(), "der ____");
    Press(T_urahnlrb1::kPlay);
    Run(500);
    EXPECT_EQ(Played(), (QStringList{"button:der", "button:Hund"}));
}

TEST_F(Exercise1Test, NoiseThenWordAfterTheSoundPause)
{
    Set("Mit Sound", 2);
    Set("Soundpause", 5);
    Open();
    Run(500);
    Played();
    const size_t first = audio.plays.size();
    w->NoiseBox()->setChecked(true);
    Press(T_urahnlrb1::kPlay);
    Run(1000);
    EXPECT_EQ(Played(), (QStringList{"button:bellen", "button:der", "button:Hund"}));
    // 100 ms of noise, then a pause of 500 ms before the word.
    ASSERT_EQ(audio.plays.size(), first + 3);
    EXPECT_GE(audio.plays[first + 1].atMs - audio.plays[first].atMs, 600);
}

TEST_F(Exercise1Test, RightAnswerWaitsForAKeyThenGoesOn)
{
    Set("Motivation", 2);
    Open();
    Type("der Hund");
    Run(3000);
    EXPECT_EQ(keysForTaste, 1);
    EXPECT_EQ(messages, QStringList{"der Hund"});
    EXPECT_EQ(w->Position(), 1);
    EXPECT_EQ(w->ListNameCaption(), "test.txt");
    EXPECT_TRUE(Played().contains("simple:gewonnen"));
    EXPECT_EQ(w->CurrentList()->Entry(0)->Answer(), "-OK-");
}

// The last key goes up while the right answer blinks: the key lock still
// hears it, so the first key after the word continues.
TEST_F(Exercise1Test, KeyReleasedDuringTheCheckDoesNotLockTheNextKey)
{
    Set("Motivation", 2);
    Open();
    Type("der Hun");
    SendKey(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, "d");
    QCoreApplication::postEvent(w->focusWidget(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_D, Qt::NoModifier, "d"));
    Run(3000);
    EXPECT_EQ(keysForTaste, 1);
    EXPECT_EQ(w->Position(), 1);
}

TEST_F(Exercise1Test, WrongLetterIsRefusedWithBlinkenTwo)
{
    Set("Blinken", 2);
    Open();
    Type("dex");
    EXPECT_EQ(Line(), "de_ ____");
    EXPECT_EQ(w->Typing().WritePosition(), 2);
    EXPECT_TRUE(Played().contains("simple:verloren"));
    EXPECT_EQ(w->CurrentEntry()->Answer(), "de[x]");
}

TEST_F(Exercise1Test, KeysAreFilteredBeforeTheEditor)
{
    Open();
    Type("de");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Line(), "de_ ____");
    // TastaturLock: a second key before the first is released is dropped.
    SendKey(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, "r");
    SendKey(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    SendKey(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
    SendKey(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier, "r");
    Run(50);
    EXPECT_EQ(Line(), "der ____");
}

TEST_F(Exercise1Test, FourthWrongLetterShowsTheSolutionAndTheWordComesAgain)
{
    Set("Blinken", 2);
    Set("Motivation", 0);
    Set("Motzahl", 1);
    Open();
    Type("xxx");
    EXPECT_FALSE(w->SolutionShown());
    Type("x");
    EXPECT_TRUE(w->SolutionShown());
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung1.emf"));
    Run(Tprog1::kSolutionMs + 200);
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung2.emf"));
    Type("der Hund");
    Run(3000);
    // No praise, no key wait: the hint for the wrong count, then the same word.
    EXPECT_EQ(keysForTaste, 0);
    EXPECT_EQ(messages, QStringList{"Hinweis 0"});
    EXPECT_EQ(w->Position(), 0);
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung.emf"));
    // The blank is given (the caret skips it), so it is not in the record.
    EXPECT_EQ(w->CurrentEntry()->Answer(), "[x][x][x][x]derHund");
}

TEST_F(Exercise1Test, HoldingTheRescuePictureCountsAsHelp)
{
    Set("Motivation", 0);
    Set("Motzahl", 1);
    Set("SoundnachEingabe", 1);
    Open();
    Played();
    QTest::mousePress(w->Rescue(), Qt::LeftButton);
    EXPECT_TRUE(w->SolutionShown());
    QTest::mouseRelease(w->Rescue(), Qt::LeftButton);
    Run(700);
    EXPECT_TRUE(w->Rescue()->File().endsWith("rettung2.emf"));
    Type("der Hund");
    Run(3000);
    EXPECT_EQ(messages, QStringList{"Hinweis 0"});
    EXPECT_EQ(w->PraiseCounter(), 0);
    EXPECT_FALSE(Played().contains("button:Hund"));  // no spoken word after the answer
}

TEST_F(Exercise1Test, PraiseAfterEverySecondRightAnswer)
{
    Set("Motivation", 0);
    Set("Motzahl", 2);
    Open();
    Type("der Hund");
    Run(3000);
    EXPECT_EQ(messages, QStringList{"der Hund"});
    Type("die Katze");
    Run(3000);
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(QStringList({"Super", "Toll", "Prima"}).contains(messages[1])) << messages[1].toStdString();
    EXPECT_EQ(messages[2], "die Katze");
    EXPECT_EQ(w->PraiseCounter(), 0);
}

TEST_F(Exercise1Test, HintsStartAgainAfterSixWrongAnswers)
{
    Set("Textcontrolle", 0);
    Open();
    for (int i = 0; i < 7; ++i) {
        Type("x");
        Key(Qt::Key_Return);
        Run(2500);
        Key(Qt::Key_Backspace);
    }
    EXPECT_EQ(messages, (QStringList{"Hinweis 0", "Hinweis 1", "Hinweis 2", "Hinweis 3", "Hinweis 4",
                                     "Hinweis 5", "Hinweis 0"}));
    EXPECT_TRUE(w->CurrentEntry()->Answer().startsWith("[x] x; [x] x; "));
}

TEST_F(Exercise1Test, ListEndThenTheFirstEntryOnTheNextKey)
{
    Set("Motivation", 1);
    Set("Listenstelle", 2);
    Open();
    EXPECT_EQ(WordShown(), "Ball");
    Type("Ball");
    Run(4000);
    ASSERT_GE(messages.size(), 3);
    EXPECT_EQ(messages[0], " Liste ist zu Ende! ");
    EXPECT_TRUE(w->ListEnd());
    EXPECT_EQ(w->PendingCommand(), T_urahnlrb1::kPrevious);
    Key(Qt::Key_Space);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_FALSE(w->ListEnd());
}

TEST_F(Exercise1Test, ClosingWritesProtocolCertificateAndErrorList)
{
    Set("Blinken", 1);
    Set("Motivation", 2);
    Open();
    Type("der Hund");
    Run(3000);
    Type("die Kx");
    Run(500);
    w->RequestLeave();
    EXPECT_TRUE(w->IsTornDown());
    const QString protocol = ReadText(ChangeExtension(profile, ".txt"));
    EXPECT_TRUE(protocol.contains("Programm: Hören und Schreiben ")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains("Textkontrolle: Automatisch. Fehler: blinken. ")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains("der Hund           = -OK-"));
    EXPECT_TRUE(protocol.contains("die Katze          = [x]"));
    const QString certificate = ReadText(ChangeExtension(profile, ".zgn"));
    EXPECT_TRUE(certificate.contains("der Hund             = -OK-")) << certificate.toStdString();
    EXPECT_TRUE(certificate.contains("die Katze            = nochmal üben"));
    const QString errors = ReadText(ChangeExtension(profile, ".fhl"));
    EXPECT_TRUE(errors.contains("die Katze")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("der Hund"));
    EXPECT_EQ(Ini::ReadInt(profile, section, "Listenstelle", -1), 1);
}

// The settings dialog opens for the exercise's section; afterwards the same
// entry comes again with the stored settings, and the results so far are in
// the protocol.
TEST_F(Exercise1Test, SettingsButtonPresentsTheSameEntryWithTheNewSettings)
{
    Set("Motivation", 2);
    Open();
    Type("der Hund");
    Run(3000);
    Type("die K");
    QString title;
    SetModalHook([&](QDialog& d) {
        title = d.windowTitle();
        Set("Textvorgabe", 3);
        return int(QDialog::Accepted);
    });
    w->ButtonHandleByNumber(T_urahnlrb1::kOptions)->click();
    Run(100);
    EXPECT_TRUE(title.endsWith("Hören und Schreiben ")) << title.toStdString();
    EXPECT_EQ(w->Position(), 1);
    EXPECT_EQ(w->Typing().Settings().textvorgabe, 3);
    EXPECT_EQ(Line(), "Katze");  // copying, without the article: the whole noun is given
    EXPECT_TRUE(ReadText(ChangeExtension(profile, ".txt")).contains("der Hund           = -OK-"));
}

TEST_F(Exercise1Test, LautieruebungSoundsTheWordOut)
{
    section = Section::kLautieruebung;
    Set("Stimme", 3);
    Set("Textvorgabe", 1);
    Set("mitArtikel", 0);
    Open(true);
    EXPECT_EQ(w->windowTitle(), "Lautierübung");
    EXPECT_EQ(w->CaptionLabel()->text(), "Lautierübung");
    EXPECT_FALSE(w->SpeechBox()->isVisible());
    Run(1000);
    // "Mit Sound" 2 (the default) sounds the word out at once; B202 again.
    EXPECT_EQ(Played(), (QStringList{"button:h_", "button:u_", "button:n_", "button:d_"}));
    Press(T_urahnlrb1::kPlay);
    Run(1000);
    EXPECT_EQ(Played(), (QStringList{"button:h_", "button:u_", "button:n_", "button:d_"}));
}

TEST_F(Exercise1Test, SpellingOutByBuchstabieren)
{
    Set("Textvorgabe", 1);
    Set("mitArtikel", 0);
    Set("Buchstabieren", 1);
    Open();
    Type("Hu");
    Played();
    Press(T_urahnlrb1::kSpell);
    Run(1000);
    EXPECT_EQ(Played(), (QStringList{"button:h_", "button:u_"}));
    Ini::WriteInt(profile, Section::kHoerenUndSchreiben, "Buchstabieren", 2);
    ExerciseSettings().buchstabieren = 2;
    Press(T_urahnlrb1::kSpell);
    Run(1000);
    EXPECT_EQ(Played(), (QStringList{"button:n_", "button:d_"}));
    Press(T_urahnlrb1::kLetter);
    Run(200);
    EXPECT_EQ(Played(), QStringList{"simple:n_"});
}

// A recording named with its article behind ("Hund der.wav") says the
// article, a pause and the noun: the part after the pause is played. One
// without a pause is played whole, however long it is.
TEST_F(Exercise1Test, RecordingWithTrailingArticlePlaysThePartAfterItsPause)
{
    const auto recording = [](int loudMs, int quietMs, int moreMs) {
        QByteArray data;
        for (int i = 0; i < 8 * loudMs; ++i)
            wavbytes::PutU16(data, quint16(i % 2 ? 12000 : -12000));
        for (int i = 0; i < 8 * quietMs; ++i)
            wavbytes::PutU16(data, 0);
        for (int i = 0; i < 8 * moreMs; ++i)
            wavbytes::PutU16(data, quint16(i % 2 ? 12000 : -12000));
        return data;
    };
    const struct {
        const char* name;
        QByteArray data;
        AudioChannel channel;
        int fromMs;   // the part played lasts [fromMs, toMs]
        int toMs;
    } cases[] = {
        {"pause after the article", recording(300, 100, 2600), AudioChannel::Range, 2600, 2700},
        {"no pause", recording(3000, 0, 0), AudioChannel::Button, 2990, 3000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prog.Write("Sounds\\Hund der.wav", wavbytes::Wav(1, 8000, 16, c.data));
        Open();
        Run(100);
        w->PostCommand(T_urahnlrb1::kPlay, Tprog1::kPlayAfterPause);
        Run(100);
        ASSERT_FALSE(audio.plays.empty());
        const auto& played = audio.plays.back();
        EXPECT_EQ(played.channel, c.channel);
        const qsizetype ms = played.clip->Bytes().size() / 16;   // 8000 Hz, 16 bits
        EXPECT_GE(ms, c.fromMs);
        EXPECT_LE(ms, c.toMs);
        w.reset();
    }
}

TEST_F(Exercise1Test, ButtonHints)
{
    Open();
    const struct {
        int number;
        const char* hint;
    } cases[] = {
        {T_urahnlrb1::kPlay, "Es erklingt der in der rechten Leiste angekreuzte Sound zum Bild. "},
        {T_urahnlrb1::kStop, "Unterbricht jede Soundausgabe sofort."},
        {T_urahnlrb1::kSpell, "Es wird das Wort an der aktuellen Schreibposition vorbuchstabiert (siehe Optionen)."},
        {T_urahnlrb1::kLetter, "Es wird der Buchstabe an der aktuellen Schreibposition gesagt."},
        {T_urahnlrb1::kPrevious, "Geht in der Liste ein Bild/Sound zurück."},
        {T_urahnlrb1::kNext, "Geht in der Liste zum nächsten Bild/Sound vor."},
        {T_urahnlrb1::kRemove, "Entfernt den aktuellen Eintrag aus der Fehlerliste."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(w->ButtonHandleByNumber(c.number)->toolTip(), QString::fromUtf8(c.hint)) << c.number;
}

// Feedback sounds go through the program's feedback-sound player, which
// marks the help button as playing.
TEST_F(Exercise1Test, FeedbackSoundsMarkTheHelpButton)
{
    Set("Blinken", 2);
    Open();
    EXPECT_FALSE(w->SoundPlayer(T_urahnlrb::kHelpButton).IsPlaying());
    Type("x");
    EXPECT_TRUE(Played().contains("simple:verloren"));
    EXPECT_TRUE(w->SoundPlayer(T_urahnlrb::kHelpButton).IsPlaying());
}

} // namespace
