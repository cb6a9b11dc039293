// Exercise 1's answers in the results files on every path that writes them:
// a change of list, the settings button, "Lernkartei" and closing.
#include "tprog1_fixture.h"

#include "controls/tdrbutton.h"
#include "data/path_helpers.h"
#include "dialogs/tf_opendialog.h"
#include "framework/history_csv.h"
#include "klassenuebersicht/error_kinds.h"

#include <QFile>

namespace {

class Exercise1ResultsTest : public Exercise1Test {
protected:
    void SetUp() override
    {
        Exercise1Test::SetUp();
        Set("Motivation", 2);
        Set("Blinken", 1);
        prog.Write("listen\\zwei.txt", EncodeCp1252(QStringLiteral("Zwei\r\n\r\nBall;8 100xx 11;Ballbild;;;Ball\r\n")));
        // The chooser takes the next of the files asked for; the settings
        // dialog is left with Abbrechen.
        SetModalHook([this](QDialog& d) {
            auto* chooser = qobject_cast<TF_opendialog*>(&d);
            if (!chooser)
                return int(QDialog::Rejected);
            if (choices.isEmpty())
                return int(TF_opendialog::Cancelled);
            chooser->chosenFile = prog.Path(choices.takeFirst());
            return int(TF_opendialog::Opened);
        });
    }
    QString Read(const char* extension) const
    {
        QFile f(ChangeExtension(profile, QString::fromLatin1(extension)));
        return f.open(QIODevice::ReadOnly) ? DecodeCp1252(f.readAll()) : QString();
    }
    static int Count(const QString& text, const QString& part) { return int(text.count(part)); }
    void Click(int number)
    {
        w->ButtonHandleByNumber(number)->click();
        Run(100);
    }
    void ChooseList(const QString& file)
    {
        choices << file;
        Click(T_urahnlrb1::kChooseList);
    }
    void Close()
    {
        w->RequestLeave();
        ASSERT_TRUE(w->IsTornDown());
    }
    bool LernkarteiShown() const
    {
        return !w->ButtonHandleByNumber(T_urahnlrb1::kLearnCards)->isHidden();
    }

    QStringList choices;
};

// "der Hund" typed right at the first try, "die Katze" with a wrong letter:
// whether the list is changed or the window closed, the same rows arrive.
TEST_F(Exercise1ResultsTest, ListChangeWritesWhatClosingWrites)
{
    for (const bool listChange : {true, false}) {
        SCOPED_TRACE(listChange ? "list change" : "closing");
        QFile::remove(ChangeExtension(profile, ".txt"));
        QFile::remove(ChangeExtension(profile, ".zgn"));
        QFile::remove(ChangeExtension(profile, ".fhl"));
        SetText("Dateiname", "test.txt");
        Set("Listenstelle", 0);
        Open();
        Type("der Hund");
        Run(3000);
        Type("die Kx");
        Run(200);
        if (listChange)
            ChooseList("listen/zwei.txt");
        else
            Close();
        const QString protocol = Read(".txt");
        EXPECT_EQ(Count(protocol, "der Hund           = -OK-\r\n"), 1) << protocol.toStdString();
        EXPECT_EQ(Count(protocol, "die Katze          = [x]\r\n"), 1) << protocol.toStdString();
        EXPECT_EQ(Count(protocol, "Textkontrolle: Automatisch. Fehler: blinken. "), 1) << protocol.toStdString();
        const QString certificate = Read(".zgn");
        EXPECT_EQ(Count(certificate, "der Hund             = -OK-\r\n"), 1) << certificate.toStdString();
        EXPECT_EQ(Count(certificate, "die Katze            = nochmal üben\r\n"), 1);
        EXPECT_TRUE(Read(".fhl").contains("die Katze"));
        w.reset();
    }
}

// With wrong keys refused as they are typed ("Blinken" 1), the protocol keeps
// only the wrong keys; the history also gets what the line held at each
// refused key, so the overview can name the kind of mistake.
TEST_F(Exercise1ResultsTest, RefusedKeysGiveTheHistoryTheirAttempts)
{
    // "Blinken" 1 keeps the wrong letter on the line, 2 takes it away.
    for (const int blinken : {1, 2}) {
        SCOPED_TRACE(blinken);
        QFile::remove(ChangeExtension(profile, ".txt"));
        QFile::remove(ChangeExtension(profile, ".csv"));
        Set("Blinken", blinken);
        SetText("Dateiname", "test.txt");
        Set("Listenstelle", 0);
        Open();
        Type("der Hunt");
        Type("d");
        Run(3000);
        Type("die Kaz");
        Type("tze");
        Run(3000);
        Close();
        if (blinken == 1) {
            const QString protocol = Read(".txt");
            EXPECT_EQ(Count(protocol, "der Hund           = [t]\r\n"), 1) << protocol.toStdString();
            EXPECT_EQ(Count(protocol, "die Katze          = [z]\r\n"), 1) << protocol.toStdString();
        }
        const QList<HistoryRow> rows = ReadHistoryFile(ChangeExtension(profile, ".csv"));
        ASSERT_EQ(rows.size(), 2);
        EXPECT_EQ(rows[0].attempts, QStringList{"der Hunt"});
        EXPECT_EQ(rows[1].attempts, QStringList{u"die Kaz\u2026"_qs});
        EXPECT_EQ(ErrorKindsOf(rows[0].word, rows[0].attempts[0]), QList<ErrorKind>{ErrorKind::FinalHardening});
        EXPECT_EQ(ErrorKindsOf(rows[1].word, rows[1].attempts[0]), QList<ErrorKind>{ErrorKind::TzZ});
        w.reset();
    }
}

// Due from the window's opening and from the end of the settings dialog
// until a list change has written it; the settings button and the end always
// write it.
TEST_F(Exercise1ResultsTest, SettingsSummaryWhenDue)
{
    // Every block has an answer (a block without one is not written).
    Open();
    Type("der Hund");
    Run(3000);
    ChooseList("listen/zwei.txt");     // due since opening
    Type("Ball");
    Run(3000);
    ChooseList("listen/test.txt");     // written already
    Type("der Hund");
    Run(3000);
    Click(T_urahnlrb1::kOptions);      // written before the dialog, due after it
    Type("der Hund");
    Run(3000);
    ChooseList("listen/zwei.txt");
    Type("Ball");
    Run(3000);
    Close();
    const QString protocol = Read(".txt");
    const QStringList blocks = protocol.split("Datei: ");
    ASSERT_EQ(blocks.size(), 6) << protocol.toStdString();
    const bool expected[] = {true, false, true, true, true};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(blocks[i].contains("Textkontrolle: "), expected[i]) << i << protocol.toStdString();
}

TEST_F(Exercise1ResultsTest, OptionsThenClosingWritesEveryRowOnce)
{
    Open();
    Type("der Hund");
    Run(3000);
    Click(T_urahnlrb1::kOptions);
    Close();
    const QString protocol = Read(".txt");
    EXPECT_EQ(Count(protocol, "der Hund           = -OK-"), 1) << protocol.toStdString();
    // The block after the settings button has no answers: it is not written.
    EXPECT_EQ(Count(protocol, "Datei: test.txt"), 1) << protocol.toStdString();
    const QString certificate = Read(".zgn");
    EXPECT_EQ(Count(certificate, "der Hund             = -OK-"), 1) << certificate.toStdString();
    EXPECT_EQ(Count(certificate, "Datei: test.txt"), 1) << certificate.toStdString();
}

// A wrong letter, then the settings button in the middle of the word, then
// the word written right (again after OK, on from the letters kept after
// "Abbruch"): the wrong letter is in the first block only.
TEST_F(Exercise1ResultsTest, OptionsInTheMiddleOfAWordWritesItsTypingOnce)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Abbruch");
        QFile::remove(ChangeExtension(profile, ".txt"));
        Set("Listenstelle", 0);
        SetModalHook([ok](QDialog&) { return int(ok ? QDialog::Accepted : QDialog::Rejected); });
        Open();
        Type("der Hx");
        Click(T_urahnlrb1::kOptions);
        Type(ok ? "der Hund" : "und");
        Run(3000);
        Close();
        const QString protocol = Read(".txt");
        EXPECT_EQ(Count(protocol, "der Hund           = [x]"), 1) << protocol.toStdString();
        EXPECT_EQ(Count(protocol, "der Hund           = -OK-"), 1) << protocol.toStdString();
        w.reset();
    }
}

// A pupil without an error list: the first wrong word makes one titled
// "Fehlerliste", and "Lernkartei" shows as soon as it has the word, after
// the settings button as after a list change.
TEST_F(Exercise1ResultsTest, NewErrorListAndLernkarteiAfterTheFirstError)
{
    for (const bool options : {true, false}) {
        SCOPED_TRACE(options ? "settings button" : "list change");
        QFile::remove(ChangeExtension(profile, ".fhl"));
        SetText("Dateiname", "test.txt");
        Set("Listenstelle", 0);
        Open();
        EXPECT_FALSE(LernkarteiShown());
        Type("der Hx");
        Run(200);
        if (options)
            Click(T_urahnlrb1::kOptions);
        else
            ChooseList("listen/zwei.txt");
        EXPECT_TRUE(LernkarteiShown());
        ASSERT_NE(w->ErrorList(), nullptr);
        EXPECT_EQ(w->ErrorList()->title, "Fehlerliste");
        EXPECT_TRUE(Read(".fhl").startsWith("Fehlerliste\r\n")) << Read(".fhl").toStdString();
        w.reset();
    }
}

// The answers before "Lernkartei" are written before the switch; those on
// the error list follow under the error list's marker (the long rule).
TEST_F(Exercise1ResultsTest, LernkarteiWritesTheListFirstAndFilesItsAnswersUnderTheErrorList)
{
    prog.Write("protokoll\\jeder.fhl", EncodeCp1252(QStringLiteral("Fehlerliste\r\n\r\nBall;8 100xx 11;Ballbild;;;Ball\r\n")));
    Open();
    ASSERT_TRUE(LernkarteiShown());
    Type("der Hund");
    Run(3000);
    Click(T_urahnlrb1::kLearnCards);
    EXPECT_EQ(w->ListNameCaption(), "Lernkartei");
    EXPECT_EQ(WordShown(), "Ball");
    Type("Ball");
    Run(3000);
    Close();
    const QString protocol = Read(".txt");
    const qsizetype hund = protocol.indexOf("der Hund           = -OK-");
    const qsizetype rule = protocol.indexOf(QString(64, u'-') + "\r\n\r\nDatei: test.txt\r\n");
    const qsizetype ball = protocol.indexOf("Ball               = -OK-");
    EXPECT_GE(hund, 0) << protocol.toStdString();
    EXPECT_GT(rule, hund) << protocol.toStdString();
    EXPECT_GT(ball, rule) << protocol.toStdString();
    EXPECT_EQ(Count(protocol, "der Hund"), 1);
    const QString certificate = Read(".zgn");
    EXPECT_GT(certificate.indexOf("Ball                 = -OK-"), certificate.indexOf(QString(64, u'-')));
}

} // namespace
