#include "dialogs/teinstellungen1.h"

#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "data/font_list.h"
#include "dialogs/modal_run.h"
#include "dialogs/qt_printers.h"
#include "dialogs/text_color_box.h"
#include "dialogs/tform_lautauswahl.h"
#include "platform/ini_file.h"
#include "platform/color_text.h"
#include "platform/messages.h"
#include "support/temp_program.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

const QString kWriting = QStringLiteral("Hören und Schreiben ");

// A pupil profile in a throw-away program folder and a dialog on it.
class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(prog.Path("protokoll"));
        Program().currentProfilePath = prog.Path("protokoll/lena.ini");
        Program().currentPupilName = "Lena";
        ProgInfo().ResetColors();
    }
    void TearDown() override
    {
        SetMessageHook({});
        SetModalHook({});
    }

    void Profile(const QString& section, const QString& key, const QString& value)
    {
        Ini::WriteString(CurrentProfilePath(), section, key, value);
    }
    int Stored(const QString& section, const QString& key)
    {
        return Ini::ReadInt(CurrentProfilePath(), section, key, -99);
    }
    void Show(Teinstellungen1& dialog, const QString& section)
    {
        CurrentSection() = section;
        dialog.FormShow();
    }
    void Click(Teinstellungen1& dialog, int number) { dialog.Button(number)->click(); }
    bool Checked(Teinstellungen1& dialog, int number) { return dialog.Button(number)->isChecked(); }

    TempProgram prog;
};

} // namespace

TEST_F(SettingsDialog, EveryNumberedControlCarriesItsCaption)
{
    Teinstellungen1 dialog;
    const std::pair<int, const char*> captions[] = {
        {2000, "Liste durcheinander würfeln"}, {300, "mit OK / Enter"}, {301, "automatisch"},
        {302, "automatisch"}, {303, "zulassen"}, {304, "nicht zulassen"}, {305, "blinken"},
        {200, "Alles"}, {201, "nur Wort (Artikel ist vorgegeben)"},
        {202, "nur Artikel (wenn kein Artikel = \"Alles\")"}, {203, "überschreiben"},
        {204, "nur der 1. Buchstabe"}, {205, "jeder 2. Buchstabe"}, {206, "ab dem 2. Buchstaben"},
        {209, "Groß- und Kleinschreibung automatisch"}, {210, "nur Großbuchstaben"}, {701, "kein Sound"},
        {702, "abrufbar"}, {703, "sofort zum Bild"}, {704, "kein Bild mit Sound"}, {21, "bis zum Cursor"},
        {22, "ab der aktuellen Position"}, {23, "alles"}, {900, "Lobtext nach jedem"},
        {901, "Lobtext am Ende"}, {902, "kein Lobtext"}, {903, "Lob auch als Sound"},
        {1004, "Auswahl der Stimme"}, {705, "Fehlersounds"}, {707, "positive Motivationssounds"},
        {706, "Tastengeräusch"}, {1002, "Schrift"}, {601, "linksbündig"}, {602, "zentriert"},
        {603, "rechtsbündig"}, {604, "Text hervorheben"}};
    for (const auto& [number, caption] : captions) {
        QAbstractButton* b = dialog.Button(number);
        ASSERT_NE(b, nullptr) << number;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << number;
        EXPECT_EQ(b->property("number").toInt(), number);
    }
    for (int bar : {40, 10}) {
        auto* slider = qobject_cast<QSlider*>(dialog.FindControl(bar));
        ASSERT_NE(slider, nullptr) << bar;
        EXPECT_EQ(slider->maximum(), 100);
        ASSERT_NE(qobject_cast<QLabel*>(dialog.FindControl(bar + 1)), nullptr) << bar + 1;
    }
    EXPECT_NE(dialog.FindControl(500), nullptr);
    EXPECT_EQ(dialog.findChild<QAbstractButton*>("Ck2000"), dialog.Button(2000));
}

TEST_F(SettingsDialog, ShowsThePupilAndSectionInTheCaption)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen von Lena - Hören und Schreiben ");
}

TEST_F(SettingsDialog, TextcontrolleOneChecksTheFirstAutomaticAndStoresAuto3)
{
    Profile(kWriting, "Textcontrolle", "1");
    Profile(kWriting, "Auto3", "0");
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    EXPECT_TRUE(Checked(dialog, 301));
    EXPECT_FALSE(Checked(dialog, 302));
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Textcontrolle"), 1);
    EXPECT_EQ(Stored(kWriting, "Auto3"), 1);

    Click(dialog, 302);
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Textcontrolle"), 2);
    EXPECT_EQ(Stored(kWriting, "Auto3"), 0);
}

TEST_F(SettingsDialog, LinkedChoicesKeepOnlySensibleCombinations)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);

    // Copying and partial inputs are checked automatically, errors refused.
    for (int input : {203, 202, 204, 205}) {
        Click(dialog, 300);
        Click(dialog, 303);
        Click(dialog, input);
        EXPECT_TRUE(Checked(dialog, 304)) << input;
        EXPECT_TRUE(Checked(dialog, 301)) << input;
    }
    // "mit OK / Enter" lets errors through and goes back to "Alles".
    Click(dialog, 300);
    EXPECT_TRUE(Checked(dialog, 303));
    EXPECT_TRUE(Checked(dialog, 200));
    // "blinken" needs OK / Enter; "nicht zulassen" an automatic check.
    Click(dialog, 302);
    Click(dialog, 305);
    EXPECT_TRUE(Checked(dialog, 300));
    Click(dialog, 304);
    EXPECT_TRUE(Checked(dialog, 301));
    Click(dialog, 302);
    Click(dialog, 304);
    EXPECT_TRUE(Checked(dialog, 302));   // an automatic check stays as it is
    // "Tastengeräusch" enables its kinds.
    dialog.Button(706)->setChecked(false);
    EXPECT_FALSE(dialog.RB_buchstabenname->isEnabled());
    Click(dialog, 706);
    EXPECT_TRUE(dialog.RB_buchstabenname->isEnabled());
}

TEST_F(SettingsDialog, ControlsGoBackToTheProfileInOrder)
{
    Profile(kWriting, "Mit Sound", "1");
    Profile(kWriting, "Soundpause", "3");
    Profile(kWriting, "Tippton", "3");
    Profile(kWriting, "Motzahl", "4");
    Profile(kWriting, "Funsound", "0");
    Profile(kWriting, "Textfarbe", "4");
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    EXPECT_EQ(dialog.CB_textfarbe->currentIndex(), 4);
    EXPECT_EQ(dialog.CB_textfarbe->count(), 16);
    EXPECT_TRUE(Checked(dialog, 702));
    EXPECT_EQ(qobject_cast<QLabel*>(dialog.FindControl(41))->text(), "0.15");
    EXPECT_TRUE(dialog.RB_wieBuchstabieren->isChecked());
    EXPECT_EQ(dialog.CB_motzahl->currentText(), "4. Wort");
    EXPECT_FALSE(Checked(dialog, 705));

    Click(dialog, 704);
    Click(dialog, 705);
    dialog.RB_buchstabenname->click();
    qobject_cast<QSlider*>(dialog.FindControl(10))->setValue(40);
    Click(dialog, 2000);
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Mit Sound"), 3);
    EXPECT_EQ(Stored(kWriting, "Funsound"), 1);
    EXPECT_EQ(Stored(kWriting, "Tippton"), 2);
    EXPECT_EQ(Stored(kWriting, "Buchstabierpause"), 40);
    EXPECT_EQ(Stored(kWriting, "Würfeln"), 1);
    EXPECT_EQ(Stored(kWriting, "Motzahl"), 4);
}

TEST_F(SettingsDialog, MaleVoiceWithPhonicsStoresStimmeFour)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    QMenu* menu = dialog.BuildVoiceMenu();
    const QList<QAction*> items = menu->actions();
    QStringList captions;
    for (QAction* a : items)
        if (!a->isSeparator())
            captions.append(a->text());
    EXPECT_EQ(captions, (QStringList{"Kinderstimme", "Männerstimme", "Frauenstimme"}));
    EXPECT_TRUE(menu->activeAction()->isChecked());
    for (QAction* a : items)
        if (a->text() == "Männerstimme")
            a->trigger();
    delete menu;
    EXPECT_EQ(ExerciseSettings().stimme, 1);

    dialog.RB_lautieren->click();
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Stimme"), 4);
}

TEST_F(SettingsDialog, ThePhonicsButtonChoosesSoundingOutWhenClosedWithOk)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    ASSERT_TRUE(dialog.RB_buchstabieren->isChecked());
    int answer = QDialog::Rejected;
    SetModalHook([&](QDialog& d) {
        EXPECT_NE(qobject_cast<TForm_lautauswahl*>(&d), nullptr);
        return answer;
    });
    dialog.B_lautauswahl->click();
    EXPECT_TRUE(dialog.RB_buchstabieren->isChecked());
    answer = QDialog::Accepted;
    dialog.B_lautauswahl->click();
    SetModalHook({});
    EXPECT_TRUE(dialog.RB_lautieren->isChecked());
}

TEST_F(SettingsDialog, CancelInTheColourWarningLeavesTheProfileUnchanged)
{
    Profile(kWriting, "Textfarbe", "7");
    Profile(kWriting, "Hintergrundfarbe", "7");
    Profile(kWriting, "Mit Sound", "2");
    const QByteArray before = prog.Read("protokoll/lena.ini");
    QStringList warnings;
    SetMessageHook([&](const MessageRequest& r) {
        warnings.append(r.title + "|" + r.text);
        return Answer::Cancel;
    });
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    Click(dialog, 701);
    dialog.B_okClick();
    EXPECT_EQ(warnings, QStringList{"Warnung| Hintergrund und Textfarbe sind gleich, Sie werden kaum sehen "
                                    "können was Sie schreiben."});
    EXPECT_EQ(prog.Read("protokoll/lena.ini"), before);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);   // the dialog closes all the same

    SetMessageHook([](const MessageRequest&) { return Answer::Ok; });
    Show(dialog, kWriting);
    Click(dialog, 701);
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Mit Sound"), 0);
}

TEST_F(SettingsDialog, ImmediateChangesStayInMemoryAfterAbbruch)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    dialog.CB_motzahl->setCurrentIndex(5);
    Q_EMIT dialog.CB_motzahl->activated(5);
    dialog.CB_textfarbe->setCurrentIndex(4);
    Q_EMIT dialog.CB_textfarbe->activated(4);
    Click(dialog, 701);   // not immediate
    dialog.B_abbruchClick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ExerciseSettings().motzahl, 6);
    EXPECT_EQ(ExerciseSettings().textfarbe, u'4');
    EXPECT_EQ(ProgInfo().textColor, ProgInfo().colors[16 + 4]);
    EXPECT_EQ(ExerciseSettings().mitSound, 2);
    EXPECT_EQ(Stored(kWriting, "Motzahl"), -99);
}

TEST_F(SettingsDialog, AChosenFontJoinsTheFontListAndIsSavedAsSchriftart)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    dialog.FontChosen("Verdana");
    EXPECT_GE(FontList().IndexOf("Verdana"), 0);
    EXPECT_EQ(dialog.CB_schrift->currentText(), "Verdana");
    dialog.B_okClick();
    EXPECT_EQ(Ini::ReadString(CurrentProfilePath(), kWriting, "Schriftart", ""), "Verdana");
    EXPECT_EQ(Stored(kWriting, "Schrift"), FontList().IndexOf("Verdana"));
    FontList().Reset();
}

TEST_F(SettingsDialog, FontAndColourDialogsOpenWithTheCurrentValues)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    SetModalHook([](QDialog& d) {
        auto* fonts = qobject_cast<QFontDialog*>(&d);
        EXPECT_NE(fonts, nullptr);
        if (!fonts)
            return int(QDialog::Rejected);
        fonts->setCurrentFont(QFont("DejaVu Sans"));
        return int(QDialog::Accepted);
    });
    dialog.Button(1002)->click();
    EXPECT_EQ(dialog.CB_schrift->currentText(), "DejaVu Sans");

    ProgInfo().colors[5] = 0x00336699;
    SetModalHook([](QDialog& d) {
        auto* colours = qobject_cast<QColorDialog*>(&d);
        EXPECT_NE(colours, nullptr);
        if (!colours)
            return int(QDialog::Rejected);
        EXPECT_EQ(FromQColor(QColorDialog::customColor(5)), 0x00336699u);   // the palette
        EXPECT_EQ(FromQColor(colours->currentColor()), ProgInfo().windowColor);
        colours->setCurrentColor(ToQColor(0x00336699));
        return int(QDialog::Accepted);
    });
    dialog.Button(500)->click();
    SetModalHook({});
    FontList().Reset();
    EXPECT_EQ(ExerciseSettings().hintergrundfarbe, u'5');
    EXPECT_EQ(ProgInfo().windowColor, 0x00336699u);
}

TEST_F(SettingsDialog, AChosenBackgroundTakesTheIndexOfAMatchingCustomColour)
{
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    std::array<quint32, 16> custom{};
    for (int i = 0; i < 16; ++i)
        custom[i] = ProgInfo().colors[i];
    custom[12] = 0x00123456;
    dialog.BackgroundChosen(0x00123456, custom);
    EXPECT_EQ(ExerciseSettings().hintergrundfarbe, u'C');
    EXPECT_EQ(ProgInfo().windowColor, 0x00123456u);
    EXPECT_EQ(ProgInfo().colors[12], 0x00123456u);

    dialog.BackgroundChosen(0x00654321, custom);   // no custom colour matches
    EXPECT_EQ(ExerciseSettings().hintergrundfarbe, u'z');
    dialog.B_okClick();
    EXPECT_EQ(Stored(kWriting, "Hintergrundfarbe"), 16);
    EXPECT_EQ(Ini::ReadString(CurrentProfilePath(), kWriting, "Hintergrundbrush", ""), "$00654321");
}

TEST_F(SettingsDialog, StandardRestoresTheStandardProfileAndShowsIt)
{
    prog.Write("intern/standard.ini", "[H\xf6ren und Schreiben ]\r\nTextcontrolle=0\r\nMit Sound=0\r\n");
    Profile(kWriting, "Textcontrolle", "2");
    Teinstellungen1 dialog;
    Show(dialog, kWriting);
    EXPECT_TRUE(Checked(dialog, 302));
    // The first press makes protokoll\standard.ini from intern\standard.ini
    // and replaces the profile with it.
    dialog.B_standardClick();
    EXPECT_TRUE(QFile::exists(prog.Path("protokoll/standard.ini")));
    EXPECT_TRUE(Checked(dialog, 300));
    EXPECT_TRUE(Checked(dialog, 701));
}
