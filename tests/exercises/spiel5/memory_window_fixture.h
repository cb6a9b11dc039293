#pragma once
// A program folder for the memory games: a list of animals with pictures
// and noises, recordings of the nouns and articles whose first sample names
// them, a praise table and a profile; the window runs on the fake clock and
// the fake sound device.
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/modal_run.h"
#include "exercises/spiel5/tprog5.h"
#include "exercises/spiel6/tprog6.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/pupil_input.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"
#include "support/window_time.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <map>
#include <memory>

class MemoryWindowTest : public ::testing::Test {
protected:
    TempProgram prog;
    FakeClock clock;
    FakeAudioDevice audio{clock};
    QString profile;
    QString section = Section::kBildMemory;
    std::unique_ptr<Tprog5> w;
    QStringList questions;
    Answer leaveAnswer = Answer::Yes;
    QStringList dialogs;

    static constexpr const char* kAnimals[] = {"Hund", "Katze", "Maus", "Kuh", "Ziege", "Esel"};

    void SetUp() override
    {
        SeedRandom(5);
        QStringList rows;
        int n = 0;
        for (const char* animal : kAnimals) {
            const QString name = QString::fromLatin1(animal);
            const QString article = n % 2 ? QStringLiteral("die") : QStringLiteral("der");
            prog.Write(QStringLiteral("Bilder\\%1.png").arg(name.toLower()),
                       Encode(SolidImage({40, 30}, QColor::fromHsv(n * 50, 200, 200)), "PNG"));
            Sound(QStringLiteral("sprache\\%1\\%2").arg(name.left(1).toLower(), name));
            Sound(QStringLiteral("Sounds\\%1 laut").arg(name));
            rows << QStringLiteral("%1 %2;7 95 x4 11;Bilder\\%3.png;;Sounds\\%2 laut.wav;%1 %2")
                        .arg(article, name, name.toLower());
            ++n;
        }
        List(rows);
        Sound(QStringLiteral("pronomen\\der"));
        Sound(QStringLiteral("pronomen\\die"));
        prog.Write("fun\\memory\\back.png", Encode(SolidImage({20, 25}, Qt::darkBlue), "PNG"));
        QStringList praise = {QStringLiteral("Tabelle"), QStringLiteral("Stimmen")};
        for (const char* t : {"Super", "Toll"})
            praise << QStringLiteral(";;;%1;%1;%1").arg(QString::fromLatin1(t));
        prog.Write("intern\\motiv.txt", EncodeCp1252(praise.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        profile = prog.Write("protokoll\\jeder.ini", "");
        Program().currentProfilePath = profile;
        SetMessageHook([this](const MessageRequest& r) {
            questions << r.text;
            return leaveAnswer;
        });
        SetModalHook([this](QDialog& d) {
            dialogs << QString::fromLatin1(d.metaObject()->className());
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        w.reset();
        SetMessageHook({});
        SetModalHook({});
    }

    void UseSection(const QString& name)
    {
        section = name;
        SetText("Dateiname", "tiere.txt");
        SetText("Bildhinten", "fun\\memory\\back.png");
        Set("Mit_ton", 0);
    }
    void Sound(const QString& name) { recordings_.Write(prog, name); }
    void List(const QStringList& rows)
    {
        QStringList lines = {QStringLiteral("Tiere"), QStringLiteral("zweite Zeile")};
        lines += rows;
        prog.Write("listen\\tiere.txt", EncodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }
    void Set(const char* key, int value) { Ini::WriteInt(profile, section, QString::fromUtf8(key), value); }
    void SetText(const char* key, const char* value)
    {
        Ini::WriteString(profile, section, QString::fromUtf8(key), QString::fromUtf8(value));
    }

    void Open(bool soundMemory = false)
    {
        if (soundMemory)
            w = std::make_unique<Tprog6>();
        else
            w = std::make_unique<Tprog5>();
        w->resize(1280, 800);
        w->show();
        Run(0);
    }
    void Run(int ms) { RunWindowTime(clock, w.get(), ms); }
    // Clicks a card and lets the turn play out (the computer's turns too).
    void Click(int card)
    {
        pupil::ClickOn(w->ButtonHandleByNumber(card));
        Run(50);
        for (int i = 0; i < 20 && (w->Play().Busy() || w->Play().ComputerPress() != 0); ++i)
            Run(100);
    }
    void Key(Qt::Key key)
    {
        pupil::PressKey(w.get(), key);
        Run(10);
    }
    CardState StateOf(int card) const { return w->Game().Card(card)->state; }
    // Two face-down cards of different entries, or the two of one entry
    // (also when only one pair is left face down).
    std::pair<int, int> Cards(bool pair) const
    {
        std::map<int, std::vector<int>> byEntry;
        const auto& cards = w->Game().Cards();
        for (size_t i = 0; i < cards.size(); ++i)
            if (cards[i].state == CardState::FaceDown)
                byEntry[cards[i].entry].push_back(MemoryGame::NumberOf(int(i)));
        std::vector<std::vector<int>> pairs;
        for (const auto& [entry, numbers] : byEntry)
            if (numbers.size() == 2)
                pairs.push_back(numbers);
        if (pairs.empty())
            return {0, 0};
        if (pair || pairs.size() < 2)
            return {pairs[0][0], pairs[0][1]};
        return {pairs[0][0], pairs[1][0]};
    }
    // The recordings played since the last call ("Hund", "der", ...).
    QStringList Played()
    {
        QStringList names;
        for (size_t i = taken_; i < audio.plays.size(); ++i)
            names << recordings_.NameOf(audio.plays[i]);
        taken_ = audio.plays.size();
        return names;
    }

private:
    NamedRecordings recordings_;
    size_t taken_ = 0;
};
