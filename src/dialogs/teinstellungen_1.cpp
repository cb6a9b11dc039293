#include "dialogs/teinstellungen_1.h"

#include "data/exercise_settings.h"
#include "data/program_state.h"
#include "platform/ini_file.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Options whose picture is not visible while the pupil types.
constexpr int kWithoutPicture[] = {704, 708, 709, 710};

} // namespace

Teinstellungen_1::Teinstellungen_1(QWidget* parent) : Teinstellungen1(parent)
{
    // Sound and picture as two columns; the dictation options below a caption.
    G_sound->setTitle(QString());
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("<b>Sound</b>"), G_sound), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("<b>Bild</b>"), G_sound), 0, 1);
    const auto row = [&](int r, int number, const QString& sound, const QString& picture) {
        QAbstractButton* radio = numbers_.Button(number);
        if (!radio)
            radio = Radio(number, sound, QStringLiteral("Mit Sound"), G_sound);
        soundLayout->removeWidget(radio);
        radio->setText(sound);
        grid->addWidget(radio, r, 0);
        grid->addWidget(new QLabel(picture, G_sound), r, 1);
    };
    row(1, 703, QStringLiteral("sofort zum Bild"), QStringLiteral("sichtbar"));
    row(2, 702, QStringLiteral("abrufbar"), QStringLiteral("sichtbar"));
    row(3, 701, QStringLiteral("kein Sound"), QStringLiteral("sichtbar"));
    grid->addWidget(new QLabel(QStringLiteral(" hören - schreiben ohne Bild = Diktat"), G_sound), 4, 0, 1, 2);
    row(5, 704, QStringLiteral("sofort"), QStringLiteral("kein Bild"));
    row(6, 708, QStringLiteral("abrufbar"), QStringLiteral("kein Bild"));
    row(7, 709, QStringLiteral("sofort"), QStringLiteral("Bild nach Eingabe"));
    row(8, 710, QStringLiteral("abrufbar"), QStringLiteral("Bild nach Eingabe"));
    CK_hilfebild = new QCheckBox(QStringLiteral("Bild sichtbar mit Mausklick"), G_sound);
    grid->addWidget(CK_hilfebild, 9, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    soundLayout->insertLayout(0, grid);

    // The error sound: a tone, the word sounded out or spelled out.
    Relabel(705, QStringLiteral("Sound bei Fehler"));
    RB_ton = new QRadioButton(QStringLiteral("Ton"), G_rueckmeldungen);
    RB_lautiert = new QRadioButton(QStringLiteral("lautiert"), G_rueckmeldungen);
    RB_buchstabiert = new QRadioButton(QStringLiteral("buchstabiert"), G_rueckmeldungen);
    auto* kinds = new QHBoxLayout;
    kinds->setContentsMargins(22, 0, 0, 0);
    for (QRadioButton* r : {RB_ton, RB_lautiert, RB_buchstabiert}) {
        numbers_.Group(QStringLiteral("Funsound"))->addButton(r);
        kinds->addWidget(r);
    }
    kinds->addStretch(1);
    // The kinds stand right under "Sound bei Fehler", above the praise sounds.
    auto* feedback = static_cast<QGridLayout*>(G_rueckmeldungen->layout());
    QWidget* praiseSounds = Button(707);
    feedback->removeWidget(praiseSounds);
    const int next = feedback->rowCount();
    feedback->addLayout(kinds, next, 0, 1, 2);
    feedback->addWidget(praiseSounds, next + 1, 0, 1, 2);

    CK_mitArtikel->setText(QStringLiteral("Artikel zusätzlich anzeigen"));
    PutArticleBoxIntoInputGroup();
    Relabel(202, QStringLiteral("nur Artikel (wenn kein Artikel = \"überschreiben\")"));
    auto* note = new QLabel(
        QStringLiteral("Für die Kombination Fehlerkontrolle und Eingabe lässt das Programm nur sinnvolle Eingaben zu."),
        this);
    note->setWordWrap(true);
    leftColumn->insertWidget(leftColumn->indexOf(G_eingabe) + 1, note);

    for (int number = 701; number <= 710; ++number)
        if (QAbstractButton* b = numbers_.Button(number); b && number != 705 && number != 706 && number != 707)
            connect(b, &QAbstractButton::toggled, this, [this] { UpdateLinkedEnabling(); });
    for (int number = 200; number <= 206; ++number)
        if (QAbstractButton* b = numbers_.Button(number))
            connect(b, &QAbstractButton::toggled, this, [this] { UpdateLinkedEnabling(); });
    connect(CK_hilfebild, &QCheckBox::clicked, this, [](bool on) { ExerciseSettings().hilfebild = on ? 1 : 0; });
    UpdateLinkedEnabling();
}

void Teinstellungen_1::UpdateLinkedEnabling()
{
    bool hidden = false;
    for (int number : kWithoutPicture)
        hidden = hidden || numbers_.IsChecked(number);
    CK_hilfebild->setEnabled(hidden);
    CK_mitArtikel->setEnabled(numbers_.IsChecked(201));
}

void Teinstellungen_1::SetExtraControls()
{
    const auto& s = ExerciseSettings();
    if (s.funsound == 1)
        RB_ton->setChecked(true);
    else if (s.funsound == 2)
        RB_buchstabiert->setChecked(true);
    else if (s.funsound == 3)
        RB_lautiert->setChecked(true);
    CK_hilfebild->setChecked(s.hilfebild > 0);
    UpdateLinkedEnabling();
}

void Teinstellungen_1::StoreAfterSave()
{
    auto& s = ExerciseSettings();
    if (s.funsound <= 0)
        return;
    if (RB_ton->isChecked())
        s.funsound = 1;
    else if (RB_lautiert->isChecked())
        s.funsound = 3;
    else if (RB_buchstabiert->isChecked())
        s.funsound = 2;
    Ini::WriteInt(CurrentProfilePath(), CurrentSection(), QStringLiteral("Funsound"), s.funsound);
}
