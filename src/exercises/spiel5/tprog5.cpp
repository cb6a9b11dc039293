// Tprog5: construction, the bars and their controls, layout, settings,
// opening the list and showing the window.
#include "exercises/spiel5/tprog5.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "framework/list_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kSchoolFont = QStringLiteral("KV_Druckschrift");
const QColor kCyan(0, 255, 255);
const QColor kDarkCyan(0, 128, 128);

// A bar behind the controls, filled with silver.
QWidget* Bar(QWidget* parent, const QString& name)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(name);
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    bar->setPalette(p);
    return bar;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Tool buttons: their face inside a raised frame, sunk while pressed.
void DrawToolButton(tdrbutton& b, QPainter& painter)
{
    const QRect outer = b.rect();
    b.Draw(painter, outer.adjusted(2, 2, -2, -2));
    const bool pressed = b.isDown();
    Draw3DFrame(painter, outer, false, 1, pressed ? kDarkCyan : kCyan, pressed ? kCyan : kDarkCyan);
}

} // namespace

Tprog5::Tprog5(QWidget* parent) : Tprog5(Section::kBildMemory, QStringLiteral("Bildmemory"), parent)
{
    setObjectName(QStringLiteral("prog5"));
}

Tprog5::Tprog5(const QString& section, const QString& caption, QWidget* parent)
    : T_urahnlrb(parent), captionText_(caption)
{
    setWindowTitle(caption);
    Setup(0, section);
    CreateControls();
}

Tprog5::~Tprog5()
{
    qApp->removeEventFilter(this);
}

// ---- Controls ----------------------------------------------------------------

tdrbutton* Tprog5::MakeButton(int number, const QString& name, const QString& content, const QString& font,
                              const QString& style)
{
    auto* b = new tdrbutton(this, number, nullptr);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->SetStyle(style);
    b->SetContent(content, font);
    b->SetDrawHandler(DrawToolButton);
    connect(b, &QAbstractButton::clicked, this, [this, number] {
        switch (number) {
        case kOptions:
        case kEnd:
        case kChooseList: RunOrKeepForTurnEnd(number); break;
        case kHelpButton: OpenHelp(); break;
        default: PressButton(number); break;
        }
    });
    return b;
}

void Tprog5::CreateControls()
{
    rightBar_ = Bar(this, QStringLiteral("rechte_leiste"));
    bottomBar_ = Bar(this, QStringLiteral("leiste_unten"));
    cardArea_ = new QWidget(this);
    cardArea_->setObjectName(QStringLiteral("Panel_bilder"));
    cardArea_->setAutoFillBackground(true);

    caption_ = Label(this, QStringLiteral("L_caption"), captionText_);
    caption_->setWordWrap(true);
    MakeButton(kHelpButton, QStringLiteral("bhelp"), QStringLiteral("Hilfe-Datei"), kArial, QStringLiteral("f 70 xx 00"));
    MakeButton(kOptions, QStringLiteral("boptionen"), QStringLiteral("Optionen"), kArial, QStringLiteral("f 90 xx 11"));
    tdrbutton* end = MakeButton(kEnd, QStringLiteral("bende"), QStringLiteral("fun\\ende.wmf"), QString(),
                                QStringLiteral("0 90 xx 11"));
    connect(end, &QAbstractButton::pressed, end, [end] { end->SetContent(QStringLiteral("fun\\endep.wmf")); });
    connect(end, &QAbstractButton::released, end, [end] { end->SetContent(QStringLiteral("fun\\ende.wmf")); });
    speechBox_ = new QCheckBox(QStringLiteral("Sprache"), this);
    speechBox_->setObjectName(QStringLiteral("Ck120"));
    noiseBox_ = new QCheckBox(QString::fromUtf8("Geräusch"), this);
    noiseBox_->setObjectName(QStringLiteral("CK121"));
    for (QCheckBox* box : {speechBox_, noiseBox_}) {
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!settingBoxes_)
                SoundBoxesChanged();
        });
    }

    // The back of the cards is drawn by a button of its own that is never shown.
    back_ = new tdrbutton(this, kBackPainter, nullptr);
    back_->setObjectName(QStringLiteral("bhelp2"));
    back_->SetStyle(QStringLiteral("03100x0011"));
    back_->hide();
    textFace_ = new tdrbutton(this, 0, nullptr);
    textFace_->hide();

    for (int i = 0; i < CardLayout::kMaxCards; ++i) {
        auto* card = new tdrbutton(this, CardLayout::kFirstCard + i, nullptr);
        card->setParent(cardArea_);
        card->setObjectName(QStringLiteral("userBtn%1").arg(i));
        card->setFocusPolicy(Qt::NoFocus);
        card->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawCard(b, p); });
        ConnectCard(card);
        card->hide();
        cards_[size_t(i)] = card;
    }

    pile1_ = new tdrbutton(this, kPile1, nullptr);
    pile1_->setObjectName(QStringLiteral("B12"));
    pile2_ = new tdrbutton(this, kPile2, nullptr);
    pile2_->setObjectName(QStringLiteral("B13"));
    pile1_->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawPile(b, p, game_.Score(1)); });
    pile2_->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawPile(b, p, game_.Score(2)); });
    for (tdrbutton* pile : {pile1_, pile2_})
        pile->setFocusPolicy(Qt::NoFocus);
    turnDisplay_ = new tdrbutton(this, kTurnDisplay, nullptr);
    turnDisplay_->setObjectName(QStringLiteral("b14"));
    turnDisplay_->setFocusPolicy(Qt::NoFocus);
    turnDisplay_->SetStyle(QStringLiteral("7 98 x4 11"));
    score1_ = Label(this, QStringLiteral("L10"), QStringLiteral("0"));
    score2_ = Label(this, QStringLiteral("L11"), QStringLiteral("0"));
    nameLabel1_ = Label(this, QStringLiteral("Label17"), QStringLiteral("Name"));
    nameLabel2_ = Label(this, QStringLiteral("Label18"), QStringLiteral("Name"));
    name1_ = new QLineEdit(CurrentPupilName(), this);
    name1_->setObjectName(QStringLiteral("Ed15"));
    name2_ = new QLineEdit(this);
    name2_->setObjectName(QStringLiteral("ed16"));
    for (QLineEdit* name : {name1_, name2_})
        name->setFocusPolicy(Qt::ClickFocus);
    MakeButton(kNewGameButton, QStringLiteral("B201"), QStringLiteral(" Neu "), kArial, QStringLiteral("4 95 x4 71"));
    MakeButton(kChooseList, QStringLiteral("B660"), QStringLiteral("Datei"), kSchoolFont, QStringLiteral("f 90 xx 11"));
    listName_ = new tdrbutton(this, kListName, nullptr);
    listName_->setObjectName(QStringLiteral("cm601"));
    listName_->setFocusPolicy(Qt::NoFocus);
    listName_->SetStyle(QStringLiteral("7 99 x4 11"));

    // The panel with the speaking buttons is part of the form but not shown.
    soundPanel_ = Bar(this, QStringLiteral("Psound"));
    Label(soundPanel_, QStringLiteral("Label_ton"), QStringLiteral("Ton"));
    MakeButton(kSpeak, QStringLiteral("B202"), QStringLiteral("fun\\rechts.wmf"), QString(), QStringLiteral("0 80 x4 11"))
        ->setParent(soundPanel_);
    MakeButton(kStopSpeaking, QStringLiteral("B203"), QStringLiteral("fun\\stop.wmf"), QString(),
               QStringLiteral("f 80 x4 11"))
        ->setParent(soundPanel_);
    soundPanel_->hide();
}

void Tprog5::resizeEvent(QResizeEvent* event)
{
    T_urahnlrb::resizeEvent(event);
    LayoutControls();
    if (!game_.Cards().empty() && !IsTornDown())
        LayOutCards();
}

void Tprog5::LayoutControls()
{
    const int w = width(), h = height();
    const int barX = w - kRightBarWidth;
    rightBar_->setGeometry(barX, 0, kRightBarWidth, h);
    rightBar_->lower();
    caption_->setGeometry(barX + 4, 8, kRightBarWidth - 8, 56);
    // The title in bold, as large as fits the bar (at most 18 pixels).
    QFont big = caption_->font();
    big.setBold(true);
    int size = 18;
    for (; size > 8; --size) {
        big.setPixelSize(size);
        if (QFontMetrics(big).horizontalAdvance(captionText_) <= caption_->width() - 4)
            break;
    }
    big.setPixelSize(size);
    caption_->setFont(big);
    auto place = [&](int number, QRect r) {
        if (tdrbutton* b = ButtonHandleByNumber(number))
            b->setGeometry(r);
    };
    place(kHelpButton, QRect(barX + 8, 72, kRightBarWidth - 16, 44));
    place(kOptions, QRect(barX + 8, 124, kRightBarWidth - 16, 44));
    speechBox_->setGeometry(barX + 12, 182, kRightBarWidth - 20, 24);
    noiseBox_->setGeometry(barX + 12, 210, kRightBarWidth - 20, 24);
    place(kEnd, QRect(barX + 8, h - 108, kRightBarWidth - 16, 100));

    cardArea_->setGeometry(0, 0, barX, std::max(0, h - kBottomBarHeight));
    const QRect bottom(0, h - kBottomBarHeight, barX, kBottomBarHeight);
    bottomBar_->setGeometry(bottom);
    bottomBar_->lower();
    // Columns of the bottom bar: pile, name and score of player 1, the turn
    // display with "Neu", name and score of player 2, pile, the list.
    const int bw = bottom.width(), top = bottom.top();
    auto x = [&](int percent) { return bottom.left() + bw * percent / 100; };
    const int pileWidth = std::min(x(9) - x(0) - 8, kBottomBarHeight - 20);
    pile1_->setGeometry(x(0) + 8, top + 8, pileWidth, kBottomBarHeight - 16);
    nameLabel1_->setGeometry(x(10), top + 8, x(27) - x(10), 22);
    name1_->setGeometry(x(10), top + 32, x(27) - x(10), 28);
    score1_->setGeometry(x(10), top + 64, x(27) - x(10), 72);
    turnDisplay_->setGeometry(x(28), top + 8, x(57) - x(28), 72);
    place(kNewGameButton, QRect((x(28) + x(57)) / 2 - 60, top + 88, 120, 48));
    nameLabel2_->setGeometry(x(58), top + 8, x(75) - x(58), 22);
    name2_->setGeometry(x(58), top + 32, x(75) - x(58), 28);
    score2_->setGeometry(x(58), top + 64, x(75) - x(58), 72);
    pile2_->setGeometry(x(76), top + 8, pileWidth, kBottomBarHeight - 16);
    place(kChooseList, QRect(x(86), top + 8, x(100) - x(86) - 8, 56));
    listName_->setGeometry(x(86), top + 72, x(100) - x(86) - 8, 64);
    QFont scoreFont = score1_->font();
    scoreFont.setPixelSize(48);
    scoreFont.setBold(true);
    score1_->setFont(scoreFont);
    score2_->setFont(scoreFont);
}

// ---- Settings and list -------------------------------------------------------------

QColor Tprog5::WindowColour() const
{
    return ProgInfo().Window();
}

void Tprog5::TakeSettings()
{
    soundMode_ = SoundModeFor(ExerciseSettings().mitSound);
    QPalette p = cardArea_->palette();
    p.setColor(QPalette::Window, WindowColour());
    cardArea_->setPalette(p);
    back_->SetContent(ExerciseSettings().bildhinten);
    back_->DropFace();
    backFace_ = QImage();
    settingBoxes_ = true;
    const bool sound = soundMode_ > 0;
    speechBox_->setEnabled(sound);
    noiseBox_->setEnabled(sound);
    speechBox_->setChecked(sound);
    noiseBox_->setChecked(false);
    settingBoxes_ = false;
    SoundBoxesChanged();
}

MemorySettings Tprog5::GameSettings() const
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    MemorySettings m;
    m.bilderanzahl = s.bilderanzahl;
    m.bedienung = s.bedienung;
    m.mitSound = soundMode_;
    m.motivation = s.motivation;
    m.motzahl = s.motzahl;
    m.mitArtikel = s.mitArtikel;
    m.capitals = s.auto2 == 1;
    return m;
}

void Tprog5::Prepare()
{
    T_urahnlrb::Prepare();
    LayoutControls();
}

void Tprog5::OpenList()
{
    std::unique_ptr<tmoiel> loaded = LoadExerciseList(listFile);
    wordList = loaded ? std::move(loaded) : PlaceholderList(false);
    currentList = wordList.get();
    position = 0;
}

void Tprog5::ShowListName()
{
    listName_->SetContent(currentList && currentList->title == QStringLiteral("leere Liste")
                              ? QStringLiteral("leere Liste")
                              : FileNamePart(listFile),
                          kSchoolFont);
    listName_->setToolTip(listFile);
    listName_->update();
}

void Tprog5::OnShown()
{
    CurrentSection() = Section();
    caption_->setText(captionText_);
    TakeSettings();
    ShowListName();
    game_.Deal(currentList, GameSettings());
    game_.Select(MemoryGame::kFirstSelected);
    play_.Reset();
    LayOutCards();
    LoadPictures();
    RedrawAllCards();
    ShowPlayers();
    StartTicks();
    qApp->installEventFilter(this);
    setFocus(Qt::OtherFocusReason);
}

tdrbutton* Tprog5::CardButton(int number) const
{
    const int i = number - CardLayout::kFirstCard;
    return i >= 0 && i < CardLayout::kMaxCards ? cards_[size_t(i)] : nullptr;
}

QString Tprog5::TurnText() const
{
    return turnDisplay_->Caption();
}
