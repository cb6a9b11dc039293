#include "dialogs/teinstellungen2.h"

#include "data/exercise_settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kFieldCountTag = 10000;   // option of n fields: 10000 + n
constexpr int kPuzzleSizes[] = {9, 16, 25, 36};

} // namespace

Teinstellungen2::Teinstellungen2(QWidget* parent) : Teinstellungen1(parent)
{
    for (QGroupBox* g : {G_fehlerkontrolle, G_eingabe, G_tastengeraeusch, G_eingabehilfe})
        g->hide();
    CK_vorlesen->setText(QStringLiteral("Wort nach der Lösung vorlesen"));

    QGroupBox* fields = Group(QStringLiteral("Anzahl Schriftfelder"));
    auto* fieldRow = new QHBoxLayout(fields);
    for (int n = 2; n <= 6; ++n)
        fieldRow->addWidget(Radio(kFieldCountTag + n, QString::number(n), QStringLiteral("Felderanzahl"), fields));
    fieldRow->addStretch(1);
    leftColumn->insertWidget(leftColumn->indexOf(G_eingabe) + 1, fields);
    connect(numbers_.Group(QStringLiteral("Felderanzahl")), &QButtonGroup::idClicked, this,
            [](int id) { ExerciseSettings().felderanzahl = id - kFieldCountTag; });

    G_aufdeckmodus = Group(QStringLiteral("Aufdeckmodus:"));
    auto* uncover = new QVBoxLayout(G_aufdeckmodus);
    auto* sizes = new QHBoxLayout;
    for (int size : kPuzzleSizes) {
        const int side = size == 9 ? 3 : size == 16 ? 4 : size == 25 ? 5 : 6;
        sizes->addWidget(Radio(size, QStringLiteral("%1 x %1").arg(side), QStringLiteral("Puzzelanzahl"), G_aufdeckmodus));
    }
    sizes->addStretch(1);
    uncover->addLayout(sizes);
    RB_manuell = new QRadioButton(QStringLiteral("manuell - durch Klick auf Karte"), G_aufdeckmodus);
    RB_automatisch = new QRadioButton(QStringLiteral("automatisch - nach"), G_aufdeckmodus);
    numbers_.Group(QStringLiteral("Aufdeckenmanuell"))->addButton(RB_manuell);
    numbers_.Group(QStringLiteral("Aufdeckenmanuell"))->addButton(RB_automatisch);
    uncover->addWidget(RB_manuell);
    auto* timed = new QHBoxLayout;
    TB_aufdeckpause = new QSlider(Qt::Horizontal, G_aufdeckmodus);
    TB_aufdeckpause->setRange(1, 20);
    L_aufdeckpause = new QLabel(G_aufdeckmodus);
    L_aufdeckpause->setMinimumWidth(L_aufdeckpause->fontMetrics().horizontalAdvance(QStringLiteral("20 Sekunden")));
    timed->setContentsMargins(22, 0, 0, 0);
    timed->addWidget(TB_aufdeckpause, 1);
    timed->addWidget(L_aufdeckpause);
    uncover->addWidget(RB_automatisch);
    uncover->addLayout(timed);
    middleColumn->insertWidget(middleColumn->indexOf(G_sound) + 1, G_aufdeckmodus);
    G_aufdeckmodus->hide();

    connect(numbers_.Group(QStringLiteral("Puzzelanzahl")), &QButtonGroup::idClicked, this,
            [](int id) { ExerciseSettings().puzzelanzahl = id; });
    connect(TB_aufdeckpause, &QSlider::valueChanged, this, [this](int seconds) {
        L_aufdeckpause->setText(seconds == 1 ? QStringLiteral("1 Sekunde") : QStringLiteral("%1 Sekunden").arg(seconds));
        if (!settingControls_)
            ExerciseSettings().aufdeckpause = seconds;
    });
    connect(RB_manuell, &QRadioButton::toggled, this, [this] {
        if (!settingControls_)
            ExerciseSettings().aufdeckenmanuell = RB_manuell->isChecked() ? 1 : 0;
        UpdateUncoverPauseEnabling();
    });
}

void Teinstellungen2::SetUncoverMode(bool on)
{
    uncover_ = on;
    G_aufdeckmodus->setVisible(on);
    G_sound->setVisible(!on);
}

void Teinstellungen2::UpdateUncoverPauseEnabling()
{
    const bool automatic = RB_automatisch->isChecked();
    TB_aufdeckpause->setEnabled(automatic);
    L_aufdeckpause->setEnabled(automatic);
}

void Teinstellungen2::SetExtraControls()
{
    const auto& s = ExerciseSettings();
    numbers_.Check(kFieldCountTag + s.felderanzahl);
    if (!uncover_)
        return;
    const int pause = s.aufdeckpause;
    const bool manual = s.aufdeckenmanuell == 1;
    numbers_.Check(s.puzzelanzahl);
    TB_aufdeckpause->setValue(pause);
    (manual ? RB_manuell : RB_automatisch)->setChecked(true);
    UpdateUncoverPauseEnabling();
}
