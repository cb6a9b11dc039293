#include "dialogs/teinstellungen3.h"

#include "data/exercise_settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kPictureCountTag = 9000;   // option of code n: 9000 + n

} // namespace

Teinstellungen3::Teinstellungen3(QWidget* parent) : Teinstellungen1(parent)
{
    for (QGroupBox* g : {G_fehlerkontrolle, G_eingabe, G_tastengeraeusch, G_eingabehilfe})
        g->hide();
    Hide(704);
    CK_vorlesen->setText(QStringLiteral("Wort nach der Lösung vorlesen"));

    QGroupBox* pictures = Group(QStringLiteral("Bilder"));
    auto* row = new QHBoxLayout(pictures);
    // Codes of Bilderanzahl in the order of their picture counts.
    const std::pair<int, const char*> options[] = {{4, "2"}, {3, "4"}, {0, "6"}, {1, "8"}, {2, "14"}};
    for (const auto& [code, count] : options)
        row->addWidget(Radio(kPictureCountTag + code, QString::fromLatin1(count), QStringLiteral("Bilderanzahl"), pictures));
    row->addStretch(1);
    leftColumn->insertWidget(leftColumn->indexOf(G_eingabe) + 1, pictures);
    connect(numbers_.Group(QStringLiteral("Bilderanzahl")), &QButtonGroup::idClicked, this,
            [](int id) { ExerciseSettings().bilderanzahl = id - kPictureCountTag; });
}

void Teinstellungen3::SetExtraControls()
{
    numbers_.Check(kPictureCountTag + ExerciseSettings().bilderanzahl);
}
