#pragma once
// A program folder for exercise 1 with a small list, recordings whose first
// sample names them, praise and hint tables and a profile; the window runs on
// the fake clock and the fake sound device.
#include "data/exercise_settings.h"
#include "exercises/spiel1/tprog1.h"
#include "exercises/spiel1/typing_editor.h"
#include "dialogs/modal_run.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/text_codec.h"
#include "support/fake_audio_device.h"
#include "support/exercise_files.h"
#include "support/fake_clock.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"
#include "support/window_time.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

class Exercise1Test : public ::testing::Test {
protected:
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice audio{clock};
    QString profile;
    QString section = Section::kHoerenUndSchreiben;
    std::unique_ptr<Tprog1> w;
    QStringList messages;  // texts shown in place of the word
    int keysForTaste = 0;  // "Taste!" waits answered with a key
    bool pictureAtTaste = false;  // the picture was visible during the last wait
    std::function<void()> onTaste;  // answers a "Taste!" wait instead of the space key

    void SetUp() override
    {
        for (const char* name : {"sprache\\h\\Hund", "sprache\\k\\Katze", "sprache\\b\\Ball", "pronomen\\der",
                                 "pronomen\\die", "Sounds\\bellen", "Sounds\\Hund der", "fun\\gewonnen",
                                 "fun\\verloren", "fun\\holz", "fun\\zeilenende", "ABC\\w\\h_", "ABC\\w\\u_",
                                 "ABC\\w\\n_", "ABC\\w\\d_", "ABC\\Lautiert\\h_", "ABC\\Lautiert\\u_",
                                 "ABC\\Lautiert\\n_", "ABC\\Lautiert\\d_"})
            Sound(QString::fromUtf8(name));
        List({"der Hund;8 100xx 11;Hundebild;Sounds\\Hund der.wav;Sounds\\bellen.wav;der Hund",
              "die Katze;8 100xx 11;Katzenbild;;;die Katze", "Ball;8 100xx 11;Ballbild;;;Ball"});
        Table("intern\\motiv.txt", {"Super", "Toll", "Prima"});
        Table("intern\\hinweis.txt", {"Hinweis 0", "Hinweis 1", "Hinweis 2", "Hinweis 3", "Hinweis 4", "Hinweis 5"});
        profile = prog.Write("protokoll\\jeder.ini", "");
        Program().currentProfilePath = profile;
        SetText("Dateiname", "test.txt");
        Set("Mit Sound", 1);
        Set("Mit_ton", 0);
        Set("Buchstabierpause", 0);
        SetMessageHook([](const MessageRequest&) { return Answer::Yes; });
        // No chooser may open: every test names its list.
        SetModalHook([](QDialog& d) {
            ADD_FAILURE() << "unexpected dialog " << d.windowTitle().toStdString();
            return int(QDialog::Rejected);
        });
        clock.OnAdvance([this](qint64) {
            if (w && w->WaitingForKey()) {
                ++keysForTaste;
                pictureAtTaste = w->PictureVisible();
                if (onTaste) {
                    onTaste();
                    return;
                }
                SendKey(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                SendKey(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            }
        });
    }
    void TearDown() override
    {
        w.reset();
        SetMessageHook({});
        SetModalHook({});
    }

    // A recording whose first sample tells which file it is.
    void Sound(const QString& name) { recordings.Write(prog, name); }
    void List(const QStringList& rows) { WriteTestList(prog, rows); }
    void Table(const QString& file, const QStringList& texts) { WriteTextTable(prog, file, texts); }
    void Set(const char* key, int value) { SetProfileInt(profile, section, key, value); }
    void SetText(const char* key, const char* value) { SetProfileText(profile, section, key, value); }

    void Open(bool lautier = false)
    {
        if (lautier) {
            section = Section::kLautieruebung;
            SetText("Dateiname", "test.txt");
        }
        w = std::make_unique<Tprog1>(lautier);
        QObject::connect(w.get(), &Tprog1::messageShown, [this](const QString& t) { messages << t; });
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        Run(0);
    }
    void Run(int ms) { RunWindowTime(clock, w.get(), ms); }
    void Press(int button)
    {
        w->PressButton(button);
        Run(0);
    }
    // Keys as the pupil types them, each followed by a little time.
    void Type(const QString& text)
    {
        for (const QChar c : text) {
            const int key = c == u' ' ? int(Qt::Key_Space) : int(c.toUpper().unicode());
            const Qt::KeyboardModifiers mods = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            SendKey(QEvent::KeyPress, key, mods, QString(c));
            SendKey(QEvent::KeyRelease, key, mods, QString(c));
            Run(50);
        }
    }
    void Key(Qt::Key key)
    {
        SendKey(QEvent::KeyPress, key, Qt::NoModifier, QString());
        SendKey(QEvent::KeyRelease, key, Qt::NoModifier, QString());
        Run(50);
    }
    // A key event to the widget with the focus, through the application's
    // filters as a real key would go.
    void SendKey(QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text)
    {
        QWidget* target = w->focusWidget() ? w->focusWidget() : w.get();
        QKeyEvent event(type, key, mods, text);
        QApplication::sendEvent(target, &event);
    }
    // The names of the recordings played since the last call, as
    // "button:<name>" or "simple:<name>".
    QStringList Played()
    {
        QStringList names;
        for (size_t i = taken_; i < audio.plays.size(); ++i) {
            const auto& p = audio.plays[i];
            const QString prefix = p.channel == AudioChannel::Button ? QStringLiteral("button:")
                                   : p.channel == AudioChannel::Simple ? QStringLiteral("simple:")
                                                                       : QStringLiteral("range:");
            names << prefix + recordings.NameOf(p);
        }
        taken_ = audio.plays.size();
        return names;
    }
    QString Line() const { return w->Typing().Line().text; }
    QString WordShown() const { return w->Typing().Expected(); }

private:
    NamedRecordings recordings;
    size_t taken_ = 0;
};
