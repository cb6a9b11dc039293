// The list-driven window driven through the minimal test exercise.
#include "framework/list_window.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/idle_check.h"
#include "dialogs/modal_run.h"
#include "dialogs/tf_opendialog.h"
#include "framework/number_box.h"
#include "framework/results_files.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/text_codec.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"
#include "test_exercise.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kSection = QStringLiteral("Bild zum Wort");

QByteArray ListFile(const QStringList& words)
{
    QByteArray bytes = "Tiere\r\nzweite Zeile\r\n";
    for (const QString& w : words)
        bytes += (w + ";8 100xx 11;;;;" + w + "\r\n").toLatin1();
    return bytes;
}

// A program folder with two lists and a profile that names the first.
struct Folder {
    TempProgram prog;
    QString profile;
    Folder()
    {
        prog.Write("listen\\tiere.txt", ListFile({"Hund", "Katze", "Maus", "Pferd"}));
        prog.Write("listen\\mehr\\obst.txt", ListFile({"Apfel", "Birne"}));
        profile = prog.Write("protokoll\\jeder.ini", "");
        Program().currentProfilePath = profile;
        Ini::WriteString(profile, kSection, "Dateiname", "tiere.txt");
    }
    void Set(const char* key, int value) const { Ini::WriteInt(profile, kSection, QString::fromUtf8(key), value); }
};

// Answers the list chooser with the next of the given files (empty:
// "Abbrechen") and counts how often it was opened.
struct ChooserAnswer {
    int opened = 0;
    QStringList answers;
    ChooserAnswer()
    {
        SetModalHook([this](QDialog& d) {
            auto* dialog = qobject_cast<TF_opendialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            ++opened;
            const QString file = answers.isEmpty() ? QString() : answers.takeFirst();
            if (!dialog || file.isEmpty())
                return int(TF_opendialog::Cancelled);
            dialog->chosenFile = file;
            return int(TF_opendialog::Opened);
        });
    }
    ~ChooserAnswer() { SetModalHook({}); }
    void Next(const QString& file) { answers << file; }
};

struct LeaveAnswer {
    int asked = 0;
    explicit LeaveAnswer(Answer a)
    {
        SetMessageHook([this, a](const MessageRequest& r) {
            if (r.text == QStringLiteral("Wirklich verlassen?") && r.title == QStringLiteral("Frage"))
                ++asked;
            return a;
        });
    }
    ~LeaveAnswer() { SetMessageHook({}); }
};

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

TEST(ListWindow, OpensTheListAtTheStoredPositionAndSteps)
{
    Folder f;
    f.Set("Listenstelle", 2);
    TestExercise w;
    w.show();
    Settle();
    ASSERT_NE(w.CurrentList(), nullptr);
    EXPECT_EQ(w.CurrentList()->Count(), 4);
    EXPECT_EQ(w.word->text(), QStringLiteral("Maus"));
    EXPECT_EQ(w.ListNameCaption(), QStringLiteral("tiere.txt"));
    EXPECT_EQ(w.NumberBox()->text(), QStringLiteral("3"));
    EXPECT_TRUE(w.TicksRunning());

    // Button presses reach the exercise with code 2.
    w.PressButton(T_urahnlrb1::kNext);
    Settle();
    EXPECT_EQ(w.word->text(), QStringLiteral("Pferd"));
    w.PressButton(T_urahnlrb1::kPrevious);
    w.PressButton(T_urahnlrb1::kPrevious);
    Settle();
    EXPECT_EQ(w.word->text(), QStringLiteral("Katze"));
    EXPECT_EQ(w.NumberBox()->text(), QStringLiteral("2"));
    ASSERT_GE(w.commands.size(), 3u);
    EXPECT_EQ(w.commands.back(), std::make_pair(12, 2));
}

TEST(ListWindow, NumberBoxGoesToTheEntryLimitedToTheList)
{
    Folder f;
    TestExercise w;
    w.show();
    Settle();
    const struct {
        const char* typed;
        const char* word;
    } cases[] = {{"3", "Maus"}, {"0", "Hund"}, {"-5", "Hund"}, {"99", "Pferd"}, {"2", "Katze"}, {"x", "Katze"}};
    for (const auto& c : cases) {
        w.CommitNumberBox(QString::fromLatin1(c.typed));
        Settle();
        EXPECT_EQ(w.word->text(), QString::fromLatin1(c.word)) << c.typed;
    }
}

TEST(ListWindow, MitSoundZeroHidesTheSoundPanelAndSwitchesSoundOff)
{
    for (int mitSound : {0, 1, 2}) {
        Folder f;
        f.Set("Mit Sound", mitSound);
        TestExercise w;
        w.show();
        Settle();
        EXPECT_EQ(w.SoundPanelVisible(), mitSound != 0) << mitSound;
        EXPECT_EQ(w.SpeechBox()->isVisible(), mitSound != 0);
        EXPECT_EQ(w.NoiseBox()->isVisible(), mitSound != 0);
        EXPECT_EQ(w.SpeechOn(), mitSound == 2);
        EXPECT_FALSE(w.NoiseOn());
    }
}

TEST(ListWindow, SoundBoxesSetMitSoundAndCapitalsShowInUpperCase)
{
    Folder f;
    f.Set("Auto2", 1);
    TestExercise w;
    w.show();
    Settle();
    EXPECT_EQ(w.word->text(), QStringLiteral("HUND"));
    w.SpeechBox()->setChecked(false);
    EXPECT_EQ(ExerciseSettings().mitSound, 1);   // both off: no sound
    w.NoiseBox()->setChecked(true);
    EXPECT_TRUE(w.NoiseOn());
    EXPECT_EQ(w.SoundNumber(), 1);
    EXPECT_EQ(ExerciseSettings().mitSound, 2);   // raised again
}

TEST(ListWindow, SoundBoxCaptionsFitTheirBarAtEveryScreenSize)
{
    Folder f;
    TestExercise w;
    w.show();
    for (QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        w.resize(screen);
        Settle();
        for (QCheckBox* box : {w.SpeechBox(), w.NoiseBox()})
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString() << " at " << screen.width();
        EXPECT_EQ(w.SpeechBox()->font(), w.NoiseBox()->font());
    }
}

TEST(ListWindow, NoInTheLeaveQuestionKeepsThePositionAndRestartsTheTicks)
{
    Folder f;
    f.Set("Listenstelle", 1);
    TestExercise w;
    w.show();
    Settle();
    {
        LeaveAnswer no(Answer::No);
        w.RequestLeave();
        EXPECT_EQ(no.asked, 1);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.TicksRunning());
    EXPECT_FALSE(IdleCheckRunning());
    EXPECT_FALSE(w.ClosingByUser());
    EXPECT_EQ(w.Position(), 1);
    EXPECT_EQ(w.word->text(), QStringLiteral("Katze"));
    // The unanswered question wrote nothing.
    EXPECT_EQ(Ini::ReadInt(f.profile, kSection, "Listenstelle", -1), 1);

    LeaveAnswer yes(Answer::Yes);
    w.PressButton(T_urahnlrb1::kNext);
    Settle();
    w.RequestLeave();
    EXPECT_TRUE(w.IsTornDown());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(IdleCheckRunning());
    EXPECT_EQ(Ini::ReadInt(f.profile, kSection, "Listenstelle", -1), 2);
}

TEST(ListWindow, MissingListShowsThePlaceholderAndOpensTheChooser)
{
    Folder f;
    Ini::WriteString(f.profile, kSection, "Dateiname", "fehlt.txt");
    ChooserAnswer chooser;
    chooser.Next(QString());
    TestExercise w;
    w.show();
    Settle();
    EXPECT_EQ(chooser.opened, 1);
    ASSERT_NE(w.CurrentList(), nullptr);
    EXPECT_EQ(w.CurrentList()->title, QStringLiteral("leere Liste"));
    EXPECT_EQ(w.word->text(), QString::fromUtf8("Liste fehlt!! Bitte andere wählen!!"));
}

TEST(ListWindow, ChoosingAListLoadsItAndStoresItsName)
{
    Folder f;
    f.Set("Listenstelle", 3);
    TestExercise w;
    w.show();
    Settle();
    ChooserAnswer chooser;
    chooser.Next(f.prog.Path("listen/mehr/obst.txt"));
    w.ChooseList();
    Settle();
    EXPECT_EQ(chooser.opened, 1);
    EXPECT_EQ(w.CurrentList()->Count(), 2);
    EXPECT_EQ(w.Position(), 0);
    EXPECT_EQ(w.word->text(), QStringLiteral("Apfel"));
    EXPECT_EQ(w.ListNameCaption(), QStringLiteral("obst.txt"));
    EXPECT_EQ(Ini::ReadString(f.profile, kSection, "Dateiname", ""), QStringLiteral("mehr\\obst.txt"));

    // A cancelled chooser keeps the list.
    chooser.Next(QString());
    w.ChooseList();
    Settle();
    EXPECT_EQ(chooser.opened, 2);
    EXPECT_EQ(w.word->text(), QStringLiteral("Apfel"));
}

TEST(ListWindow, LernkarteiPractisesTheErrorListAndRemovingTheLastOpensTheChooser)
{
    Folder f;
    f.prog.Write("protokoll\\jeder.fhl", ListFile({"Igel", "Esel"}));
    TestExercise w;
    w.show();
    Settle();
    auto* learn = w.ButtonHandleByNumber(T_urahnlrb1::kLearnCards);
    auto* remove = w.ButtonHandleByNumber(T_urahnlrb1::kRemove);
    ASSERT_NE(learn, nullptr);
    ASSERT_NE(remove, nullptr);
    EXPECT_TRUE(learn->isVisible());
    EXPECT_FALSE(remove->isVisible());

    w.PractiseErrorList();
    Settle();
    EXPECT_EQ(w.CurrentList(), w.ErrorList());
    EXPECT_EQ(w.ListNameCaption(), QStringLiteral("Lernkartei"));
    EXPECT_EQ(w.word->text(), QStringLiteral("Igel"));
    EXPECT_TRUE(remove->isVisible());

    w.RemoveFromErrorList();
    Settle();
    EXPECT_EQ(w.word->text(), QStringLiteral("Esel"));
    EXPECT_TRUE(f.prog.Read("protokoll/jeder.fhl").contains("Esel"));
    EXPECT_FALSE(f.prog.Read("protokoll/jeder.fhl").contains("Igel"));

    ChooserAnswer chooser;
    chooser.Next(QString());
    w.RemoveFromErrorList();
    Settle();
    EXPECT_EQ(chooser.opened, 1);
    EXPECT_FALSE(learn->isVisible());
    EXPECT_FALSE(remove->isVisible());
    EXPECT_TRUE(w.ErrorList()->IsEmpty());
}

// Chooses "mehr\obst.txt" through the list chooser.
void ChooseFruitList(TestExercise& w, const Folder& f)
{
    ChooserAnswer chooser;
    chooser.Next(f.prog.Path("listen/mehr/obst.txt"));
    w.ChooseList();
    Settle();
}

TEST(ListWindow, AnswersReachProtocolCertificateAndErrorList)
{
    Folder f;
    const QString section = QStringLiteral("Hören und Schreiben ");
    Ini::WriteString(f.profile, section, "Dateiname", "tiere.txt");
    TestExercise w(section);
    w.show();
    Settle();
    w.PressButton(T_urahnlrb1::kCheck);   // Hund right at once
    w.PressButton(T_urahnlrb1::kNext);
    Settle();
    w.answer = QStringLiteral(" Kaze; -OK-");
    w.PressButton(T_urahnlrb1::kCheck);   // Katze at the second try
    Settle();

    // Changing the list in exercise 1 writes the answers so far.
    ChooseFruitList(w, f);
    const QString protocol = DecodeCp1252(f.prog.Read("protokoll/jeder.txt"));
    EXPECT_TRUE(protocol.contains(QStringLiteral("Datei: tiere.txt"))) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains(QStringLiteral("Hund               = -OK-")));
    EXPECT_TRUE(protocol.contains(QStringLiteral("Katze              =  Kaze; -OK-")));
    const QString certificate = DecodeCp1252(f.prog.Read("protokoll/jeder.zgn"));
    EXPECT_TRUE(certificate.contains(QStringLiteral("Katze                = beim 2. Versuch -OK-")));

    // Leaving records the rest and saves the error list.
    w.answer = QStringLiteral(" Afel; ");
    w.PressButton(T_urahnlrb1::kCheck);
    Settle();
    LeaveAnswer yes(Answer::Yes);
    w.RequestLeave();
    EXPECT_TRUE(w.IsTornDown());
    EXPECT_TRUE(DecodeCp1252(f.prog.Read("protokoll/jeder.txt")).contains(QStringLiteral("Datei: mehr\\obst.txt")));
    EXPECT_TRUE(DecodeCp1252(f.prog.Read("protokoll/jeder.zgn")).contains(QString::fromUtf8("Apfel                = nochmal üben")));
    const QByteArray errors = f.prog.Read("protokoll/jeder.fhl");
    EXPECT_TRUE(errors.contains("Katze"));
    EXPECT_TRUE(errors.contains("Apfel"));
    EXPECT_FALSE(errors.contains("Hund"));
}

// A list left or changed without a single answer leaves no block behind; the
// next block with answers still starts with the date and program header.
TEST(ListWindow, AListWithoutAnswersWritesNoBlock)
{
    Folder f;
    const QString section = QStringLiteral("Hören und Schreiben ");
    Ini::WriteString(f.profile, section, "Dateiname", "tiere.txt");
    ResultsHeaderFlag() = true;
    TestExercise w(section);
    w.show();
    Settle();
    ChooseFruitList(w, f);
    EXPECT_FALSE(QFile::exists(f.prog.Path("protokoll/jeder.txt")));
    EXPECT_FALSE(QFile::exists(f.prog.Path("protokoll/jeder.zgn")));
    w.PressButton(T_urahnlrb1::kCheck);
    Settle();
    LeaveAnswer yes(Answer::Yes);
    w.RequestLeave();
    const QString protocol = DecodeCp1252(f.prog.Read("protokoll/jeder.txt"));
    EXPECT_FALSE(protocol.contains(QStringLiteral("tiere.txt"))) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains(QStringLiteral("Programm: "))) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains(QStringLiteral("Apfel"))) << protocol.toStdString();
    const QString certificate = DecodeCp1252(f.prog.Read("protokoll/jeder.zgn"));
    EXPECT_FALSE(certificate.contains(QStringLiteral("tiere.txt"))) << certificate.toStdString();
    EXPECT_TRUE(certificate.contains(QStringLiteral("Apfel"))) << certificate.toStdString();
}

TEST(ListWindow, ReminderShowsTasteWhileACommandWaits)
{
    Folder f;
    FakeClock clock;
    TestExercise w;
    w.show();
    Settle();
    w.StopTicks();
    QStringList shown;
    clock.OnAdvance([&](qint64) {
        if (shown.isEmpty() || shown.back() != w.ListNameCaption())
            shown << w.ListNameCaption();
    });
    // Nothing pending: no reminder.
    for (int i = 0; i < 6 * 4; ++i)
        w.Tick();
    EXPECT_TRUE(shown.isEmpty());
    // A waiting command: after the counter passed 2 the text is built up
    // letter by letter, then the list name comes back.
    w.ResetReminder();
    w.SetPending(T_urahnlrb1::kNext);
    for (int i = 0; i < 6 * 3; ++i)
        w.Tick();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first(), QStringLiteral("T"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Taste !")));
    EXPECT_EQ(w.ListNameCaption(), QStringLiteral("tiere.txt"));
}

} // namespace
