#include "app/tfenster.h"

#include "app/pupil_box.h"
#include "app/tinfodialog.h"
#include "controls/tdrbutton.h"
#include "data/program_options.h"
#include "data/program_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString kExerciseFont = QStringLiteral("Arial");
const QString kButtonFont = QStringLiteral("MS Sans Serif");
const QColor kPanelGrey(0xD0, 0xD0, 0xD0);   // 13684944
constexpr char kRowProperty[] = "menuRow";

QFont FontOf(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TFenster::TFenster(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TFenster"));
    setWindowTitle(QStringLiteral("Lirabo"));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    for (int row = 0; row < kMenuRowCount; ++row)
        CreateRow(row);
    CreatePanel();
    SetTabOrder();
    resize(MenuLayout::kDesignWidth, MenuLayout::kDesignHeight);
    layout_ = LayoutMenu(size());
    ApplyLayout();
}

TFenster::~TFenster() = default;

void TFenster::CreateRow(int row)
{
    const MenuRow& r = MenuRows()[size_t(row)];
    tiles_[size_t(row)] = CreateTile(r.tile, QLatin1String(r.tileName), QLatin1String(r.style),
                                     QString::fromUtf8(r.picture));
    auto* group = r.choiceCount > 1 ? new QButtonGroup(this) : nullptr;
    for (int i = 0; i < r.choiceCount; ++i) {
        const MenuChoice& c = r.choices[i];
        const QString caption = QString::fromUtf8(c.caption);
        QWidget* control = nullptr;
        if (group) {
            auto* radio = new QRadioButton(caption, this);
            radio->setChecked(c.checkedAtStart);
            group->addButton(radio, i);
            control = radio;
        } else {
            // A label that starts the exercise like the tile.
            auto* label = new QLabel(caption, this);
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            control = label;
        }
        control->setObjectName(QLatin1String(c.name));
        control->setProperty(kRowProperty, row);
        choices_[size_t(row)][size_t(i)] = control;
    }
    if (r.checkName) {
        puzzle_ = new QCheckBox(QString::fromUtf8(r.checkCaption), this);
        puzzle_->setObjectName(QLatin1String(r.checkName));
    }
    options_[size_t(row)] = CreateButton(QStringLiteral("B_optionen%1").arg(row + 1), QStringLiteral("Optionen"));
    files_[size_t(row)] = CreateButton(QStringLiteral("B_datei%1").arg(row + 1), QStringLiteral("Datei"));
    connect(options_[size_t(row)], &QPushButton::clicked, this, [this, row] { OpenOptions(row); });
    connect(files_[size_t(row)], &QPushButton::clicked, this, [this, row] { ChooseList(row); });
}

void TFenster::CreatePanel()
{
    L_willkommen = new QLabel(QStringLiteral("Willkommen bei den Programmen des"), this);
    L_willkommen->setObjectName(QStringLiteral("L_willkommen"));
    L_willkommen->setAlignment(Qt::AlignCenter);
    L_willkommen->setWordWrap(true);
    QPalette blue = L_willkommen->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    L_willkommen->setPalette(blue);

    info_ = CreateTile(kInfoTile, QStringLiteral("b112"), InfoStyle(), kInfoTilePicture);
    B_editor = CreateButton(QStringLiteral("B_editor"), QStringLiteral("Editor"));
    B_anleitung = CreateButton(QStringLiteral("B_anleitung"), QStringLiteral("Anleitung"));
    nameLabel_ = new QLabel(QStringLiteral("Name:"), this);
    nameLabel_->setObjectName(QStringLiteral("L_name"));
    box_ = new PupilBox(this);
    nameLabel_->setBuddy(box_);
    B_hilfe = CreateButton(QStringLiteral("B_hilfe"), QStringLiteral("Hilfe"));
    B_protokoll = CreateButton(QStringLiteral("B_protokoll"), QStringLiteral("Protokoll"));
    B_zeugnis = CreateButton(QStringLiteral("B_zeugnis"), QStringLiteral("Zeugnis"));
    exit_ = CreateTile(kExitTile, QStringLiteral("b113"), kExitTileStyle, kExitTilePicture);

    connect(B_editor, &QPushButton::clicked, this, &TFenster::StartEditor);
    connect(B_anleitung, &QPushButton::clicked, this, &TFenster::OpenManualFile);
    connect(B_hilfe, &QPushButton::clicked, this, &TFenster::ShowHelp);
    connect(B_protokoll, &QPushButton::clicked, this, &TFenster::ShowProtocol);
    connect(B_zeugnis, &QPushButton::clicked, this, &TFenster::ShowWorkReport);
}

QPushButton* TFenster::CreateButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Every tile and button in the order of the rows, then the panel from the
// info tile down to the exit tile.
void TFenster::SetTabOrder()
{
    QList<QWidget*> order;
    for (int row = 0; row < kMenuRowCount; ++row) {
        order << tiles_[size_t(row)];
        for (QWidget* choice : choices_[size_t(row)])
            if (qobject_cast<QAbstractButton*>(choice))
                order << choice;
        if (row == 1)
            order << puzzle_;
        order << options_[size_t(row)] << files_[size_t(row)];
    }
    order << info_ << B_editor << B_anleitung << box_ << B_hilfe << B_protokoll << B_zeugnis << exit_;
    for (QWidget* w : order)
        w->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

tdrbutton* TFenster::Tile(int number) const
{
    if (number == kInfoTile)
        return info_;
    if (number == kExitTile)
        return exit_;
    const int row = number - MenuRows()[0].tile;
    return row >= 0 && row < kMenuRowCount ? tiles_[size_t(row)] : nullptr;
}

void TFenster::CenterOnMouseMonitor()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    resize(MenuClientSize(screen->availableSize()));
    const QRect m = screen->geometry();
    move(m.center().x() - width() / 2, m.center().y() - height() / 2);
}

void TFenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Begin();
}

void TFenster::Begin()
{
    if (started_)
        return;
    started_ = true;
    box_->Start();
    // The keys start at the first tile, as the tab order does.
    tiles_[0]->setFocus(Qt::OtherFocusReason);
    ReadProgramOptions();
    setWindowTitle(QStringLiteral("Lirabo ") + ProgramVersion());
}

void TFenster::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layout_ = LayoutMenu(size());
    ApplyLayout();
}

void TFenster::ApplyLayout()
{
    const QFont exerciseFont = FontOf(kExerciseFont, layout_.ExerciseFontPx());
    const QFont buttonFont = FontOf(kButtonFont, layout_.ButtonFontPx());
    for (int row = 0; row < kMenuRowCount; ++row) {
        const MenuRowLayout& r = layout_.rows[size_t(row)];
        tiles_[size_t(row)]->setGeometry(r.tile);
        for (int i = 0; i < 2; ++i) {
            if (QWidget* choice = choices_[size_t(row)][size_t(i)]) {
                choice->setGeometry(r.choices[i]);
                choice->setFont(exerciseFont);
            }
        }
        options_[size_t(row)]->setGeometry(r.options);
        files_[size_t(row)]->setGeometry(r.file);
        options_[size_t(row)]->setFont(buttonFont);
        files_[size_t(row)]->setFont(buttonFont);
    }
    puzzle_->setGeometry(layout_.rows[1].check);
    puzzle_->setFont(exerciseFont);
    // Radio buttons and the check box grow with their text.
    const QString indicator = QStringLiteral("::indicator { width: %1px; height: %1px; }")
                                  .arg(layout_.ExerciseFontPx() * 7 / 10);
    for (const auto& row : choices_)
        for (QWidget* choice : row)
            if (qobject_cast<QRadioButton*>(choice))
                choice->setStyleSheet(QStringLiteral("QRadioButton") + indicator);
    puzzle_->setStyleSheet(QStringLiteral("QCheckBox") + indicator);

    L_willkommen->setGeometry(layout_.greeting);
    L_willkommen->setFont(FontOf(kExerciseFont, layout_.ExerciseFontPx() * 4 / 5, true));
    info_->setGeometry(layout_.infoTile);
    exit_->setGeometry(layout_.exitTile);
    const std::pair<QWidget*, QRect> panel[] = {
        {B_editor, layout_.editor},       {B_anleitung, layout_.manual}, {nameLabel_, layout_.nameLabel},
        {box_, layout_.pupilBox},         {B_hilfe, layout_.help},       {B_protokoll, layout_.protocol},
        {B_zeugnis, layout_.certificate},
    };
    for (const auto& [widget, rect] : panel) {
        widget->setGeometry(rect);
        widget->setFont(buttonFont);
    }
    update();
}

void TFenster::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The thin lines between the rows.
    painter.setPen(palette().color(QPalette::Mid));
    for (int row = 0; row + 1 < kMenuRowCount; ++row) {
        const QRect& r = layout_.rows[size_t(row)].row;
        painter.drawLine(r.left() + 4, r.bottom(), r.right() - 4, r.bottom());
    }
    // The framed grey panel.
    painter.fillRect(layout_.panel, kPanelGrey);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(layout_.panel.topLeft(), layout_.panel.topRight());
    painter.drawLine(layout_.panel.topLeft(), layout_.panel.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(layout_.panel.bottomLeft(), layout_.panel.bottomRight());
    painter.drawLine(layout_.panel.topRight(), layout_.panel.bottomRight());
}

// Enter presses the focused tile or button like Space.
void TFenster::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QAbstractButton*>(focusWidget());
        if (button && !qobject_cast<QRadioButton*>(button) && !qobject_cast<QCheckBox*>(button)) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

// A click on the label beside a tile starts the exercise like the tile.
bool TFenster::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QLabel*>(watched)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && static_cast<QWidget*>(watched)->rect().contains(mouse->pos())) {
            StartExercise(watched->property(kRowProperty).toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ExerciseKind TFenster::RowExercise(int row) const
{
    int choice = 0;
    if (auto* second = qobject_cast<QRadioButton*>(Choice(row, 1)); second && second->isChecked())
        choice = 1;
    return MenuRowExercise(row, choice);
}

ExerciseStartOptions TFenster::RowOptions(int row) const
{
    ExerciseStartOptions options;
    options.uncover = MenuRows()[size_t(row)].checkName && puzzle_->isChecked();
    return options;
}
