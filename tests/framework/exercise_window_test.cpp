// The exercise window base: commands, input discarding, ticks, list keys,
// waiting texts and the spelling pause.
#include "framework/exercise_window.h"

#include "framework/exercise_shared.h"
#include "framework/loading_texts.h"
#include "framework/shuffle.h"
#include "framework/spelling_out.h"
#include "platform/ini_file.h"
#include "platform/random.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/wav_bytes.h"
#include "support/temp_program.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// A bare exercise that records what reaches it.
class RecordingExercise : public T_urahnlrb {
public:
    explicit RecordingExercise(const QString& section = QStringLiteral("Bild zum Wort"))
    {
        Setup(0, section);
    }
    std::vector<std::pair<int, int>> commands;
    int keys = 0;
    int ticks = 0;

protected:
    void OnCommand(int number, int code) override { commands.emplace_back(number, code); }
    void OnTick() override { ++ticks; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void keyReleaseEvent(QKeyEvent*) override { ++releases; }

public:
    int releases = 0;
};

using Commands = std::vector<std::pair<int, int>>;

void PostKey(QWidget* target)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
}

TEST(ExerciseWindow, PressReplacesThePendingCommandAndQueuedKeysAreDropped)
{
    TempProgram prog;
    RecordingExercise w;
    w.show();
    QCoreApplication::processEvents();
    w.commands.clear();

    // A key still queued when the press is posted is not taken as input; a
    // command queued before keeps its place in front of the press.
    w.SetPending(13);
    w.PostCommand(7, 2);
    PostKey(&w);
    w.PressButton(12);
    EXPECT_EQ(w.PendingCommand(), 0);
    EXPECT_EQ(w.PendingCode(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.commands, (Commands{{7, 2}, {12, 0}}));
    EXPECT_EQ(w.keys, 0);
    EXPECT_EQ(w.releases, 1);  // a key lock still hears the key go up

    // Keys that come after the discard are delivered as usual.
    PostKey(&w);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.keys, 1);
}

TEST(ExerciseWindow, IgnoreNextClickSwallowsOnePress)
{
    TempProgram prog;
    class Ignoring : public RecordingExercise {
    public:
        void Arm() { ignoreNextClick = true; }
    } w;
    w.show();
    QCoreApplication::processEvents();
    w.commands.clear();
    w.Arm();
    w.PressButton(12);
    w.PressButton(13);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.commands, (Commands{{13, 0}}));
}

TEST(ExerciseWindow, SecondSoundChannelArrivesAsTheFirst)
{
    TempProgram prog;
    RecordingExercise w;
    w.show();
    QCoreApplication::processEvents();
    w.commands.clear();
    w.PostCommand(1001, 101);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.commands, (Commands{{1000, 101}}));
}

TEST(ExerciseWindow, TicksCountAndTheReminderCounterWrapsAtSixty)
{
    TempProgram prog;
    RecordingExercise w;
    const int before = SharedExerciseState().tickCount;
    for (int i = 0; i < 6 * 59; ++i)
        w.Tick();
    EXPECT_EQ(w.ReminderCount(), 59);
    EXPECT_EQ(SharedExerciseState().tickCount, before + 6 * 59);
    for (int i = 0; i < 6; ++i)
        w.Tick();
    EXPECT_EQ(w.ReminderCount(), 0);
    EXPECT_EQ(w.ticks, 6 * 60);

    SharedExerciseState().ticksPaused = true;
    w.Tick();
    SharedExerciseState().ticksPaused = false;
    EXPECT_EQ(SharedExerciseState().tickCount, before + 6 * 60);

    w.StartTicks();
    EXPECT_TRUE(w.TicksRunning());
    w.StopTicks();
    EXPECT_FALSE(w.TicksRunning());
}

TEST(ExerciseWindow, LoadingTextsTakeTurnsAcrossWindows)
{
    TempProgram prog;
    SharedExerciseState().loadingText = 0;
    QStringList seen;
    {
        RecordingExercise first;
        for (int i = 0; i < 6; ++i) {
            first.ShowLoadingText();
            seen << first.LoadingTextCaption();
        }
        first.HideLoadingText();
        EXPECT_FALSE(first.LoadingTextShown());
    }
    RecordingExercise second;
    second.ShowLoadingText();
    seen << second.LoadingTextCaption();
    second.ShowLoadingText();
    seen << second.LoadingTextCaption();
    EXPECT_EQ(seen.mid(0, 7), LoadingTexts());
    EXPECT_EQ(seen.at(6), QStringLiteral("Jetzt wirds spannend"));
    EXPECT_EQ(seen.at(7), QStringLiteral("Bilder werden geladen"));
}

TEST(ExerciseWindow, ListKeysAreReadAndWritten)
{
    TempProgram prog;
    const QString profile = prog.Write("protokoll/jeder.ini", "");
    Program().currentProfilePath = profile;
    const QString section = QStringLiteral("Bild zum Wort");
    Ini::WriteInt(profile, section, QStringLiteral("Listenstelle"), 5);
    Ini::WriteInt(profile, section, QStringLiteral("Soundnr"), 1);

    class Keys : public RecordingExercise {
    public:
        using T_urahnlrb::ReadListKeys;
        using T_urahnlrb::WriteListKeys;
    };
    {
        Keys w;
        w.ReadListKeys(section);
        EXPECT_EQ(w.ListFile(), QStringLiteral("standard.txt"));
        EXPECT_EQ(w.Position(), 5);
        EXPECT_EQ(w.SoundNumber(), 1);
        w.WriteListKeys(section);
        EXPECT_EQ(Ini::ReadInt(profile, section, QStringLiteral("Bildnr"), -1), 0);
        EXPECT_EQ(Ini::ReadInt(profile, section, QStringLiteral("Liste"), -1), 0);
    }
    // With "Würfeln" the stored position is not restored.
    Ini::WriteInt(profile, section, QString::fromUtf8("Würfeln"), 1);
    Keys shuffled;
    shuffled.ReadListKeys(section);
    EXPECT_EQ(shuffled.Position(), 0);
}

TEST(ExerciseWindow, PraiseAndHintTablesAreTheWindowsOwn)
{
    TempProgram prog;
    prog.Write("intern\\motiv.txt", "Lob\r\n\r\na.wav;b.wav;c.wav;Super;Prima;Toll\r\nd.wav;e.wav;f.wav;Gut;Fein;Klasse\r\n");
    prog.Write("intern\\hinweis.txt", "Hinweise\r\n\r\n;;;H0;H1;H2\r\n;;;I0;I1;I2\r\n;;;J0;J1;J2\r\n");
    RecordingExercise w;
    EXPECT_EQ(w.PickHint(2, 3, 0), 2);
    EXPECT_EQ(w.HintText(2, 4), QStringLiteral("J1"));
    const int praise = w.PickMotivation(0, -1, 0);
    EXPECT_TRUE(praise == 0 || praise == 1);
    EXPECT_EQ(w.MotivationText(1, 2), QStringLiteral("Klasse"));
    EXPECT_EQ(w.MotivationText(5, 0), QString());
}

TEST(ExerciseWindow, BlankPausesAndThenReportsLikeASoundEnd)
{
    TempProgram prog;
    FakeClock clock;
    const QString profile = prog.Write("protokoll/jeder.ini", "");
    Program().currentProfilePath = profile;
    Ini::WriteInt(profile, QStringLiteral("Bild zum Wort"), QStringLiteral("Buchstabierpause"), 4);
    RecordingExercise w;
    w.show();
    QCoreApplication::processEvents();
    w.commands.clear();

    const qint64 start = clock.NowMs();
    w.Spelling().Step(QStringLiteral("ab cd"), 2, SpellKind::Letters);
    EXPECT_EQ(clock.NowMs() - start, 4 * 100 + 700);
    EXPECT_EQ(w.Spelling().position, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.commands, (Commands{{1000, 125}}));
}

TEST(ExerciseWindow, SpellingOutStepsOnEachSoundEndUntilTheEnd)
{
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice device(clock);
    const QString profile = prog.Write("protokoll/jeder.ini", "");
    Program().currentProfilePath = profile;
    Ini::WriteInt(profile, QStringLiteral("Bild zum Wort"), QStringLiteral("Buchstabierpause"), 0);
    // 200 ms of sound per letter.
    const QByteArray wav = wavbytes::Wav(1, 8000, 16, wavbytes::Samples16(std::vector<qint16>(1600, 100)));
    for (const char* letter : {"a", "b", "c"})
        prog.Write(QStringLiteral("ABC\\w\\%1_.wav").arg(letter), wav);
    RecordingExercise w;
    w.show();
    QCoreApplication::processEvents();
    w.commands.clear();

    w.Spelling().Start(QStringLiteral("abc"), 0, SpellKind::Letters, 2);
    EXPECT_TRUE(w.Spelling().running);
    EXPECT_EQ(w.Spelling().position, 1);
    for (int i = 0; i < 10 && w.Spelling().running; ++i)
        clock.Wait(100, true);
    QCoreApplication::processEvents();
    // Spelled up to the requested end only: a and b, each reported back.
    EXPECT_FALSE(w.Spelling().running);
    EXPECT_EQ(w.Spelling().position, 2);
    EXPECT_EQ(device.PlayCount(AudioChannel::Button), 2);
    EXPECT_EQ(w.commands, (Commands{{1000, 125}, {1000, 125}}));
}

TEST(ExerciseWindow, SingleUnitsPlayAtOnceAndTheLastOneToItsEnd)
{
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice device(clock);
    // 300 ms per letter.
    const QByteArray wav = wavbytes::Wav(1, 8000, 16, wavbytes::Samples16(std::vector<qint16>(2400, 100)));
    prog.Write("ABC\\w\\a_.wav", wav);
    prog.Write("ABC\\w\\b_.wav", wav);
    RecordingExercise w;
    const qint64 start = clock.NowMs();
    w.Spelling().Step(QStringLiteral("ab"), 0, SpellKind::Letters);
    EXPECT_EQ(clock.NowMs(), start);   // asynchronous: the text goes on
    EXPECT_EQ(device.PlayCount(AudioChannel::Simple), 1);
    w.Spelling().Step(QStringLiteral("ab"), 1, SpellKind::Letters);
    EXPECT_GE(clock.NowMs() - start, 300);   // the last unit plays to its end
    EXPECT_EQ(device.PlayCount(AudioChannel::Simple), 2);
    EXPECT_FALSE(w.Spelling().running);
}

TEST(ExerciseWindow, ShuffleKeepsEveryEntryAndRepeatsWithTheSeed)
{
    auto makeList = [] {
        tmoiel list;
        for (int i = 0; i < 8; ++i) {
            auto e = std::make_shared<WordEntry>();
            e->Field(FieldWord) = QString::number(i);
            list.Append(e, QString::number(i));
        }
        return list;
    };
    auto order = [](const tmoiel& list) {
        QStringList words;
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.Text(i), list.Entry(i)->Field(FieldWord));   // text and entry move together
            words << list.Entry(i)->Field(FieldWord);
        }
        return words;
    };
    tmoiel a = makeList();
    tmoiel b = makeList();
    SeedRandom(7);
    Shuffle(a);
    SeedRandom(7);
    Shuffle(b);
    EXPECT_EQ(order(a), order(b));
    QStringList sorted = order(a);
    sorted.sort();
    EXPECT_EQ(sorted, order(makeList()));
}

} // namespace

// An exercise started modally is on the screen before its show steps run:
// what the first task animates or waits for is seen (a window that ran its
// steps from the show event stayed unmapped until they ended).
class ShownStateExercise : public T_urahnlrb {
public:
    ShownStateExercise() { Setup(0, QStringLiteral("Bild zum Wort")); }
    bool mappedWhenShown = false;
    int shows = 0;

protected:
    void OnShown() override
    {
        ++shows;
        mappedWhenShown = windowHandle() && windowHandle()->isVisible();
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
};

TEST(ExerciseWindow, ShowModalMapsTheWindowBeforeTheShowSteps)
{
    TempProgram prog;
    ShownStateExercise w;
    EXPECT_FALSE(w.ShowStepsDone());
    w.ShowModal();
    EXPECT_EQ(w.shows, 1);
    EXPECT_TRUE(w.mappedWhenShown);
    EXPECT_TRUE(w.ShowStepsDone());
    EXPECT_TRUE(w.IsTornDown());
}
