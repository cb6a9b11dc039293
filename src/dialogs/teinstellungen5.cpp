#include "dialogs/teinstellungen5.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "dialogs/tf_pictureopendialog.h"
#include "platform/file_paths.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kCardFolder = QStringLiteral("fun\\memory\\");

} // namespace

Teinstellungen5::Teinstellungen5(QWidget* parent) : Teinstellungen1(parent)
{
    level_ = 4;
    for (QGroupBox* g : {G_fehlerkontrolle, G_eingabe, G_rueckmeldungen, G_tastengeraeusch, G_eingabehilfe})
        g->hide();
    Hide(2000);
    Relabel(702, QStringLiteral("mit rechter Maustaste"));
    CK_mitArtikel->setText(QStringLiteral("mit Artikel sprechen"));
    ShowMemoryNote();

    QGroupBox* cards = Group(QStringLiteral("Kartenanzahl"));
    auto* cardRow = new QHBoxLayout(cards);
    const char* counts[] = {"6", "12", "20", "24", "32"};
    for (int code = 0; code < 5; ++code)
        cardRow->addWidget(Radio(30 + code, QString::fromLatin1(counts[code]), QStringLiteral("Kartenanzahl"), cards));
    cardRow->addStretch(1);

    QGroupBox* players = Group(QStringLiteral("Spieler"));
    auto* playerColumn = new QVBoxLayout(players);
    playerColumn->addWidget(Radio(51, QStringLiteral("ein Spieler"), QStringLiteral("Spieler"), players));
    playerColumn->addWidget(Radio(50, QStringLiteral("zwei Spieler"), QStringLiteral("Spieler"), players));
    playerColumn->addWidget(Radio(52, QStringLiteral("ein Spieler und Computer"), QStringLiteral("Spieler"), players));

    QGroupBox* back = Group(QString());
    auto* backRow = new QHBoxLayout(back);
    B_rueckseite = new QPushButton(QStringLiteral("Rückseite"), back);
    I_rueckseite = new tdrbutton(this, 0, nullptr);
    I_rueckseite->setFixedSize(90, 110);
    I_rueckseite->setFocusPolicy(Qt::NoFocus);
    backRow->addWidget(B_rueckseite, 0, Qt::AlignTop);
    backRow->addWidget(I_rueckseite);
    backRow->addStretch(1);

    int at = leftColumn->indexOf(G_eingabe) + 1;
    for (QGroupBox* g : {cards, players, back})
        leftColumn->insertWidget(at++, g);

    connect(B_rueckseite, &QPushButton::clicked, this, [this] { ChooseCardBack(); });
    // Without sound there is nothing to speak with or without article.
    connect(Button(701), &QAbstractButton::toggled, this, [this](bool noSound) {
        L_memoryNote->setEnabled(!noSound);
        CK_mitArtikel->setEnabled(!noSound);
    });
}

void Teinstellungen5::SetExtraControls()
{
    ShowCardBack();
}

void Teinstellungen5::StoreBeforeSave()
{
    auto& s = ExerciseSettings();
    if (const auto cards = numbers_.FirstChecked(30, 34))
        s.bilderanzahl = *cards - 30;
    if (numbers_.IsChecked(51))
        s.bedienung = 0;
    else if (numbers_.IsChecked(50))
        s.bedienung = 1;
    else
        s.bedienung = 3;
}

void Teinstellungen5::ChooseCardBack()
{
    TF_PictureOpendialog chooser(this);
    chooser.setWindowTitle(QStringLiteral("Rückseite auswählen..."));
    chooser.fileMask = QStringLiteral("*.jpg,*.gif,*.bmp,*.wmf,*.emf");
    chooser.SetTypeIndex(TF_PictureOpendialog::PictureFiles);
    chooser.rootFolder = ResolvePath(kCardFolder);
    // The current card back is preselected when it lies inside the card folder.
    const QString current = ResolvePath(ExerciseSettings().bildhinten);
    const QString folder = WithForwardSlashes(NativePath(chooser.rootFolder));
    if (FileExists(current) && WithForwardSlashes(NativePath(current)).startsWith(folder, Qt::CaseInsensitive))
        chooser.chosenFile = current;
    if (chooser.Execute() == TF_opendialog::Opened && !chooser.chosenFile.isEmpty())
        CardBackChosen(chooser.chosenFile);
}

void Teinstellungen5::CardBackChosen(const QString& file)
{
    QString relative = RelativeTo(ProgramFolder(), file);
    if (!IsAbsolutePath(relative))
        relative.replace(u'/', u'\\');
    ExerciseSettings().bildhinten = relative;
    ShowCardBack();
}

void Teinstellungen5::ShowCardBack()
{
    const auto& s = ExerciseSettings();
    I_rueckseite->SetStyle(QString(s.hintergrundfarbe) + QStringLiteral(" 99 xx 11"));
    if (FileExists(ResolvePath(s.bildhinten)))
        I_rueckseite->SetContent(s.bildhinten);
    else
        I_rueckseite->SetContent(QStringLiteral(" "), QStringLiteral("Arial"));   // nothing to show
    I_rueckseite->update();
}
