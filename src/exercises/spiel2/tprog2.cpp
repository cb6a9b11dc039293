// Tprog2: construction, the layout of word column, picture field and bottom
// bar, showing the window, drawing the candidates, the task's picture, the
// change of task and the owner drawing of the fields.
#include "exercises/spiel2/tprog2.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "exercises/choice/candidate_draw.h"
#include "exercises/choice/displayed_word.h"
#include "exercises/spiel2/covered_picture.h"
#include "exercises/spiel2/sizing_text.h"
#include "framework/key_preview.h"
#include "framework/spelling_out.h"
#include "sound/spoken_word.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Welches Wort stimmt?");
const QString kWordStyle = QStringLiteral("0 98 x4x11");
const QString kHiddenPictureStyle = QStringLiteral("F 33  4101");
const QColor kDarkCyan(0, 0x80, 0x80);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kSelectionColour(0xFF, 0, 0xFF);

} // namespace

Tprog2::Tprog2(bool uncover, QWidget* parent)
    : T_urahnlrb1(parent), uncover_(uncover), chain_({kPicture, kFirstWord, DefiniteArticleFiles()})
{
    setObjectName(QStringLiteral("prog2"));
    setWindowTitle(QStringLiteral("Welches Wort stimmt"));
    helpStyle = QStringLiteral("f 100xx 00");
    new KeyPreview(*this);
    Setup(uncover ? 1 : 0, Section::kWelchesWortStimmt);
}

Tprog2::~Tprog2() = default;

// ---- Controls ---------------------------------------------------------------

void Tprog2::Prepare()
{
    T_urahnlrb1::Prepare();
    CreateOwnControls();
    HideRightBar();
    LayoutCentre(CentreRect());
}

void Tprog2::CreateOwnControls()
{
    if (picture_)
        return;
    picture_ = new tdrbutton(this, kPicture, nullptr);
    picture_->setObjectName(QStringLiteral("b100"));
    picture_->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawPictureField(b, p); });
    // The window keeps the keys: a clicked field never takes the focus.
    picture_->setFocusPolicy(Qt::NoFocus);
    connect(picture_, &QAbstractButton::clicked, this, [this] { CarryOutPending(); });
    for (int i = 0; i < 6; ++i) {
        auto* b = new tdrbutton(this, kFirstWord + i, nullptr);
        b->setObjectName(QStringLiteral("b%1").arg(kFirstWord + i));
        b->SetStyle(kWordStyle);
        b->setFocusPolicy(Qt::NoFocus);
        b->SetDrawHandler([this](tdrbutton& button, QPainter& p) { DrawWordField(button, p); });
        const int field = kFirstWord + i;
        connect(b, &QAbstractButton::clicked, this, [this, field] { ClickWordField(field); });
        words_[size_t(i)] = b;
    }
    cover_ = new CoveredPicture(this);
    cover_->hide();
    connect(cover_, &CoveredPicture::pressedAt, this, &Tprog2::ClickCover);

    points_ = new QGroupBox(QStringLiteral("Punkte:"), this);
    points_->setObjectName(QStringLiteral("GB_punkte"));
    auto* total = new QLabel(QStringLiteral("Gesamt: "), points_);
    auto* task = new QLabel(QStringLiteral("Aufgabe:"), points_);
    totalEdit_ = new QLineEdit(QStringLiteral("     0"), points_);
    totalEdit_->setObjectName(QStringLiteral("LE_punkte"));
    taskEdit_ = new QLineEdit(QStringLiteral("100"), points_);
    taskEdit_->setObjectName(QStringLiteral("LE_Punktetmp"));
    for (QLineEdit* e : {totalEdit_, taskEdit_}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setAlignment(Qt::AlignRight);
    }
    total->setObjectName(QStringLiteral("L_gesamt"));
    task->setObjectName(QStringLiteral("L_aufgabe"));
    points_->setVisible(uncover_);

    const struct {
        tdrbutton** button;
        int number;
        const char* name;
    } endPanel[] = {{&userOptions_, kUserOptions, "useropt"}, {&userHelp_, kUserHelp, "userhelp"},
                    {&userEnd_, kUserEnd, "userende"}};
    for (const auto& def : endPanel) {
        auto* b = new tdrbutton(this, def.number, nullptr);
        b->setObjectName(QString::fromLatin1(def.name));
        b->setFocusPolicy(Qt::NoFocus);
        b->SetDrawHandler([this](tdrbutton& button, QPainter& p) { DrawEndButton(button, p); });
        connect(b, &QAbstractButton::pressed, b, [b] { b->update(); });
        connect(b, &QAbstractButton::released, b, [b] { b->update(); });
        *def.button = b;
    }
    connect(userOptions_, &QAbstractButton::clicked, this, [this] { OptionsPressed(); });
    // Help after a solved task keeps the next task pending, as the right
    // bar's help button does.
    connect(userHelp_, &QAbstractButton::clicked, this, [this] { PressKeepingPending(kUserHelp); });
    connect(userEnd_, &QAbstractButton::clicked, this, [this] { EndPressed(); });

    // The sound boxes sit in the sound panel; a click there keeps "Mit
    // Sound" 0 or 1 as it was.
    for (QCheckBox* box : {SpeechBox(), NoiseBox()}) {
        connect(box, &QAbstractButton::pressed, this, [this] { boxMitSound_ = ExerciseSettings().mitSound; });
        connect(box, &QAbstractButton::clicked, this, [this] {
            if (boxMitSound_ <= 1)
                ExerciseSettings().mitSound = boxMitSound_;
        });
    }
    for (QWidget* w : std::initializer_list<QWidget*>{picture_, userOptions_, userHelp_, userEnd_})
        w->show();
}

void Tprog2::HideRightBar()
{
    // The buttons of Panel_ende replace those of the right bar.
    for (int n : {kOptions, kHelp, kEnd, kChooseList2, kCheck, kLetter})
        ShowButton(n, false);
}

int Tprog2::FrameWidth() const
{
    return std::max(1, BottomBarHeight() / 10);
}

void Tprog2::LayoutCentre(const QRect&)
{
    if (!picture_)
        return;
    const ListWindowLayout& l = Layout();
    // The right bar is hidden: the exercise area reaches the right edge.
    const QRect area(0, 0, width(), l.bottomBar.top());
    const int gap = std::max(2, width() / 200);   // the splitter between column and picture
    const QRect column(area.left(), area.top(), width() / 2, area.height());
    const QRect pictureRect(column.right() + 1 + gap, area.top(), area.right() - column.right() - gap,
                            area.height());
    picture_->setGeometry(pictureRect);
    picture_->DropFace();
    cover_->setGeometry(pictureRect);
    const int n = FieldCount();
    const int h = column.height() / n;
    for (int i = 0; i < 6; ++i) {
        words_[size_t(i)]->setGeometry(column.left(), column.top() + i * h, column.width(), h);
        words_[size_t(i)]->DropFace();
    }

    // Panel_ende under the hidden right bar; the sound boxes take the place
    // of the single-letter button; the points take the sound panel's place
    // (the sound panel is hidden in uncovering mode).
    const QRect end(l.rightBar.left(), l.bottomBar.top(), l.rightBar.width(), l.bottomBar.height());
    const int third = end.height() * 3 / 10;
    userOptions_->setGeometry(end.left() + 2, end.top() + 2, end.width() - 4, third - 2);
    userHelp_->setGeometry(end.left() + 2, end.top() + third + 2, end.width() - 4, third - 2);
    userEnd_->setGeometry(end.left() + 2, end.top() + 2 * third + 2, end.width() - 4, end.height() - 2 * third - 4);
    for (tdrbutton* b : {userOptions_, userHelp_, userEnd_})
        b->DropFace();
    const QRect letter = l.letter;
    SpeechBox()->setGeometry(letter.left(), letter.top(), letter.width() + 8, letter.height() / 2);
    NoiseBox()->setGeometry(letter.left(), letter.top() + letter.height() / 2, letter.width() + 8,
                            letter.height() / 2);
    FitSoundBoxCaptions();
    points_->setGeometry(l.soundPanel);
    const int row = l.soundPanel.height() / 3;
    const int labelWidth = l.soundPanel.width() / 3;
    QFont font = points_->font();
    font.setPixelSize(std::max(8, row * 5 / 10));
    points_->setFont(font);
    const auto labels = points_->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        const bool isTotal = label->objectName() == QStringLiteral("L_gesamt");
        label->setGeometry(8, isTotal ? row : 2 * row, labelWidth, row - 4);
    }
    totalEdit_->setGeometry(8 + labelWidth, row, labelWidth, row - 4);
    taskEdit_->setGeometry(8 + labelWidth, 2 * row, labelWidth, row - 4);
    if (uncover_ && ready_) {
        PrepareFullPicture();
        RenderCover();
    }
}

int Tprog2::FieldCount() const
{
    const int n = ExerciseSettings().felderanzahl;
    return n < 2 || n > 6 ? 6 : n;
}

// ---- Showing ------------------------------------------------------------------

void Tprog2::ReadListKeys(const QString& sectionName)
{
    T_urahnlrb1::ReadListKeys(sectionName);
    if (uncover_)
        ExerciseSettings().mitSound = 0;   // uncovering mode is silent
}

void Tprog2::ResetNumbers(bool speechOnValue, bool noiseOnValue)
{
    T_urahnlrb1::ResetNumbers(speechOnValue, noiseOnValue);
    ShowButton(kLetter, false);
    if (uncover_) {
        SpeechBox()->hide();
        NoiseBox()->hide();
    }
}

void Tprog2::OnShown()
{
    CurrentSection() = Section();
    if (uncover_)
        board_ = UncoverBoard();
    points_->setVisible(uncover_);
    ResetNumbers(true, true);
    DrawCandidates();
    LayoutFields();
    SetSelected(kFirstWord);
    if (!ready_) {
        ready_ = true;
        ShowPicture();
    }
    setFocus(Qt::OtherFocusReason);
    setWindowTitle(kCaption);
    LayoutCentre(CentreRect());
    RepaintFields();
    // The word is spoken at once, unless a task without a word waits for a key.
    if (ExerciseSettings().mitSound >= 2 && PendingCommand() == 0) {
        SetPending(kPlay);
        PostPending();
    }
}

void Tprog2::DrawCandidates()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    animator_.ResetColours(SettingsColourPair(s));
    tmoiel* list = CurrentList();
    const int count = list ? list->Count() : 0;
    if (list)
        PrepareDisplayedWords(*list, s.mitArtikel);
    ::DrawCandidates(slots_, FieldCount(), count, position, 6);
    bool missing = false;
    for (int i = 0; i < 6; ++i) {
        const WordEntry* entry = list ? list->Entry(slots_[size_t(i)]) : nullptr;
        QString caption;
        if (entry) {
            caption = ToDisplayCase(entry->Field(FieldWord));
            if (caption.isEmpty() && slots_[size_t(i)] == position && i < FieldCount())
                missing = true;
        }
        captions_[size_t(i)] = caption;
    }
    const WordEntry* current = CurrentEntry();
    currentWord_ = current ? current->Field(FieldWord) : QString();
    taskSolved_ = false;
    evaluating_ = false;
    if (!missing)
        return;
    captions_.fill(QString());
    if (s.mitSound < 3 && picture_)
        picture_->repaint();
    TypeMessage(kFirstWord, ToDisplayCase(QStringLiteral("Wort fehlt. Bitte Taste drücken")), true, kMessageMs);
    SetPending(kNext);
}

void Tprog2::LayoutFields()
{
    ShowPosition();
    const int n = FieldCount();
    QStringList visible;
    for (int i = 0; i < 6; ++i) {
        const bool shown = i < n;
        if (words_[size_t(i)]->isVisible() != shown)
            words_[size_t(i)]->setVisible(shown);
        if (shown)
            visible << captions_[size_t(i)];
    }
    sizingText_ = SizingText(visible);
    if (!picture_)
        return;
    const QRect column(0, 0, width() / 2, Layout().bottomBar.top());
    const int h = column.height() / n;
    for (int i = 0; i < n; ++i) {
        const QRect place(column.left(), column.top() + i * h, column.width(), h);
        if (words_[size_t(i)]->geometry() != place) {
            words_[size_t(i)]->setGeometry(place);
            words_[size_t(i)]->DropFace();
        }
    }
}

void Tprog2::ShowPicture()
{
    if (showingPicture_ || !picture_)
        return;
    showingPicture_ = true;
    LayoutFields();
    SetCheckEnabled(false);
    const WordEntry* entry = CurrentEntry();
    const ExerciseSettingsRecord& s = ExerciseSettings();
    if (entry && !entry->slots[FieldPicture].isEmpty())
        picture_->SetStyle(entry->slots[FieldPicture]);
    if (!entry || entry->Field(FieldPicture).isEmpty()) {
        pictureNumber = 0;
        picture_->ReleasePicture();
        picture_->SetContent(QStringLiteral(" "), s.schriftart);
        cover_->hide();
        StopUncoverTimer();
    } else if (s.mitSound >= 3) {
        picture_->ReleasePicture();
        picture_->SetStyle(kHiddenPictureStyle);
        picture_->SetSizingSample(QString(), false);
        picture_->SetContent(QStringLiteral("?"), s.schriftart);
    } else if (uncover_) {
        picture_->SetContent(entry->Field(FieldPicture));
        StartUncovering();
    } else {
        picture_->SetContent(entry->Field(FieldPicture));
    }
    picture_->update();
    showingPicture_ = false;
}

QString Tprog2::PictureShown() const
{
    return picture_ ? picture_->Caption() : QString();
}

void Tprog2::ChangeTask(int command)
{
    SetCheckEnabled(false);
    SetPending(0);
    const int count = CurrentList() ? CurrentList()->Count() : 0;
    if (command == kPrevious) {
        StopAllSound();
        position = std::max(0, position - 1);
    } else if (sameTaskAgain_ && !taskSolved_) {
        // Set up again after the settings; a task solved meanwhile (the
        // setting-up was overtaken by other input) is not solved twice.
        position = std::clamp(position, 0, std::max(0, count - 1));
    } else if (position >= count - 1) {
        TypeMessage(kFirstWord, ToDisplayCase(QStringLiteral("Liste beginnt von vorne")), true, kMessageMs);
        position = 0;
    } else {
        ++position;
    }
    sameTaskAgain_ = false;
    TakeCurrentEntry();
    DrawCandidates();
    LayoutFields();
    pictureNumber = 0;
    soundNumber = 0;
    if (command == kPrevious) {
        const WordEntry* entry = CurrentEntry();
        soundNumber = entry && !entry->Field(FieldNoise).isEmpty() && NoiseBox()->isChecked() ? 1 : 0;
    }
    ShowPicture();
    picture_->repaint();
    RepaintFields();
    if (ExerciseSettings().mitSound >= 2 && PendingCommand() == 0)
        SpeakWord();
}

void Tprog2::RepaintFields()
{
    for (tdrbutton* b : words_)
        if (b->isVisible())
            b->repaint();
}

void Tprog2::SetSelected(int field)
{
    selected_ = std::clamp(field, kFirstWord, kFirstWord + FieldCount() - 1);
    for (int i = 0; i < 6; ++i)
        words_[size_t(i)]->SetSelected(kFirstWord + i == selected_);
}

int Tprog2::SlotOfField(int field) const
{
    const int i = field - kFirstWord;
    return i >= 0 && i < 6 ? slots_[size_t(i)] : -1;
}

QString Tprog2::FieldCaption(int field) const
{
    const int i = field - kFirstWord;
    return i >= 0 && i < 6 ? captions_[size_t(i)] : QString();
}

bool Tprog2::FieldVisible(int field) const
{
    const int i = field - kFirstWord;
    return i >= 0 && i < 6 && !words_[size_t(i)]->isHidden();
}

int Tprog2::RightField() const
{
    const int k = SlotOf(slots_, FieldCount(), position);
    return k < 0 ? 0 : kFirstWord + k;
}

tdrbutton* Tprog2::WordButton(int field) const
{
    const int i = field - kFirstWord;
    return i >= 0 && i < 6 ? words_[size_t(i)] : nullptr;
}

// ---- Drawing ------------------------------------------------------------------

QString Tprog2::ReferenceOf(int field) const
{
    if (messageField_ == field && !messageReference_.isEmpty())
        return messageReference_;
    return sizingText_;
}

void Tprog2::DrawWordField(tdrbutton& b, QPainter& painter)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const ColourPair& pair = animator_.ColoursOf(b.Number());
    QString style = kWordStyle;
    style[0] = pair.background;
    style[6] = WordAlignmentCode(s.textausrichtung);
    style[7] = s.outfit;
    style[8] = pair.text;
    b.SetStyle(style);
    const int field = b.Number();
    const QString text = animator_.Field() == field ? animator_.Shown() : FieldCaption(field);
    b.SetContent(text.isEmpty() ? QStringLiteral(" ") : text, s.schriftart);
    b.SetSizingSample(ReferenceOf(field), true);
    const int w = FrameWidth();
    b.Draw(painter, b.rect().adjusted(w, w, -w, -w));
    const bool pressed = b.isDown();
    Draw3DFrame(painter, b.rect(), false, 1, pressed ? kDarkCyan : kCyan, pressed ? kCyan : kDarkCyan);
    if (b.Selected()) {
        painter.setPen(QPen(kSelectionColour, w));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(b.rect().adjusted(w / 2 + 2, w / 2 + 2, -(w + 1) / 2 - 2, -(w + 1) / 2 - 2));
    }
    NotePainted(field);
}

void Tprog2::NotePainted(int number)
{
    if (firstDrawn_ || !ready_)
        return;
    painted_ |= 1u << (number - kPicture);
    unsigned all = 1u;
    for (int i = 0; i < FieldCount(); ++i)
        all |= 1u << (i + 1);
    if ((painted_ & all) == all) {
        firstDrawn_ = true;
        Q_EMIT firstTaskDrawn();
    }
}

void Tprog2::DrawPictureField(tdrbutton& b, QPainter& painter)
{
    const WordEntry* entry = CurrentEntry();
    const int w = FrameWidth();
    const bool styled = entry && !entry->Field(FieldStyle).isEmpty();
    b.Draw(painter, styled ? b.rect().adjusted(w, w, -w, -w) : b.rect());
    if (b.Selected()) {
        painter.setPen(QPen(kSelectionColour, w));
        painter.drawRect(b.rect().adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2));
    }
    NotePainted(kPicture);
}

void Tprog2::DrawEndButton(tdrbutton& b, QPainter& painter)
{
    const QString arial = QStringLiteral("Arial");
    const bool down = b.isDown();
    switch (b.Number()) {
    case kUserOptions:
        b.SetStyle(QStringLiteral("f 90 xx 11"));
        b.SetContent(QStringLiteral("Optionen"), arial);
        break;
    case kUserHelp:
        if (LoadingTextShown()) {
            b.SetStyle(QStringLiteral("E3100x41F1"));
            b.SetContent(LoadingTextCaption(), arial);
        } else {
            b.SetStyle(helpStyle);
            b.SetContent(QStringLiteral("Hilfe-Datei"), arial);
        }
        break;
    default:
        b.SetStyle(QStringLiteral("0 90 xx 11"));
        b.SetContent(down ? QStringLiteral("fun\\endep.wmf") : QStringLiteral("fun\\ende.wmf"));
        break;
    }
    const QRect outer = b.rect();
    b.Draw(painter, outer.adjusted(2, 2, -2, -2));
    Draw3DFrame(painter, outer, false, 1, down ? kDarkCyan : kCyan, down ? kCyan : kDarkCyan);
}

void Tprog2::paintEvent(QPaintEvent* event)
{
    T_urahnlrb1::paintEvent(event);
    if (!ready_ && CurrentEntry()) {
        ready_ = true;
        ShowPicture();
    }
}

// ---- Messages on the word fields --------------------------------------------------

void Tprog2::ShowMessageFrame(int field, const QString&)
{
    if (tdrbutton* b = WordButton(field))
        b->repaint();
}

void Tprog2::EndMessage(int field)
{
    if (tdrbutton* b = WordButton(field))
        b->repaint();
}
