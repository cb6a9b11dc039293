#pragma once
// The robot pupil: plays one exercise variant in its real window as a
// restless pupil would, through real input events (clicks at random points
// and on the window's buttons, pictures and fields, double clicks, letters,
// Enter, Space, arrows, Tab, Escape, Backspace), on the fake clock and sound
// device, with a fixed seed. Dialogs are answered through the program's
// message box and modal layers: the leave question both ways, settings
// dialogs accepted or cancelled, the list chooser with a list or cancelled.
//
// After every burst of input it checks that the exercise can still go on:
// no dialog is left open; a few "next" actions bring a new task or game;
// playback ends. Whenever the window closes and at the end, the pupil's
// results files must parse and every answered word stand once in its block.
// Every failed check is collected with the seed, the burst and the events.
#include "app/exercise_start.h"
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/word_list.h"
#include "dialogs/modal_run.h"
#include "dialogs/tf_opendialog.h"
#include "exercises/spiel2/tprog2.h"
#include "exercises/spiel3/tprog3.h"
#include "exercises/spiel5/tprog5.h"
#include "framework/exercise_shared.h"
#include "framework/list_window.h"
#include "framework/results_files.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "support/exercise_files.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/picture_fixtures.h"
#include "support/pupil_input.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMap>
#include <QRegularExpression>

#include <cstdio>
#include <iterator>
#include <memory>
#include <random>
#include <vector>

namespace robot {

// The lists the robot plays on: ordinary entries, entries without a picture
// or recording, a duplicate word, and lists of one and two entries.
enum class Content { Mixed, OneEntry, TwoEntries };

struct Variant {
    const char* name;     // "1", "1l", "2", "2a", "3" ... as on the command line
    Content content;
};

struct RunStats {
    long events = 0;      // input events sent
    long bursts = 0;
    long restarts = 0;    // windows closed by the pupil and opened again
    QStringList faults;   // every failed check, with seed, burst and events
};

class RobotPupil {
public:
    RobotPupil(const Variant& variant, unsigned seed) : variant_(variant), seed_(seed), rng_(seed)
    {
        SeedRandom(seed);
        MakeContent();
        SetMessageHook([this](const MessageRequest& r) { return AnswerMessage(r); });
        SetModalHook([this](QDialog& d) { return AnswerDialog(d); });
        clock_.OnAdvance([this](qint64) { DuringWait(); });
    }
    ~RobotPupil()
    {
        CloseWindow();
        SetMessageHook({});
        SetModalHook({});
    }
    RobotPupil(const RobotPupil&) = delete;
    RobotPupil& operator=(const RobotPupil&) = delete;

    // Plays `bursts` bursts of input with the checks after each one, then
    // leaves the exercise and checks the results files.
    const RunStats& Play(int bursts, int eventsPerBurst = 25)
    {
        OpenWindow();
        for (burst_ = 0; burst_ < bursts && stats_.faults.size() < 5; ++burst_) {
            ++stats_.bursts;
            for (int i = 0; i < eventsPerBurst; ++i) {
                if (!Alive())
                    Reopen();
                RandomEvent();
            }
            CheckBurst();
        }
        CloseWindow();
        CheckResultsFiles();
        return stats_;
    }

private:
    // ---- Content --------------------------------------------------------------

    void Recording(const QString& name, int ms = 150)
    {
        QByteArray data;
        for (int i = 0; i < 8 * ms; ++i)
            wavbytes::PutU16(data, quint16(1000 + (i % 7)));
        prog_.Write(name + QStringLiteral(".wav"), wavbytes::Wav(1, 8000, 16, data));
    }

    void MakeContent()
    {
        for (const char* name : {"sprache\\h\\Hund", "sprache\\k\\Katze", "sprache\\b\\Ball", "sprache\\e\\Esel",
                                 "pronomen\\der", "pronomen\\die", "Artikel\\der", "Artikel\\die",
                                 "Sounds\\bellen", "fun\\positiv\\jubel", "fun\\negativ\\oh"})
            Recording(QString::fromUtf8(name));
        for (char c = 'a'; c <= 'z'; ++c) {
            Recording(QStringLiteral("ABC\\w\\%1_").arg(QChar(c)), 250);
            Recording(QStringLiteral("ABC\\Lautiert\\%1_").arg(QChar(c)), 250);
        }
        prog_.Write("Bilder\\hund.png", Encode(SolidImage({40, 30}, Qt::red), "PNG"));
        prog_.Write("Bilder\\katze.png", Encode(SolidImage({40, 30}, Qt::blue), "PNG"));
        prog_.Write("fun\\memory\\back.png", Encode(SolidImage({20, 25}, Qt::darkBlue), "PNG"));
        const QString hund = QStringLiteral("der Hund;8 100xx 11;Bilder\\hund.png;sprache\\h\\Hund.wav;Sounds\\bellen.wav;der Hund");
        const QString katze = QStringLiteral("die Katze;8 100xx 11;Bilder\\katze.png;sprache\\k\\Katze.wav;;die Katze");
        const QString maus = QStringLiteral("Maus;8 100xx 11;Bild Maus;;;Maus");            // no recording
        const QString ball = QStringLiteral("Ball;;;sprache\\b\\Ball.wav;;Ball");           // no picture
        const QString esel = QStringLiteral("Esel;8 100xx 11;Bild Esel;sprache\\e\\Esel.wav;;Esel");
        WriteList("robot.txt", {hund, katze, maus, ball, esel, hund});   // the dog twice
        WriteList("eins.txt", {katze});
        WriteList("zwei.txt", {hund, esel});
        WriteTextTable(prog_, QStringLiteral("intern\\motiv.txt"), {"Super", "Toll", "Prima"});
        WriteTextTable(prog_, QStringLiteral("intern\\hinweis.txt"), {"Hinweis"});
        profile_ = prog_.Write("protokoll\\robo.ini", "");
        Program().currentProfilePath = profile_;
        Program().firstStart = true;
        ResultsHeaderFlag() = true;
        const char* list = variant_.content == Content::OneEntry   ? "eins.txt"
                           : variant_.content == Content::TwoEntries ? "zwei.txt"
                                                                     : "robot.txt";
        kind_ = ExerciseByName(QString::fromLatin1(variant_.name));
        options_ = ExerciseOptionsByName(QString::fromLatin1(variant_.name));
        section_ = ExerciseSection(kind_);
        SetProfileText(profile_, section_, "Dateiname", list);
        SetProfileText(profile_, section_, "Bildhinten", "fun\\memory\\back.png");
        SetProfileInt(profile_, section_, "Mit Sound", 2);
        SetProfileInt(profile_, section_, "Buchstabierpause", 1);
    }

    void WriteList(const char* file, const QStringList& rows)
    {
        QStringList lines = {QStringLiteral("Robot"), QStringLiteral("zweite Zeile")};
        lines += rows;
        prog_.Write(QStringLiteral("listen\\") + QString::fromLatin1(file),
                    EncodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        for (const QString& row : rows)
            ++wordCount_[file][row.section(u';', 0, 0)];
    }

    // ---- Dialogs --------------------------------------------------------------

    Answer AnswerMessage(const MessageRequest& r)
    {
        if (!r.question)
            return Answer::Ok;
        if (r.okCancel) {
            const Answer a = Chance(50) ? Answer::Ok : Answer::Cancel;
            Trace(QStringLiteral("message answered %1").arg(a == Answer::Ok ? "Ok" : "Cancel"));
            return a;
        }
        // The leave question: mostly No, so the game goes on.
        const Answer a = Chance(25) ? Answer::Yes : Answer::No;
        Trace(QStringLiteral("question answered %1").arg(a == Answer::Yes ? "Yes" : "No"));
        return a;
    }

    int AnswerDialog(QDialog& d)
    {
        ++stats_.events;
        if (auto* chooser = qobject_cast<TF_opendialog*>(&d)) {
            if (Chance(40)) {
                Trace(QStringLiteral("list chooser cancelled"));
                return int(TF_opendialog::Cancelled);
            }
            static const char* lists[] = {"robot.txt", "eins.txt", "zwei.txt"};
            const char* list = lists[Pick(3)];
            Trace(QStringLiteral("list chosen: %1").arg(QString::fromLatin1(list)));
            chooser->chosenFile = prog_.Path(QStringLiteral("listen/") + QString::fromLatin1(list));
            return int(TF_opendialog::Opened);
        }
        const bool ok = Chance(50);
        Trace(QStringLiteral("dialog %1 %2").arg(d.windowTitle(), ok ? QStringLiteral("accepted") : QStringLiteral("rejected")));
        return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
    }

    // ---- The window -------------------------------------------------------------

    void OpenWindow()
    {
        PrepareResults();
        const ExerciseStart* start = FindExerciseStart(kind_);
        window_ = start && start->make ? start->make(options_) : nullptr;
        if (!window_) {
            Fault(QStringLiteral("no window for variant"));
            return;
        }
        window_->resize(1024, 768);
        window_->show();
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        Run(3000);
    }

    void CloseWindow()
    {
        if (!window_)
            return;
        if (!window_->IsTornDown()) {
            SetMessageHook([](const MessageRequest&) { return Answer::Yes; });
            window_->close();
            for (int i = 0; i < 20 && !window_->IsTornDown(); ++i) {
                Run(500);
                window_->close();
            }
            SetMessageHook([this](const MessageRequest& r) { return AnswerMessage(r); });
            if (!window_->IsTornDown())
                Fault(QStringLiteral("the window cannot be closed"));
        }
        Run(0);
        window_.reset();
    }

    bool Alive() const { return window_ && !window_->IsTornDown() && window_->isVisible(); }

    void Reopen()
    {
        ++stats_.restarts;
        Run(0);
        window_.reset();
        CheckResultsFiles();
        OpenWindow();
    }

    // A pupil does not wait for the program: while the program waits on its
    // clock inside a handler (messages, "Taste!", a turn of the memory game),
    // keys and clicks keep coming now and then.
    void DuringWait()
    {
        if (injecting_ || checking_ || !window_)
            return;
        waitedMs_ += 10;
        if (waitedMs_ < 600 || waitedMs_ % 400 != 0)
            return;
        injecting_ = true;
        if (Alive())
            QueueInput();
        injecting_ = false;
    }

    // Input made while the program is busy waits in the queue, as a
    // person's does, until the program looks at its messages again.
    void QueueInput()
    {
        ++stats_.events;
        const auto targets = Targets();
        if (Chance(50) && !targets.empty()) {
            QWidget* target = targets[size_t(Pick(int(targets.size())))];
            Trace(QStringLiteral("queued click on %1").arg(Name(target)));
            const QPointF local = QPointF(target->rect().center());
            const QPointF global = QPointF(target->mapToGlobal(target->rect().center()));
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                                                Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
            return;
        }
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_Escape};
        const Qt::Key key = keys[Pick(int(std::size(keys)))];
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : key == Qt::Key_Return ? QStringLiteral("\r") : QString();
        QWidget* target = pupil::KeyTarget(window_.get());
        Trace(QStringLiteral("queued key %1 to %2").arg(QKeySequence(key).toString(), Name(target)));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    }

    void Run(int ms)
    {
        waitedMs_ = 0;
        QCoreApplication::processEvents();
        for (int t = 0; t < ms; t += 10) {
            waitedMs_ = 0;
            clock_.Advance(10);
            if (Alive() && window_->TicksRunning() && clock_.NowMs() % T_urahnlrb::kTickMs == 0)
                window_->Tick();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

    // ---- Input ---------------------------------------------------------------------

    // LIRABO_ROBOT_TRACE=1 prints every input and check to stderr.
    void Trace(const QString& what) const
    {
        static const bool on = qEnvironmentVariableIntValue("LIRABO_ROBOT_TRACE") != 0;
        if (on)
            std::fprintf(stderr, "robot %ld: %s [%s pending %d]\n", stats_.events, qPrintable(what), qPrintable(Progress()),
                         window_ && !window_->IsTornDown() ? window_->PendingCommand() : -1);
    }

    bool Chance(int percent) { return int(rng_() % 100) < percent; }
    int Pick(int n) { return n <= 0 ? 0 : int(rng_() % unsigned(n)); }

    std::vector<QWidget*> Targets() const
    {
        std::vector<QWidget*> targets;
        if (!window_)
            return targets;
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled()
                && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)))
                targets.push_back(w);
        return targets;
    }

    void RandomEvent()
    {
        if (!window_)
            return;
        if (Pick(100) >= 85) {
            Run(Pick(1500));
            return;
        }
        RandomInput();
        Run(Pick(4) * 10);
    }

    // One click, double click or key as a pupil makes it.
    void RandomInput()
    {
        ++stats_.events;
        QWidget* w = window_.get();
        const int kind = Pick(85);
        if (kind < 15) {
            // Drawn in this order (height first) so the kept seeds play as
            // they were found.
            const int y = Pick(w->height());
            const QPoint at(Pick(w->width()), y);
            Trace(QStringLiteral("click at %1,%2 on %3").arg(at.x()).arg(at.y()).arg(Name(pupil::WidgetAt(w, at))));
            pupil::ClickAt(w, at);
        } else if (kind < 45) {
            const auto targets = Targets();
            if (!targets.empty()) {
                const bool twice = Chance(15);
                QWidget* target = targets[size_t(Pick(int(targets.size())))];
                Trace(QStringLiteral("%1 on %2").arg(twice ? QStringLiteral("double click") : QStringLiteral("click"),
                                                     Name(target)));
                pupil::ClickOn(target, twice);
            }
        } else if (kind < 55) {
            const char c = char('a' + Pick(26));
            Trace(QStringLiteral("letter %1").arg(QChar::fromLatin1(c)));
            pupil::TypeChar(w, c);
        } else {
            static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Left, Qt::Key_Right,
                                           Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backspace,
                                           Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
            const Qt::Key key = keys[Pick(int(std::size(keys)))];
            Trace(QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), Name(pupil::KeyTarget(w))));
            pupil::PressKey(w, key);
        }
    }

    static QString Name(const QWidget* w)
    {
        if (!w)
            return QStringLiteral("none");
        if (auto* b = qobject_cast<const tdrbutton*>(w))
            return QStringLiteral("B%1").arg(b->Number());
        return w->objectName() + u'/' + QString::fromLatin1(w->metaObject()->className());
    }

    // ---- Checks ----------------------------------------------------------------------

    void Fault(const QString& what)
    {
        const QString text = QStringLiteral("variant %1 seed %2 burst %3 event %4: %5")
                                 .arg(QString::fromLatin1(variant_.name))
                                 .arg(seed_)
                                 .arg(burst_)
                                 .arg(stats_.events)
                                 .arg(what);
        Trace(QStringLiteral("FAULT ") + text);
        if (!stats_.faults.contains(text))
            stats_.faults << text;
    }

    void CheckNoDialog()
    {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_.get())
            Fault(QStringLiteral("a dialog is left open: ") + modal->windowTitle());
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && (qobject_cast<QDialog*>(top)))
                Fault(QStringLiteral("a dialog is left open: ") + top->windowTitle());
    }

    // What shows that the exercise went on: another task or another deal.
    QString Progress() const
    {
        if (!Alive())
            return QStringLiteral("closed");
        if (auto* memory = qobject_cast<Tprog5*>(window_.get())) {
            QString deal;
            for (const MemoryCard& c : memory->Game().Cards())
                deal += QString::number(c.entry) + QString::number(int(c.state)) + u',';
            return deal + QString::number(memory->CardTexts().size());
        }
        const WordEntry* entry = window_->CurrentEntry();
        return QStringLiteral("%1 %2 %3").arg(window_->Position()).arg(quintptr(entry)).arg(window_->ListFile());
    }

    void CheckBurst()
    {
        Run(200);
        CheckNoDialog();
        if (!Alive())
            Reopen();
        if (!Alive())
            return;
        if (SharedExerciseState().ticksPaused)
            Fault(QStringLiteral("the ticks stay paused"));
        CheckGoesOn();
        // Playback ends when nobody does anything.
        Run(20000);
        bool sounding = Alive() && window_->SoundPlaying();
        for (int c = 0; c < kAudioChannelCount; ++c)
            sounding = sounding || audio_.IsSounding(AudioChannel(c));
        if (sounding)
            Fault(QStringLiteral("a sound plays on without end"));
    }

    // The pupil tries the "next" actions calmly, one after the other: input
    // queued meanwhile could step on and back again (a list of two entries,
    // "Lernkartei") and hide that the exercise went on.
    void CheckGoesOn()
    {
        checking_ = true;
        TryToGoOn();
        checking_ = false;
    }

    void TryToGoOn()
    {
        // A list of one entry (also one chosen through "Datei") shows the
        // same task again; nothing to compare.
        const bool memory = qobject_cast<Tprog5*>(window_.get()) != nullptr;
        if (!memory && (!window_->CurrentList() || window_->CurrentList()->Count() < 2))
            return;
        const QString before = Progress();
        // A solved task and a won game go on without the arrow button or "Neu":
        // the pupil presses Enter or Space or clicks a picture, or just waits.
        if (MustGoOnByItself()) {
            for (int attempt = 0; attempt < 5; ++attempt) {
                QWidget* w = window_.get();
                Trace(QStringLiteral("check: go on attempt %1").arg(attempt));
                switch (attempt) {
                case 0: break;   // a won game deals the next one by itself
                case 1: pupil::PressKey(w, Qt::Key_Return); break;
                case 2: pupil::PressKey(w, Qt::Key_Space); break;
                case 3: ClickNumber(101); break;
                case 4: ClickNumber(102); break;
                }
                ++stats_.events;
                Run(3000);
                if (!Alive() || Progress() != before)
                    return;
            }
            QWidget* focus = QApplication::focusWidget();
            Fault(QStringLiteral("a solved task or won game does not go on by Enter, Space or a picture "
                                 "(pending %1, focus %2, entries %3, position %4)")
                      .arg(window_->PendingCommand())
                      .arg(focus ? focus->objectName() + u'/' + QString::fromLatin1(focus->metaObject()->className())
                                 : QStringLiteral("none"))
                      .arg(window_->CurrentList() ? window_->CurrentList()->Count() : -1)
                      .arg(window_->Position()));
            return;
        }
        for (int attempt = 0; attempt < 8; ++attempt) {
            if (!Alive())
                return;
            QWidget* w = window_.get();
            Trace(QStringLiteral("check: next attempt %1").arg(attempt));
            switch (attempt % 4) {
            case 0: pupil::PressKey(w, Qt::Key_Return); break;
            case 1: pupil::PressKey(w, Qt::Key_Space); break;
            case 2: ClickNumber(memory ? Tprog5::kNewGameButton : T_urahnlrb1::kNext); break;
            case 3: ClickNumber(101); break;   // the first picture, field or card
            }
            ++stats_.events;
            Run(4000);
            if (Progress() != before)
                return;
        }
        Fault(QStringLiteral("the exercise does not go on (Enter, Space, next, picture)"));
    }

    bool MustGoOnByItself() const
    {
        if (auto* memory = qobject_cast<Tprog5*>(window_.get()))
            return memory->Game().AllTaken() && !memory->Game().Cards().empty();
        if (auto* pictures = qobject_cast<Tprog3*>(window_.get()))
            return pictures->TaskSolved();
        if (auto* words = qobject_cast<Tprog2*>(window_.get()))
            return words->TaskSolved();
        return false;
    }

    void ClickNumber(int number)
    {
        if (tdrbutton* b = window_->ButtonHandleByNumber(number); b && b->isVisible())
            pupil::ClickOn(b);
    }

    // Every answered word stands once in its block (as often as the list
    // holds it), in the protocol and in the certificate data; the error list
    // loads.
    void CheckResultsFiles()
    {
        for (const char* extension : {".txt", ".zgn"}) {
            const QString file = QStringLiteral("protokoll/robo") + QString::fromLatin1(extension);
            if (!QFile::exists(prog_.Path(file)))
                continue;
            const QString text = DecodeCp1252(prog_.Read(file));
            QMap<QString, int> seen;
            QString list;
            static const QRegularExpression row(QStringLiteral("^(.{20,21}) = "));
            for (const QString& line : text.split(QStringLiteral("\r\n"))) {
                if (line.startsWith(QStringLiteral("Datei: "))) {
                    list = line.mid(7);
                    seen.clear();
                    continue;
                }
                if (line.startsWith(QStringLiteral("Programm: ")) || line.startsWith(u'*')) {
                    seen.clear();
                    continue;
                }
                const auto m = row.match(line);
                if (!m.hasMatch())
                    continue;
                const QString word = m.captured(1).trimmed();
                const int allowed = qMax(1, wordCount_.value(list.section(u'\\', -1).toLatin1()).value(word));
                if (++seen[word] > allowed)
                    Fault(QStringLiteral("\"%1\" stands twice in a block of %2 (%3)")
                              .arg(word, QString::fromLatin1(extension), list));
            }
            static const QRegularExpression emptyBlock(QStringLiteral("(^|\r\n)-{42}\r\n(\r\n|$)"));
            if (emptyBlock.match(text).hasMatch())
                Fault(QStringLiteral("an empty block in ") + QString::fromLatin1(extension));
        }
        std::unique_ptr<tmoiel> errors;
        const QString fhl = prog_.Path(QStringLiteral("protokoll/robo.fhl"));
        if (QFile::exists(fhl) && (!Load(errors, fhl, true) || !errors))
            Fault(QStringLiteral("the error list does not load"));
    }

    Variant variant_;
    unsigned seed_;
    std::mt19937 rng_;
    TempProgram prog_;
    FakeClock clock_;
    FakeAudioDevice audio_{clock_};
    QString profile_;
    QString section_;
    ExerciseKind kind_ = ExerciseKind::None;
    ExerciseStartOptions options_;
    std::unique_ptr<T_urahnlrb> window_;
    QMap<QByteArray, QMap<QString, int>> wordCount_;
    int burst_ = 0;
    int waitedMs_ = 0;        // program time spent waiting inside one step
    bool injecting_ = false;
    bool checking_ = false;   // the checks try to go on: no input queued meanwhile
    RunStats stats_;
};

} // namespace robot
