// Setting the controls of the settings dialog from ExerciseSettings and
// storing them back, in the order the profile expects; the immediate changes
// of the font, praise, colour and voice choices.
#include "dialogs/teinstellungen1.h"

#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "data/font_list.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "dialogs/text_color_box.h"
#include "dialogs/tform_lautauswahl.h"
#include "platform/color_text.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

const QString kVoices[] = {QStringLiteral("Kinderstimme"), QStringLiteral("Männerstimme"),
                           QStringLiteral("Frauenstimme")};
constexpr int kVoiceCommand = 11000;

int ColorIndex(QChar digit)
{
    return static_cast<int>(kColourCodes.indexOf(digit));
}

std::array<quint32, 16> BackgroundPalette()
{
    std::array<quint32, 16> palette{};
    std::copy_n(ProgInfo().colors.begin(), 16, palette.begin());
    return palette;
}

std::array<quint32, 16> TextPalette()
{
    std::array<quint32, 16> palette{};
    std::copy_n(ProgInfo().colors.begin() + 16, 16, palette.begin());
    return palette;
}

} // namespace

int Teinstellungen1::Open(const tmoiel* list, const QString& section)
{
    list_ = list;
    CurrentSection() = section;
    FormShow();
    return RunModal(*this);
}

void Teinstellungen1::FormShow()
{
    LoadSettings(CurrentSection());
    setWindowTitle(QStringLiteral("Einstellungen von ") + CurrentPupilName() + QStringLiteral(" - ") +
                   CurrentSection());
    SetControls();
}

void Teinstellungen1::SetControls()
{
    settingControls_ = true;
    auto& s = ExerciseSettings();
    const auto checkIn = [this](int first, int value, int low, int high) {
        if (value >= low && value <= high)
            numbers_.Check(first + value);
    };

    if (level_ > 3)
        numbers_.Uncheck(50, 52);
    if (level_ > 1)
        numbers_.Uncheck(30, 33);
    for (const auto& [first, last] : {std::pair{300, 305}, {200, 210}, {100, 108}, {21, 23}, {2000, 2000},
                                     {601, 604}, {900, 903}, {701, 706}})
        numbers_.Uncheck(first, last);

    checkIn(100, s.textcontrollnr, 0, 8);
    checkIn(300, s.textcontrolle, 0, 2);
    checkIn(200, s.textvorgabe, 0, 6);
    checkIn(20, s.buchstabieren, 1, 3);
    checkIn(900, s.motivation, 0, 2);
    if (s.blinken == 1)
        numbers_.Check(305);
    else if (s.blinken == 2)
        numbers_.Check(304);
    else if (s.blinken == 0)
        numbers_.Check(303);
    if (s.mitTon == 1)
        numbers_.Check(903);
    if (s.wuerfeln == 1)
        numbers_.Check(2000);
    if (s.auto2 > 0)
        numbers_.Check(210);
    if (s.auto4 > 0)
        numbers_.Check(209);
    if (s.outfit != u' ')
        numbers_.Check(604);
    if (s.funsound > 0)
        numbers_.Check(705);
    if (s.positivsound > 0)
        numbers_.Check(707);
    checkIn(601, s.textausrichtung, 0, 2);
    checkIn(701, s.mitSound, 0, 3);
    checkIn(701, s.mitSound, 7, 9);
    (s.stimme > 2 ? RB_lautieren : RB_buchstabieren)->setChecked(true);

    static_cast<QSlider*>(numbers_.Find(40))->setValue(s.soundpause);
    static_cast<QSlider*>(numbers_.Find(10))->setValue(s.buchstabierpause);

    CK_vorlesen->setChecked(s.soundnachEingabe > 0);
    if (s.tippton > 0) {
        numbers_.Check(706);
        RB_tippton->setChecked(true);
        if (s.tippton > 1)
            RB_buchstabenname->setChecked(true);
        if (s.tippton > 2)
            RB_wieBuchstabieren->setChecked(true);
    }

    if (level_ > 1)
        checkIn(30, s.bilderanzahl, 0, 4);
    if (level_ > 3) {
        if (s.bedienung == 0)
            s.bedienung = 2;
        checkIn(49, s.bedienung, 1, 3);
    }

    CK_mitArtikel->setChecked(s.mitArtikel);
    CK_ohneArtikel->setChecked(s.ohneArtikelabschreiben);
    CK_tastaturLock->setChecked(s.tastaturLock);

    CB_schrift->clear();
    CB_schrift->addItems(FontList().Names());
    CB_schrift->setCurrentIndex(s.schrift);
    CB_motzahl->setCurrentIndex(s.motzahl - 1);

    CB_textfarbe->SetColors(TextPalette(), ProgInfo().textColor);
    UpdateBackgroundSample();

    SetExtraControls();
    settingControls_ = false;
}

bool Teinstellungen1::StoreControls()
{
    if (!StoreUntilSave())
        return false;
    StoreBeforeSave();
    SaveSettings(CurrentSection());
    StoreAfterSave();
    return true;
}

bool Teinstellungen1::StoreUntilSave()
{
    auto& s = ExerciseSettings();
    s.stimme = s.stimme % 3 + (RB_lautieren->isChecked() ? 3 : 0);

    const auto take = [this](int& value, int first, int last, int base) {
        if (const auto checked = numbers_.FirstChecked(first, last))
            value = *checked - base;
    };
    take(s.buchstabieren, 21, 23, 20);
    take(s.textcontrollnr, 100, 108, 100);
    take(s.textcontrolle, 300, 302, 300);
    take(s.textvorgabe, 200, 206, 200);
    take(s.textausrichtung, 601, 603, 601);
    take(s.motivation, 900, 902, 900);
    s.auto3 = s.textcontrolle % 2 != 0 ? 1 : 0;
    take(s.mitSound, 701, 704, 701);
    take(s.mitSound, 708, 710, 701);

    // A control counts as visible unless it was hidden itself, so values of
    // controls in groups a dialog does not show are kept.
    const auto shown = [this](int number) { return numbers_.Find(number) && !numbers_.Find(number)->isHidden(); };
    s.blinken = numbers_.IsChecked(305) ? 1 : 2;
    if (shown(303) && numbers_.IsChecked(303))
        s.blinken = 0;
    s.funsound = numbers_.IsChecked(705) ? 1 : 0;
    s.tippton = numbers_.IsChecked(706) ? 1 : 0;
    s.positivsound = numbers_.IsChecked(707) ? 1 : 0;
    s.mitTon = numbers_.IsChecked(903) ? 1 : 0;
    s.wuerfeln = numbers_.IsChecked(2000) ? 1 : 0;
    s.auto4 = shown(209) && numbers_.IsChecked(209) ? 1 : 0;
    s.auto2 = numbers_.IsChecked(210) ? 1 : 0;

    const int textIndex = ColorIndex(s.textfarbe);
    if (textIndex >= 0 && textIndex < 16)
        ProgInfo().textColor = TextPalette()[textIndex];
    s.outfit = numbers_.IsChecked(604) ? u'1' : u' ';

    if (s.textfarbe == s.hintergrundfarbe &&
        AskOkCancel(QStringLiteral(" Hintergrund und Textfarbe sind gleich, Sie werden kaum sehen können was Sie schreiben."),
                    QStringLiteral("Warnung")) == Answer::Cancel)
        return false;

    if (s.schrift >= 0 && s.schrift < FontList().Count())
        s.schriftart = FontList().Names().at(s.schrift);
    s.soundpause = static_cast<QSlider*>(numbers_.Find(40))->value();
    s.buchstabierpause = static_cast<QSlider*>(numbers_.Find(10))->value();
    s.mitArtikel = CK_mitArtikel->isChecked();
    s.ohneArtikelabschreiben = CK_ohneArtikel->isChecked();
    s.tastaturLock = CK_tastaturLock->isChecked();
    if (s.tippton == 1 && RB_buchstabenname->isChecked())
        s.tippton = 2;
    if (s.tippton == 1 && RB_wieBuchstabieren->isChecked())
        s.tippton = 3;
    s.soundnachEingabe = CK_vorlesen->isChecked() ? 1 : 0;
    return true;
}

void Teinstellungen1::B_okClick()
{
    StoreControls();
    accept();
}

void Teinstellungen1::B_abbruchClick()
{
    reject();
}

void Teinstellungen1::B_standardClick()
{
    if (RestoreStandardSettings())   // reloads the section when it replaced the profile
        SetControls();
}

QMenu* Teinstellungen1::BuildVoiceMenu()
{
    auto* menu = new QMenu(this);
    const int current = ExerciseSettings().stimme % 3;
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            menu->addSeparator();
        QAction* item = menu->addAction(kVoices[i]);
        item->setCheckable(true);
        item->setChecked(i == current);
        if (i == current)
            menu->setActiveAction(item);
        connect(item, &QAction::triggered, this, [this, i] { VoiceCommand(kVoiceCommand + i); });
    }
    return menu;
}

void Teinstellungen1::VoiceCommand(int command)
{
    if (command > kVoiceCommand - 1)
        ExerciseSettings().stimme = command - kVoiceCommand;
}

void Teinstellungen1::OpenPhonicsChoice()
{
    TForm_lautauswahl phonics(this);
    if (phonics.Execute() == QDialog::Accepted)
        RB_lautieren->setChecked(true);
}

void Teinstellungen1::ChooseFont()
{
    QFontDialog dialog(QFont(ExerciseSettings().schriftart), this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (RunModal(dialog) == QDialog::Accepted)
        FontChosen(dialog.currentFont().family());
}

void Teinstellungen1::FontChosen(const QString& family)
{
    if (family.isEmpty())
        return;
    const int position = FontList().Add(family);
    CB_schrift->clear();
    CB_schrift->addItems(FontList().Names());
    CB_schrift->setCurrentIndex(position);
    ExerciseSettings().schrift = position;
}

void Teinstellungen1::ChooseBackground()
{
    const auto palette = BackgroundPalette();
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, ToQColor(palette[i]));
    QColorDialog dialog(ToQColor(ProgInfo().windowColor), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    std::array<quint32, 16> custom{};
    for (int i = 0; i < 16; ++i)
        custom[i] = FromQColor(QColorDialog::customColor(i));
    BackgroundChosen(FromQColor(dialog.currentColor()), custom);
}

void Teinstellungen1::BackgroundChosen(quint32 color, const std::array<quint32, 16>& customColors)
{
    auto& s = ExerciseSettings();
    ProgInfo().windowColor = color;
    s.hintergrundfarbe = u'z';
    for (int i = 0; i < 16; ++i) {
        ProgInfo().colors[i] = customColors[i];
        if (customColors[i] == color) {
            s.hintergrundfarbe = kColourCodes[i];
            ProgInfo().windowColor = ProgInfo().colors[i];
        }
    }
    UpdateBackgroundSample();
}

void Teinstellungen1::UpdateBackgroundSample()
{
    // A drawn button whose colour digit is the background colour.
    B_hintergrund->SetStyle(QString(ExerciseSettings().hintergrundfarbe) + QStringLiteral(" 90 xx 11"));
    B_hintergrund->update();
}

void Teinstellungen1::ConnectImmediateChanges()
{
    connect(CB_textfarbe, &QComboBox::activated, this, [](int i) {
        if (i < 0 || i > 15)
            return;
        ExerciseSettings().textfarbe = kColourCodes[i];
        ProgInfo().textColor = TextPalette()[i];
    });
    connect(CB_schrift, &QComboBox::activated, this, [](int i) { ExerciseSettings().schrift = i; });
    connect(CB_motzahl, &QComboBox::activated, this, [](int i) { ExerciseSettings().motzahl = i + 1; });
}
