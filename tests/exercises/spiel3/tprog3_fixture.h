#pragma once
// A program folder for the picture exercises ("Bild zum Wort", "Bild zum
// Ton", "Lesen lernen"): a list whose pictures are texts (nothing to decode),
// recordings whose first sample names them, praise and hint tables and a
// profile; the window runs on the fake clock and the fake sound device.
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/modal_run.h"
#include "exercises/spiel3/tprog3.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "support/fake_audio_device.h"
#include "support/exercise_files.h"
#include "support/fake_clock.h"
#include "support/pupil_input.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <map>
#include <memory>

class PictureExerciseTest : public ::testing::Test {
protected:
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice audio{clock};
    QString profile;
    QString section = Section::kBildZumWort;
    std::unique_ptr<Tprog3> w;

    void SetUp() override
    {
        SeedRandom(7);
        for (const char* name : {"sprache\\h\\Hund", "sprache\\k\\Katze", "sprache\\m\\Maus", "sprache\\b\\Ball",
                                 "pronomen\\der", "pronomen\\die", "Sounds\\bellen"})
            Sound(QString::fromUtf8(name));
        Rows({"Hund", "Katze", "Maus", "Ball", "Baum"});
        Table("intern\\motiv.txt", {"Super", "Toll", "Prima"});
        Table("intern\\hinweis.txt", {"Hinweis 0", "Hinweis 1"});
        profile = prog.Write("protokoll\\jeder.ini", "");
        Program().currentProfilePath = profile;
        SetMessageHook([](const MessageRequest&) { return Answer::Yes; });
        SetModalHook([](QDialog& d) {
            ADD_FAILURE() << "unexpected dialog " << d.windowTitle().toStdString();
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        w.reset();
        SetMessageHook({});
        SetModalHook({});
    }

    // The section's list keys and settings for the next window.
    void Prepare(const QString& sectionName, int bilderanzahl, int mitSound = 1)
    {
        section = sectionName;
        SetText("Dateiname", "test.txt");
        Set("Bilderanzahl", bilderanzahl);
        Set("Mit Sound", mitSound);
        Set("Mit_ton", 0);
        Set("Motivation", 2);
        Set("Buchstabierpause", 0);
    }

    // A recording whose first sample tells which file it is.
    void Sound(const QString& name, int frames = 800, int rate = 8000)
    {
        const qint16 id = qint16(1000 + 10 * int(ids.size()));
        QByteArray data;
        for (int i = 0; i < frames; ++i)
            wavbytes::PutU16(data, quint16(id));
        prog.Write(name + QStringLiteral(".wav"), wavbytes::Wav(1, rate, 16, data));
        ids[id] = name.section(u'\\', -1);
    }
    // One list row per word: "<word>;8 100xx 11;Bild <word>;<speech>;<noise>;<word>".
    void Rows(const QStringList& words, const QStringList& speech = {})
    {
        QStringList rows;
        for (qsizetype i = 0; i < words.size(); ++i)
            rows << QStringLiteral("%1;8 100xx 11;Bild %1;%2;;%1").arg(words[i], i < speech.size() ? speech[i] : QString());
        WriteTestList(prog, rows);
    }
    void Table(const QString& file, const QStringList& texts) { WriteTextTable(prog, file, texts); }
    void Set(const char* key, int value) { SetProfileInt(profile, section, key, value); }
    void SetText(const char* key, const char* value) { SetProfileText(profile, section, key, value); }

    template <class Window = Tprog3>
    Window& Open()
    {
        auto window = std::make_unique<Window>();
        Window& ref = *window;
        w = std::move(window);
        w->resize(1200, 800);
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        Run(0);
        return ref;
    }
    // Lets ms of program time pass in steps, running what is queued; the
    // window's tick follows the fake clock.
    void Run(int ms)
    {
        QCoreApplication::processEvents();
        for (int t = 10; t <= ms; t += 10) {
            clock.Advance(10);
            if (w && w->TicksRunning() && t % T_urahnlrb::kTickMs == 0)
                w->Tick();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
    // A click on the picture field, at the widget under its middle.
    void Click(int field)
    {
        pupil::ClickOn(w->Field(field));
        Run(0);
    }
    // A key to the widget with the focus.
    void Key(Qt::Key key)
    {
        pupil::PressKey(w.get(), key);
        Run(0);
    }
    // A picture field that is not the right one.
    int WrongField() const
    {
        for (int f = Tprog3::kFirstPicture; f <= w->LastPicture(); ++f)
            if (f != w->RightField() && w->SlotOfField(f) >= 0)
                return f;
        return 0;
    }
    // The recordings played since the last call, as "button:<name>" or "range:<name>".
    QStringList Played()
    {
        QStringList names;
        for (size_t i = taken_; i < audio.plays.size(); ++i) {
            const auto& p = audio.plays[i];
            const QByteArray bytes = p.clip->Bytes();
            const qint16 id = bytes.size() >= 2 ? qFromLittleEndian<qint16>(bytes.constData()) : 0;
            const auto it = ids.find(id);
            const QString prefix = p.channel == AudioChannel::Button ? QStringLiteral("button:")
                                   : p.channel == AudioChannel::Simple ? QStringLiteral("simple:")
                                                                       : QStringLiteral("range:");
            names << prefix + (it != ids.end() ? it->second : QStringLiteral("?"));
        }
        taken_ = audio.plays.size();
        return names;
    }
    // Closes the window as the end button does (the question answered Yes).
    void Close()
    {
        pupil::ClickOn(w->ButtonHandleByNumber(T_urahnlrb1::kEnd));
        Run(0);
    }
    QString Results(const char* extension) const
    {
        return DecodeCp1252(prog.Read(QStringLiteral("protokoll/jeder") + QString::fromLatin1(extension)));
    }
    // For sounds written by a test itself.
    void Name(qint16 id, const QString& name) { ids[id] = name; }

private:
    std::map<qint16, QString> ids;
    size_t taken_ = 0;
};
