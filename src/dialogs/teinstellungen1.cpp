#include "dialogs/teinstellungen1.h"

#include "controls/tdrbutton.h"
#include "dialogs/text_color_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kIndent = 22;   // sub-choices stand under their check box

QWidget* Indented(QWidget* child, QWidget* parent)
{
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(kIndent, 0, 0, 0);
    row->addWidget(child);
    child->setParent(holder);
    return holder;
}

QString PauseText(int position)
{
    return QString::number(position / 20.0, 'f', 2);
}

} // namespace

Teinstellungen1::Teinstellungen1(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Einstellungen"));

    auto* columns = new QHBoxLayout;
    leftColumn = new QVBoxLayout;
    middleColumn = new QVBoxLayout;
    rightColumn = new QVBoxLayout;
    for (QVBoxLayout* c : {leftColumn, middleColumn, rightColumn})
        columns->addLayout(c, 1);

    BuildLeftColumn();
    BuildMiddleColumn();
    BuildRightColumn();
    for (QVBoxLayout* c : {leftColumn, middleColumn, rightColumn})
        c->addStretch(1);

    B_standard = new QPushButton(QStringLiteral("Standard wiederherstellen"), this);
    B_ok = new QPushButton(QStringLiteral("OK"), this);
    B_abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    B_ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(B_standard);
    bottom->addStretch(1);
    bottom->addWidget(B_ok);
    bottom->addWidget(B_abbruch);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    connect(B_ok, &QPushButton::clicked, this, [this] { B_okClick(); });
    connect(B_abbruch, &QPushButton::clicked, this, [this] { B_abbruchClick(); });
    connect(B_standard, &QPushButton::clicked, this, [this] { B_standardClick(); });
    ConnectLinkedChoices();
    ConnectImmediateChanges();
}

Teinstellungen1::~Teinstellungen1() = default;

QRadioButton* Teinstellungen1::Radio(int number, const QString& caption, const QString& group, QWidget* parent)
{
    auto* radio = new QRadioButton(caption, parent);
    numbers_.AddRadio(number, radio, group);
    return radio;
}

QCheckBox* Teinstellungen1::Check(int number, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    numbers_.Add(number, box, QStringLiteral("Ck"));
    return box;
}

QGroupBox* Teinstellungen1::Group(const QString& title)
{
    return new QGroupBox(title, this);
}

void Teinstellungen1::Relabel(int number, const QString& caption)
{
    if (auto* b = numbers_.Button(number))
        b->setText(caption);
}

void Teinstellungen1::Hide(int number)
{
    if (QWidget* w = numbers_.Find(number))
        w->hide();
}

void Teinstellungen1::BuildLeftColumn()
{
    topColumn = new QVBoxLayout;
    leftColumn->addLayout(topColumn);
    topColumn->addWidget(Check(2000, QStringLiteral("Liste durcheinander würfeln"), this));
    L_memoryNote = new QLabel(
        QStringLiteral("Für Hörübungen ist es sinnvoll, die Nomen ohne Artikel sprechen zu lassen."), this);
    L_memoryNote->setWordWrap(true);
    L_memoryNote->hide();
    topColumn->addWidget(L_memoryNote);
    CK_mitArtikel = new QCheckBox(QStringLiteral("mit Artikel"), this);
    topColumn->addWidget(CK_mitArtikel);

    G_fehlerkontrolle = Group(QStringLiteral("Fehlerkontrolle"));
    auto* control = new QVBoxLayout(G_fehlerkontrolle);
    control->addWidget(Radio(300, QStringLiteral("mit OK / Enter"), "Textcontrolle", G_fehlerkontrolle));
    auto* withLength = new QHBoxLayout;
    withLength->addWidget(Radio(301, QStringLiteral("automatisch"), "Textcontrolle", G_fehlerkontrolle));
    withLength->addWidget(new QLabel(QStringLiteral("Vorgabe Wortlänge"), G_fehlerkontrolle), 1);
    control->addLayout(withLength);
    control->addWidget(Radio(302, QStringLiteral("automatisch"), "Textcontrolle", G_fehlerkontrolle));
    auto* errors = new QGroupBox(QStringLiteral("Fehler"), G_fehlerkontrolle);
    auto* errorRow = new QHBoxLayout(errors);
    errorRow->addWidget(Radio(303, QStringLiteral("zulassen"), "Blinken", errors));
    errorRow->addWidget(Radio(304, QStringLiteral("nicht zulassen"), "Blinken", errors));
    errorRow->addWidget(Radio(305, QStringLiteral("blinken"), "Blinken", errors));
    control->addWidget(errors);
    leftColumn->addWidget(G_fehlerkontrolle);

    G_eingabe = Group(QStringLiteral("Eingabe"));
    inputLayout_ = new QVBoxLayout(G_eingabe);
    inputLayout_->addWidget(Radio(200, QStringLiteral("Alles"), "Textvorgabe", G_eingabe));
    inputLayout_->addWidget(Radio(201, QStringLiteral("nur Wort (Artikel ist vorgegeben)"), "Textvorgabe", G_eingabe));
    inputLayout_->addWidget(
        Radio(202, QStringLiteral("nur Artikel (wenn kein Artikel = \"Alles\")"), "Textvorgabe", G_eingabe));
    inputLayout_->addWidget(Radio(203, QStringLiteral("überschreiben"), "Textvorgabe", G_eingabe));
    CK_ohneArtikel = new QCheckBox(QStringLiteral("ohne Artikel"), G_eingabe);
    inputLayout_->addWidget(Indented(CK_ohneArtikel, G_eingabe));
    inputLayout_->addWidget(Radio(206, QStringLiteral("ab dem 2. Buchstaben"), "Textvorgabe", G_eingabe));
    inputLayout_->addWidget(Radio(204, QStringLiteral("nur der 1. Buchstabe"), "Textvorgabe", G_eingabe));
    inputLayout_->addWidget(Radio(205, QStringLiteral("jeder 2. Buchstabe"), "Textvorgabe", G_eingabe));
    inputLayout_->addSpacing(6);
    inputLayout_->addWidget(Check(209, QStringLiteral("Groß- und Kleinschreibung automatisch"), G_eingabe));
    inputLayout_->addWidget(Check(210, QStringLiteral("nur Großbuchstaben"), G_eingabe));
    leftColumn->addWidget(G_eingabe);
}

void Teinstellungen1::PutArticleBoxIntoInputGroup()
{
    topColumn->removeWidget(CK_mitArtikel);
    CK_mitArtikel->setParent(G_eingabe);
    inputLayout_->insertWidget(2, Indented(CK_mitArtikel, G_eingabe));
}

void Teinstellungen1::ShowMemoryNote()
{
    // The note stands above the article box, which stays last in the column.
    L_memoryNote->show();
}

QSlider* Teinstellungen1::PauseBar(int number, const QString& caption, QWidget* parent, QVBoxLayout* layout)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(0, 100);
    numbers_.Add(number, bar, QStringLiteral("Tb"));
    auto* field = new QLabel(PauseText(0), parent);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0.000")));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numbers_.Add(number + 1, field, QStringLiteral("E"));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(bar);
    // The caption above, the bar and its value below, so the bar has room.
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kIndent, 0, 0, 0);
    row->addWidget(bar, 1);
    row->addWidget(field);
    layout->addWidget(label);
    layout->addLayout(row);
    connect(bar, &QSlider::valueChanged, field, [field](int v) { field->setText(PauseText(v)); });
    return bar;
}

void Teinstellungen1::BuildMiddleColumn()
{
    G_sound = Group(QStringLiteral("Sound"));
    soundLayout = new QVBoxLayout(G_sound);
    soundLayout->addWidget(Radio(701, QStringLiteral("kein Sound"), "Mit Sound", G_sound));
    soundLayout->addWidget(Radio(702, QStringLiteral("abrufbar"), "Mit Sound", G_sound));
    soundLayout->addWidget(Radio(703, QStringLiteral("sofort zum Bild"), "Mit Sound", G_sound));
    soundLayout->addWidget(Radio(704, QStringLiteral("kein Bild mit Sound"), "Mit Sound", G_sound));
    PauseBar(40, QStringLiteral("Pause nach Geräusch"), G_sound, soundLayout);
    CK_vorlesen = new QCheckBox(QStringLiteral("Wort nach der Eingabe vorlesen"), G_sound);
    soundLayout->addWidget(CK_vorlesen);
    middleColumn->addWidget(G_sound);

    G_buchstabieren = Group(QStringLiteral("Buchstabieren/ Lautieren"));
    auto* spelling = new QVBoxLayout(G_buchstabieren);
    W_spellingRange = new QWidget(G_buchstabieren);
    auto* range = new QVBoxLayout(W_spellingRange);
    range->setContentsMargins(0, 0, 0, 0);
    range->addWidget(Radio(21, QStringLiteral("bis zum Cursor"), "Buchstabieren", W_spellingRange));
    range->addWidget(Radio(22, QStringLiteral("ab der aktuellen Position"), "Buchstabieren", W_spellingRange));
    range->addWidget(Radio(23, QStringLiteral("alles"), "Buchstabieren", W_spellingRange));
    spelling->addWidget(W_spellingRange);
    PauseBar(10, QStringLiteral("Pause"), G_buchstabieren, spelling);

    RB_lautieren = new QRadioButton(QStringLiteral("lautieren"), G_buchstabieren);
    RB_lautieren->setObjectName(QStringLiteral("RB_lautieren"));
    RB_buchstabieren = new QRadioButton(QStringLiteral(" buchstabieren"), G_buchstabieren);
    B_lautauswahl = new QPushButton(QStringLiteral("..."), G_buchstabieren);
    B_lautauswahl->setFixedWidth(B_lautauswahl->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    B_lautauswahl->setToolTip(QStringLiteral("Lautieren einstellen"));
    B_lautauswahl->setAccessibleName(QStringLiteral("Lautieren einstellen"));
    auto* manner = new QGridLayout;
    manner->addWidget(RB_lautieren, 0, 0);
    manner->addWidget(B_lautauswahl, 0, 1);
    manner->addWidget(RB_buchstabieren, 1, 0);
    manner->setColumnStretch(2, 1);
    spelling->addLayout(manner);
    auto* voice = new QPushButton(QStringLiteral("Auswahl der Stimme"), G_buchstabieren);
    numbers_.Add(1004, voice, QStringLiteral("B"));
    spelling->addWidget(voice, 0, Qt::AlignLeft);
    middleColumn->addWidget(G_buchstabieren);

    connect(B_lautauswahl, &QPushButton::clicked, this, [this] { OpenPhonicsChoice(); });
    connect(voice, &QPushButton::clicked, this, [this, voice] {
        QMenu* menu = BuildVoiceMenu();
        menu->exec(voice->mapToGlobal(QPoint(0, voice->height())));
        menu->deleteLater();
    });
}

void Teinstellungen1::BuildRightColumn()
{
    G_rueckmeldungen = Group(QStringLiteral("Rückmeldungen"));
    auto* feedback = new QGridLayout(G_rueckmeldungen);
    feedback->addWidget(Radio(900, QStringLiteral("Lobtext nach jedem"), "Motivation", G_rueckmeldungen), 0, 0);
    CB_motzahl = new QComboBox(G_rueckmeldungen);
    // Entry i praises after every (i + 1)-th right answer: the stored value is
    // the count itself, so the labels name the count.
    CB_motzahl->addItems({QStringLiteral("Wort"), QStringLiteral("2. Wort"), QStringLiteral("3. Wort"),
                          QStringLiteral("4. Wort"), QStringLiteral("5. Wort"), QStringLiteral("6. Wort")});
    feedback->addWidget(CB_motzahl, 0, 1);
    feedback->addWidget(Radio(901, QStringLiteral("Lobtext am Ende"), "Motivation", G_rueckmeldungen), 1, 0, 1, 2);
    feedback->addWidget(Radio(902, QStringLiteral("kein Lobtext"), "Motivation", G_rueckmeldungen), 2, 0, 1, 2);
    feedback->addWidget(Check(903, QStringLiteral("Lob auch als Sound"), G_rueckmeldungen), 3, 0, 1, 2);
    feedback->addWidget(Check(705, QStringLiteral("Fehlersounds"), G_rueckmeldungen), 4, 0, 1, 2);
    feedback->addWidget(Check(707, QStringLiteral("positive Motivationssounds"), G_rueckmeldungen), 5, 0, 1, 2);
    feedback->setColumnStretch(2, 1);
    rightColumn->addWidget(G_rueckmeldungen);

    G_tastengeraeusch = Group(QString());
    auto* keys = new QVBoxLayout(G_tastengeraeusch);
    keys->addWidget(Check(706, QStringLiteral("Tastengeräusch"), G_tastengeraeusch));
    RB_tippton = new QRadioButton(QStringLiteral("Tippton"), G_tastengeraeusch);
    RB_buchstabenname = new QRadioButton(QStringLiteral("Buchstabenname"), G_tastengeraeusch);
    RB_wieBuchstabieren = new QRadioButton(QStringLiteral("wie Buchstabieren/Lautieren"), G_tastengeraeusch);
    for (QRadioButton* r : {RB_tippton, RB_buchstabenname, RB_wieBuchstabieren}) {
        numbers_.Group(QStringLiteral("Tippton"))->addButton(r);
        keys->addWidget(Indented(r, G_tastengeraeusch));
        r->setEnabled(false);
    }
    rightColumn->addWidget(G_tastengeraeusch);

    G_eingabehilfe = Group(QStringLiteral("Eingabehilfe:"));
    auto* help = new QVBoxLayout(G_eingabehilfe);
    CK_tastaturLock = new QCheckBox(QStringLiteral("Nächsten Buchstaben erst nach dem Loslassen"), G_eingabehilfe);
    CK_tastaturLock->setToolTip(QStringLiteral("verhindert das ein Buchstabe ungewollt mehrfach geschrieben wird"));
    help->addWidget(CK_tastaturLock);
    auto* rest = new QLabel(QStringLiteral(" einer Taste annehmen."), G_eingabehilfe);
    help->addWidget(Indented(rest, G_eingabehilfe));
    help->addWidget(Indented(new QLabel(QStringLiteral("(Für Anfänger oder bei motorischen Problemen.)"), G_eingabehilfe),
                             G_eingabehilfe));
    rightColumn->addWidget(G_eingabehilfe);

    G_anzeige = Group(QString());
    auto* display = new QGridLayout(G_anzeige);
    auto* fontButton = new QPushButton(QStringLiteral("Schrift"), G_anzeige);
    numbers_.Add(1002, fontButton, QStringLiteral("B"));
    CB_schrift = new QComboBox(G_anzeige);
    display->addWidget(fontButton, 0, 0);
    display->addWidget(CB_schrift, 0, 1, 1, 2);
    auto* align = new QHBoxLayout;
    align->addWidget(Radio(601, QStringLiteral("linksbündig"), "Textausrichtung", G_anzeige));
    align->addWidget(Radio(602, QStringLiteral("zentriert"), "Textausrichtung", G_anzeige));
    align->addWidget(Radio(603, QStringLiteral("rechtsbündig"), "Textausrichtung", G_anzeige));
    display->addLayout(align, 1, 0, 1, 3);
    display->addWidget(Check(604, QStringLiteral("Text hervorheben"), G_anzeige), 2, 0, 1, 3);
    auto* textLabel = new QLabel(QStringLiteral("Textfarbe"), G_anzeige);
    CB_textfarbe = new TextColorBox(G_anzeige);
    textLabel->setBuddy(CB_textfarbe);
    display->addWidget(textLabel, 3, 0);
    display->addWidget(CB_textfarbe, 3, 1);
    auto* backgroundLabel = new QLabel(QStringLiteral("Hintergrundfarbe"), G_anzeige);
    B_hintergrund = new tdrbutton(this, 500, nullptr);
    numbers_.Add(500, B_hintergrund, QStringLiteral("B"));
    B_hintergrund->setFocusPolicy(Qt::StrongFocus);
    B_hintergrund->setAccessibleName(QStringLiteral("Hintergrundfarbe"));
    B_hintergrund->setFixedSize(CB_textfarbe->sizeHint().width(), CB_textfarbe->sizeHint().height() + 6);
    B_hintergrund->SetContent(QStringLiteral(" "), QStringLiteral("Arial"));
    B_hintergrund->SetDrawHandler([](tdrbutton& b, QPainter& p) {
        // The colour sample with a frame, and a second frame while it has the focus.
        const QRect r = b.rect();
        b.Draw(p, r);
        p.setPen(b.palette().color(QPalette::WindowText));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (b.hasFocus())
            p.drawRect(r.adjusted(3, 3, -4, -4));
    });
    backgroundLabel->setBuddy(B_hintergrund);
    display->addWidget(backgroundLabel, 4, 0);
    display->addWidget(B_hintergrund, 4, 1);
    display->setColumnStretch(2, 1);
    rightColumn->addWidget(G_anzeige);
    connect(B_hintergrund, &QAbstractButton::clicked, this, [this] { ChooseBackground(); });

    connect(fontButton, &QPushButton::clicked, this, [this] { ChooseFont(); });
}
