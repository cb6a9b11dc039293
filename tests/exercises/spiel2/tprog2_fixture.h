#pragma once
// A program folder for exercise 2 with a small list, recordings whose first
// sample names them, feedback sounds, praise table and a profile; the window
// runs on the fake clock and the fake sound device.
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "framework/results_files.h"
#include "dialogs/modal_run.h"
#include "controls/tdrbutton.h"
#include "exercises/spiel2/tprog2.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "sound/fun_sounds.h"
#include "support/fake_audio_device.h"
#include "support/exercise_files.h"
#include "support/fake_clock.h"
#include "support/pupil_input.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <map>
#include <memory>

class Exercise2Test : public ::testing::Test {
protected:
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice audio{clock};
    QString profile;
    const QString section = Section::kWelchesWortStimmt;
    std::unique_ptr<Tprog2> w;
    QStringList messages;        // texts typed or shown on the word fields
    QStringList questions;       // message boxes asked
    Answer leaveAnswer = Answer::Yes;

    void SetUp() override
    {
        SeedRandom(5);
        for (const char* name : {"sprache\\h\\Hund", "sprache\\k\\Katze", "sprache\\b\\Ball", "pronomen\\der",
                                 "pronomen\\die", "Artikel\\der", "Sounds\\bellen", "Sounds\\Hund der",
                                 "fun\\positiv\\jubel", "fun\\negativ\\oh"})
            Sound(QString::fromUtf8(name));
        List({"der Hund;8 100xx 11;Hundebild;Sounds\\Hund der.wav;Sounds\\bellen.wav;der Hund",
              "die Katze;8 100xx 11;Katzenbild;;;die Katze", "Ball;8 100xx 11;Ballbild;;;Ball"});
        Table("intern\\motiv.txt", {"Super", "Toll", "Prima"});
        Table("intern\\hinweis.txt", {"Hinweis 0"});
        profile = prog.Write("protokoll\\jeder.ini", "");
        Program().currentProfilePath = profile;
        ResultsHeaderFlag() = true;
        SetText("Dateiname", "test.txt");
        Set("Mit Sound", 2);
        Set("mitArtikel", 1);
        Set("Felderanzahl", 3);
        Set("Motivation", 2);
        LoadFunSounds();
        SetMessageHook([this](const MessageRequest& m) {
            questions << m.text;
            return leaveAnswer;
        });
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

    // A recording whose first sample tells which file it is.
    void Sound(const QString& name)
    {
        const qint16 id = qint16(1000 + 10 * int(ids_.size()));
        QByteArray data;
        for (int i = 0; i < 800; ++i)  // 100 ms at 8000 Hz
            wavbytes::PutU16(data, quint16(id));
        prog.Write(name + QStringLiteral(".wav"), wavbytes::Wav(1, 8000, 16, data));
        ids_[id] = name.section(u'\\', -1);
    }
    void List(const QStringList& rows) { WriteTestList(prog, rows); }
    void Table(const QString& file, const QStringList& texts) { WriteTextTable(prog, file, texts); }
    void Set(const char* key, int value) { SetProfileInt(profile, section, key, value); }
    void SetText(const char* key, const char* value) { SetProfileText(profile, section, key, value); }

    void Open(bool uncover = false)
    {
        w = std::make_unique<Tprog2>(uncover);
        QObject::connect(w.get(), &Tprog2::messageShown, [this](const QString& t) { messages << t; });
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        Run(0);
    }
    // Lets ms of program time pass in steps, running what is queued; the
    // window's 100 ms tick follows the fake clock.
    void Run(int ms)
    {
        QCoreApplication::processEvents();
        for (int t = 0; t < ms; t += 10) {
            clock.Advance(10);
            if (w && w->TicksRunning() && clock.NowMs() % T_urahnlrb::kTickMs == 0)
                w->Tick();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
    // A key to the widget with the focus.
    void Key(Qt::Key key)
    {
        pupil::PressKey(w.get(), key);
        Run(50);
    }
    // A click on the word field, at the widget under its middle.
    void Click(int field)
    {
        pupil::ClickOn(w->ButtonHandleByNumber(field));
        Run(50);
    }
    // A visible field that is not the right one.
    int WrongField() const
    {
        for (int f = Tprog2::kFirstWord; f < Tprog2::kFirstWord + w->FieldCount(); ++f)
            if (f != w->RightField() && !w->FieldCaption(f).isEmpty())
                return f;
        return 0;
    }
    QString Mark(int i) const { return w->CurrentList()->Entry(i)->Answer(); }
    QString ReadText(const QString& extension) const
    {
        QFile f(ChangeExtension(profile, extension));
        return f.open(QIODevice::ReadOnly) ? DecodeCp1252(f.readAll()) : QString();
    }
    bool Exists(const QString& extension) const { return QFile::exists(ChangeExtension(profile, extension)); }
    // The names of the recordings played since the last call, as
    // "button:<name>" or "simple:<name>".
    QStringList Played()
    {
        QStringList names;
        for (size_t i = taken_; i < audio.plays.size(); ++i) {
            const auto& p = audio.plays[i];
            const QByteArray bytes = p.clip->Bytes();
            const qint16 id = bytes.size() >= 2 ? qFromLittleEndian<qint16>(bytes.constData()) : 0;
            const auto it = ids_.find(id);
            const QString prefix = p.channel == AudioChannel::Button ? QStringLiteral("button:")
                                   : p.channel == AudioChannel::Simple ? QStringLiteral("simple:")
                                                                       : QStringLiteral("range:");
            names << prefix + (it != ids_.end() ? it->second : QStringLiteral("?"));
        }
        taken_ = audio.plays.size();
        return names;
    }

private:
    std::map<qint16, QString> ids_;
    size_t taken_ = 0;
};
