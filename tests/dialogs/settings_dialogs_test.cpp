// The exercise dialogs: what each hides, relabels and adds, and their own
// settings.
#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "dialogs/modal_run.h"
#include "dialogs/qt_printers.h"
#include "dialogs/teinstellungen2.h"
#include "dialogs/teinstellungen3.h"
#include "dialogs/teinstellungen4.h"
#include "dialogs/teinstellungen5.h"
#include "dialogs/teinstellungen6.h"
#include "dialogs/teinstellungen7.h"
#include "dialogs/teinstellungen_1.h"
#include "dialogs/tf_pictureopendialog.h"
#include "platform/ini_file.h"
#include "support/temp_program.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ExerciseDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(prog.Path("protokoll"));
        Program().currentProfilePath = prog.Path("protokoll/tom.ini");
        ProgInfo().ResetColors();
    }
    void TearDown() override { SetModalHook({}); }

    void Profile(const QString& section, const QString& key, const QString& value)
    {
        Ini::WriteString(CurrentProfilePath(), section, key, value);
    }
    int Stored(const QString& section, const QString& key)
    {
        return Ini::ReadInt(CurrentProfilePath(), section, key, -99);
    }
    static void Show(Teinstellungen1& dialog, const QString& section)
    {
        CurrentSection() = section;
        dialog.FormShow();
    }
    static bool Shown(Teinstellungen1& dialog, int number)
    {
        QWidget* w = dialog.FindControl(number);
        return w && w->isVisibleTo(&dialog);
    }

    TempProgram prog;
};

} // namespace

TEST_F(ExerciseDialogs, EachDialogShowsItsOwnControls)
{
    struct Case {
        const char* name;
        std::function<Teinstellungen1*()> make;
        int level;
        std::vector<int> shown;
        std::vector<int> hidden;
    };
    const std::vector<Case> cases = {
        {"1", [] { return new Teinstellungen_1; }, 0, {300, 303, 200, 206, 701, 704, 708, 709, 710, 706, 2000}, {}},
        {"2", [] { return new Teinstellungen2; }, 0, {10002, 10006, 701, 704, 900, 2000}, {300, 200, 706}},
        {"3", [] { return new Teinstellungen3; }, 0, {9000, 9004, 701, 703, 900}, {300, 200, 706, 704}},
        {"4", [] { return new Teinstellungen4; }, 0, {9000, 703, 704}, {300, 701, 702, 706}},
        {"5", [] { return new Teinstellungen5; }, 4, {30, 34, 50, 51, 52, 701, 704}, {300, 200, 2000, 900, 706}},
        {"6", [] { return new Teinstellungen6; }, 5, {30, 50, 704}, {701, 702, 703, 900, 2000, 10, 21, 23}},
        {"7", [] { return new Teinstellungen7; }, 0, {9000, 701, 10}, {900, 705, 21, 23, 300}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Teinstellungen1> dialog(c.make());
        EXPECT_EQ(dialog->Level(), c.level) << c.name;
        for (int n : c.shown)
            EXPECT_TRUE(Shown(*dialog, n)) << c.name << ": " << n;
        for (int n : c.hidden)
            EXPECT_FALSE(Shown(*dialog, n)) << c.name << ": " << n;
    }
}

TEST_F(ExerciseDialogs, RelabelledControls)
{
    Teinstellungen_1 one;
    EXPECT_EQ(one.Button(705)->text(), "Sound bei Fehler");
    EXPECT_EQ(one.Button(202)->text(), "nur Artikel (wenn kein Artikel = \"überschreiben\")");
    EXPECT_EQ(one.CK_mitArtikel->text(), "Artikel zusätzlich anzeigen");
    Teinstellungen2 two;
    EXPECT_EQ(two.CK_vorlesen->text(), "Wort nach der Lösung vorlesen");
    Teinstellungen4 four;
    EXPECT_EQ(four.Button(704)->text(), "ohne Schrift");
    EXPECT_EQ(four.Button(703)->text(), "mit Schrift");
    Teinstellungen5 five;
    EXPECT_EQ(five.Button(702)->text(), "mit rechter Maustaste");
    EXPECT_EQ(five.CK_mitArtikel->text(), "mit Artikel sprechen");
}

TEST_F(ExerciseDialogs, WritingDialogKeepsItsSevenSoundOptionsAndErrorSound)
{
    const QString section = "Lautierübung";
    Profile(section, "Mit Sound", "8");
    Profile(section, "Funsound", "3");
    Profile(section, "Textvorgabe", "0");
    Teinstellungen_1 dialog;
    Show(dialog, section);
    EXPECT_TRUE(dialog.Button(709)->isChecked());
    EXPECT_TRUE(dialog.CK_hilfebild->isEnabled());
    EXPECT_TRUE(dialog.RB_lautiert->isChecked());
    EXPECT_FALSE(dialog.CK_mitArtikel->isEnabled());
    dialog.Button(201)->click();
    EXPECT_TRUE(dialog.CK_mitArtikel->isEnabled());
    dialog.Button(702)->click();
    EXPECT_FALSE(dialog.CK_hilfebild->isEnabled());
    dialog.Button(710)->click();
    dialog.CK_hilfebild->click();
    EXPECT_EQ(ExerciseSettings().hilfebild, 1);   // at once
    dialog.RB_buchstabiert->click();
    dialog.B_okClick();
    EXPECT_EQ(Stored(section, "Mit Sound"), 9);
    EXPECT_EQ(Stored(section, "Funsound"), 2);
    EXPECT_EQ(Stored(section, "Hilfebild"), 1);
    EXPECT_EQ(Stored(section, "TastaturLock"), -99);   // written only for "Hören und Schreiben "
}

TEST_F(ExerciseDialogs, ChoiceDialogCountsChangeAtOnce)
{
    const QString section = "Welches Wort stimmt?";
    Profile(section, "Felderanzahl", "4");
    Profile(section, "Puzzelanzahl", "16");
    Profile(section, "Aufdeckenmanuell", "1");
    Teinstellungen2 two;
    two.SetUncoverMode(true);
    Show(two, section);
    EXPECT_TRUE(two.Button(10004)->isChecked());
    EXPECT_TRUE(two.Button(16)->isChecked());
    EXPECT_TRUE(two.G_aufdeckmodus->isVisibleTo(&two));
    EXPECT_FALSE(Shown(two, 701));
    EXPECT_FALSE(two.TB_aufdeckpause->isEnabled());
    two.RB_automatisch->click();
    EXPECT_TRUE(two.TB_aufdeckpause->isEnabled());
    two.TB_aufdeckpause->setValue(7);
    two.Button(10002)->click();
    two.Button(36)->click();
    two.B_abbruchClick();
    const auto& s = ExerciseSettings();
    EXPECT_EQ(s.felderanzahl, 2);
    EXPECT_EQ(s.puzzelanzahl, 36);
    EXPECT_EQ(s.aufdeckenmanuell, 0);
    EXPECT_EQ(s.aufdeckpause, 7);

    Profile("Bild zum Wort", "Bilderanzahl", "3");
    Teinstellungen3 three;
    Show(three, "Bild zum Wort");
    EXPECT_TRUE(three.Button(9003)->isChecked());
    EXPECT_EQ(three.Button(9003)->text(), "4");
    three.Button(9002)->click();
    EXPECT_EQ(ExerciseSettings().bilderanzahl, 2);
}

TEST_F(ExerciseDialogs, MemoryWithBedienungZeroStoresZeroAgain)
{
    const QString section = "Bild-Memory";
    Profile(section, "Bedienung", "0");
    Profile(section, "Bilderanzahl", "2");
    Teinstellungen5 dialog;
    Show(dialog, section);
    EXPECT_TRUE(dialog.Button(51)->isChecked());
    EXPECT_EQ(dialog.Button(51)->text(), "ein Spieler");
    EXPECT_TRUE(dialog.Button(32)->isChecked());
    dialog.B_okClick();
    EXPECT_EQ(Stored(section, "Bedienung"), 0);
    EXPECT_EQ(Stored(section, "Bilderanzahl"), 2);

    dialog.Button(52)->click();
    dialog.Button(34)->click();
    dialog.B_okClick();
    EXPECT_EQ(Stored(section, "Bedienung"), 3);
    EXPECT_EQ(Stored(section, "Bilderanzahl"), 4);
}

TEST_F(ExerciseDialogs, MemoryWithoutSoundDisablesTheArticle)
{
    Teinstellungen5 dialog;
    Show(dialog, "Bild-Memory");
    dialog.Button(701)->click();
    EXPECT_FALSE(dialog.CK_mitArtikel->isEnabled());
    dialog.Button(703)->click();
    EXPECT_TRUE(dialog.CK_mitArtikel->isEnabled());
}

TEST_F(ExerciseDialogs, TheCardBackComesFromThePictureChooser)
{
    prog.Write("fun/memory/rueck2.wmf", "");
    prog.Write("fun/memory/tiere/katze.bmp", "");
    Teinstellungen5 dialog;
    Show(dialog, "Bild-Memory");
    SetModalHook([&](QDialog& d) {
        auto* chooser = qobject_cast<TF_PictureOpendialog*>(&d);
        EXPECT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), "Rückseite auswählen...");
        EXPECT_EQ(chooser->fileMask, "*.jpg,*.gif,*.bmp,*.wmf,*.emf");
        chooser->FormActivate();
        EXPECT_EQ(chooser->chosenFile, prog.Path("fun/memory/rueck2.wmf"));   // the current one
        chooser->chosenFile = prog.Path("fun/memory/tiere/katze.bmp");
        return int(TF_opendialog::Opened);
    });
    dialog.B_rueckseite->click();
    EXPECT_EQ(ExerciseSettings().bildhinten, "fun\\memory\\tiere\\katze.bmp");
    dialog.B_okClick();
    EXPECT_EQ(Ini::ReadString(CurrentProfilePath(), "Bild-Memory", "Bildhinten", ""), "fun\\memory\\tiere\\katze.bmp");
}
