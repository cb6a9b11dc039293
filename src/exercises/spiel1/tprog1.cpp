// Tprog1: construction, layout, showing, presenting an entry, the picture
// and the word display, and the typing control's requests.
#include "exercises/spiel1/tprog1.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "exercises/spiel1/rescue_picture.h"
#include "exercises/spiel1/task_rules.h"
#include "exercises/spiel1/typing_editor.h"
#include "exercises/spiel1/word_display.h"
#include "framework/spelling_out.h"
#include "platform/clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

const QString kHearWrite = QStringLiteral("hören - schreiben");
const QString kHearWriteStyle = QStringLiteral("f 50   0e1");
const QString kRescue = QStringLiteral("fun\\rettung.emf");

// The hints of the bottom bar's buttons in this exercise.
const struct {
    int number;
    const char* hint;
} kHints[] = {
    {T_urahnlrb1::kPlay, "Es erklingt der in der rechten Leiste angekreuzte Sound zum Bild. "},
    {T_urahnlrb1::kStop, "Unterbricht jede Soundausgabe sofort."},
    {T_urahnlrb1::kSpell, "Es wird das Wort an der aktuellen Schreibposition vorbuchstabiert (siehe Optionen)."},
    {T_urahnlrb1::kLetter, "Es wird der Buchstabe an der aktuellen Schreibposition gesagt."},
    {T_urahnlrb1::kPrevious, "Geht in der Liste ein Bild/Sound zurück."},
    {T_urahnlrb1::kNext, "Geht in der Liste zum nächsten Bild/Sound vor."},
};

QString SectionOf(bool lautier)
{
    return lautier ? Section::kLautieruebung : Section::kHoerenUndSchreiben;
}

QString CaptionOf(bool lautier)
{
    return lautier ? QStringLiteral("Lautierübung") : QStringLiteral("Hören und Schreiben");
}

// The word display's style: background and text colour, alignment and letter
// effect from the settings.
QString WordStyle(QChar effect)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    static const char alignments[] = {'1', '4', '7'};
    const QChar align = QChar::fromLatin1(alignments[std::clamp(s.textausrichtung, 0, 2)]);
    QString style = QStringLiteral("  90 x");
    style[0] = s.hintergrundfarbe;
    style += align;
    style += effect == u' ' ? (s.outfit == u' ' ? QChar(u' ') : QChar(u'1')) : effect;
    style += s.textfarbe;
    style += u'1';
    return style;
}

} // namespace

Tprog1::Tprog1(bool lautier, QWidget* parent)
    : T_urahnlrb1(parent), lautier_(lautier), typing_(*this)
{
    setObjectName(QStringLiteral("prog1"));
    setWindowTitle(CaptionOf(lautier));
    typing_.SetLautierVariant(lautier);
    Setup(lautier ? 1 : 0, SectionOf(lautier));
}

Tprog1::~Tprog1()
{
    qApp->removeEventFilter(this);
}

// ---- Controls -------------------------------------------------------------

void Tprog1::Prepare()
{
    T_urahnlrb1::Prepare();
    for (const auto& h : kHints)
        if (tdrbutton* b = ButtonHandleByNumber(h.number))
            b->setToolTip(QString::fromUtf8(h.hint));
    if (!picture_) {
        editor_ = new TypingEditor(typing_, this);
        editor_->SetActionHandler([this](EditorAction action) { HandleEditorAction(action); });
        picture_ = new tdrbutton(this, kPicture, nullptr);
        picture_->setObjectName(QStringLiteral("B100"));
        picture_->setFocusPolicy(Qt::NoFocus);
        picture_->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawPictureButton(b, p); });
        connect(picture_, &QAbstractButton::clicked, this, [this] { PressKeepingPending(kPicture); });
        connect(picture_, &tdrbutton::mouseDown, this, [this] { HoldPicture(true); });
        connect(picture_, &tdrbutton::mouseUp, this, [this] { HoldPicture(false); });
        word_ = new tdrbutton(this, kWordDisplay, nullptr);
        word_->setObjectName(QStringLiteral("B101"));
        word_->setFocusPolicy(Qt::NoFocus);
        connect(word_, &QAbstractButton::clicked, this, [this] { PressKeepingPending(kWordDisplay); });
        caption_ = new QLabel(this);
        caption_->setObjectName(QStringLiteral("L_caption"));
        caption_->setAlignment(Qt::AlignCenter);
        caption_->setWordWrap(true);
        rescue_ = new RescuePicture(this);
        connect(rescue_, &RescuePicture::pressed, this, [this] { HoldSolution(true); });
        connect(rescue_, &RescuePicture::released, this, [this] { HoldSolution(false); });
        for (QWidget* w : std::initializer_list<QWidget*>{editor_, picture_, word_, caption_, rescue_})
            w->show();
    }
    LayoutCentre(CentreRect());
}

void Tprog1::LayoutCentre(const QRect& centre)
{
    if (!picture_)
        return;
    const int margin = std::max(4, centre.width() / 100);
    const QRect inner = centre.adjusted(margin, margin, -margin, -margin);
    const int pictureHeight = inner.height() * 62 / 100;
    picture_->setGeometry(inner.left(), inner.top(), inner.width(), pictureHeight);
    const QRect word(inner.left(), inner.top() + pictureHeight + margin, inner.width(),
                     inner.height() - pictureHeight - margin);
    word_->setGeometry(word);
    editor_->setGeometry(word);
    editor_->stackUnder(word_);
    picture_->DropFace();
    word_->DropFace();

    const ListWindowLayout& l = Layout();
    const int top = l.fileRight.bottom() + margin;
    caption_->setGeometry(l.rightBar.left() + 2, top, l.rightBar.width() - 4, l.rightBar.height() / 12);
    FitCaptionFont();
    const int rescueTop = caption_->geometry().bottom() + margin;
    rescue_->setGeometry(l.rightBar.left() + margin, rescueTop, l.rightBar.width() - 2 * margin,
                         std::max(1, l.end.top() - margin - rescueTop));
}

void Tprog1::FitCaptionFont()
{
    // A third of the label's height, smaller where a word of the caption
    // would not fit the bar's width (the label wraps between words only).
    QFont font = caption_->font();
    font.setBold(true);
    int size = std::max(8, caption_->height() / 3);
    const QStringList words = CaptionOf(lautier_).split(u' ');
    const int room = std::max(1, caption_->width() - 4);
    for (; size > 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        if (std::all_of(words.begin(), words.end(), [&](const QString& w) { return fm.horizontalAdvance(w) <= room; }))
            break;
    }
    font.setPixelSize(size);
    caption_->setFont(font);
}

// ---- Showing --------------------------------------------------------------

void Tprog1::OnShown()
{
    editor_->setFocus();
    CurrentSection() = Section();
    LoadSettings(Section());
    const QString caption = CaptionOf(lautier_);
    setWindowTitle(caption);
    caption_->setText(caption);
    if (lautier_) {
        SpeechBox()->hide();
        NoiseBox()->hide();
    }
    SetSummaryDue();
    TakeSettings();
    savedTextvorgabe_ = typing_.Settings().textvorgabe;
    savedAuto3_ = typing_.Settings().auto3;
    SetCheckEnabled(typing_.Settings().textcontrolle == 0);
    rescue_->Show(kRescue);
    PresentEntry();
    qApp->installEventFilter(this);
    // The word at once, unless the entry has a step pending ("Wort fehlt").
    if (SoundAtOnce(ExerciseSettings().mitSound) && PendingCommand() == 0) {
        SetPending(T_urahnlrb1::kPlay);
        PostPending();
    }
}

void Tprog1::TakeSettings()
{
    const ExerciseSettingsRecord& e = ExerciseSettings();
    TypingSettings& t = typing_.Settings();
    t.textcontrolle = e.textcontrolle;
    t.blinken = e.blinken;
    t.textvorgabe = e.textvorgabe;
    t.auto2 = e.auto2;
    t.auto3 = e.auto3;
    t.auto4 = e.auto4;
    t.mitArtikel = e.mitArtikel;
    t.ohneArtikelabschreiben = e.ohneArtikelabschreiben;
    t.tastaturLock = e.tastaturLock;
    t.tippton = e.tippton;
    t.funsound = e.funsound;
    t.stimme = e.stimme;
}

// ---- Entries ----------------------------------------------------------------

void Tprog1::ChangeEntry(int command)
{
    typing_.Settings().textvorgabe = savedTextvorgabe_;
    typing_.Settings().auto3 = savedAuto3_;
    StopAllSound();
    SetPending(0);
    const int count = CurrentList() ? CurrentList()->Count() : 0;
    Step step;
    if (listEnd_) {
        step = {0, false};
        presentSameEntry_ = false;
    } else if (presentSameEntry_) {
        step = {std::clamp(position, 0, std::max(0, count - 1)), false};
        presentSameEntry_ = false;
    } else if (command == kPrevious) {
        step = PreviousEntry(position);
    } else {
        step = NextEntry(position, count, solutionShown_);
        if (step.restarted)
            ShowMessageText(QStringLiteral("Liste beginnt von vorne"), 1000);
    }
    if (solutionShown_)
        rescue_->Show(kRescue);
    position = step.position;
    solutionShown_ = false;
    PresentEntry();

    const WordEntry* entry = CurrentEntry();
    const bool hasSpeech = entry && !entry->Field(FieldSpeech).isEmpty();
    // Stepping back needs a recording of the entry; the first entry of a new
    // list is spoken as any new entry is.
    const bool newList = std::exchange(newList_, false);
    if (!SoundPlaying() && SoundAtOnce(ExerciseSettings().mitSound) && isActiveWindow()
        && (command != kPrevious || hasSpeech || newList) && PendingCommand() == 0) {
        Wait(600, true);
        SetPending(T_urahnlrb1::kPlay);
        PostPending();
    }
}

void Tprog1::EntryChosenByNumber()
{
    // The entry typed, not the one whose solution was shown.
    if (solutionShown_)
        rescue_->Show(kRescue);
    solutionShown_ = false;
    presentSameEntry_ = false;
    listEnd_ = false;
}

void Tprog1::WriteListKeys(const QString& sectionName)
{
    // After the list end the next start begins with the first entry.
    const int shown = position;
    if (listEnd_)
        position = 0;
    T_urahnlrb1::WriteListKeys(sectionName);
    position = shown;
}

void Tprog1::PresentEntry()
{
    TakeCurrentEntry();
    const WordEntry* entry = CurrentEntry();
    Spelling().position = 0;
    Spelling().Stop();
    spelling_ = false;
    noiseFlag_ = entry && !entry->Field(FieldNoise).isEmpty() && NoiseBox()->isChecked();
    listEnd_ = false;
    pictureRevealed_ = false;
    pictureHeld_ = false;
    solutionVisible_ = false;
    solutionHideAt_ = -1;
    typing_.SetWord(entry ? entry->Field(FieldWord) : QString());
    typing_.Record() = entry ? entry->Answer() : QString();
    typing_.RefusedAttempts() = entry ? entry->typedAttempts : QStringList();
    typing_.ResetWrongCount();
    typing_.PrepareLine(QString());
    UpdatePicture();
    UpdateWordDisplay();
    ShowPosition();
    if (editor_)
        editor_->setFocus();
}

// ---- Picture button ---------------------------------------------------------

QString Tprog1::PictureShown() const
{
    return picture_ && pictureContent_ ? picture_->Caption() : QString();
}

bool Tprog1::PictureVisible() const
{
    return pictureContent_ && picture_ && picture_->Caption() != kHearWrite;
}

void Tprog1::UpdatePicture()
{
    if (!picture_)
        return;
    const WordEntry* entry = CurrentEntry();
    const ExerciseSettingsRecord& s = ExerciseSettings();
    pictureContent_ = entry && !entry->Field(FieldPicture).isEmpty();
    if (!pictureContent_) {
        picture_->update();
        return;
    }
    const QString& field = entry->Field(FieldPicture);
    if (PictureHidden(s.mitSound) && !pictureRevealed_ && !pictureHeld_) {
        picture_->SetStyle(kHearWriteStyle);
        picture_->SetContent(kHearWrite, QStringLiteral("Arial"));
    } else {
        const QString& style = entry->slots[FieldPicture];
        picture_->SetStyle(style.isEmpty() ? QString::fromLatin1(WordEntry::kDefaultPictureStyle) : style);
        if (FileExists(ResolvePath(field))) {
            picture_->SetContent(field);
        } else {
            const QString& font = entry->notes[FieldPicture];
            picture_->SetContent(field, font.isEmpty() ? s.schriftart : font);
        }
    }
    picture_->update();
}

void Tprog1::HoldPicture(bool held)
{
    if (ExerciseSettings().hilfebild != 1 || !PictureHidden(ExerciseSettings().mitSound))
        return;
    pictureHeld_ = held;
    UpdatePicture();
}

void Tprog1::DrawPictureButton(tdrbutton& button, QPainter& painter)
{
    if (pictureContent_)
        button.Draw(painter, button.rect());
    if (!solutionVisible_ || !typing_.HasWord())
        return;
    // The solution over the picture, in the lower part.
    QRect place = button.rect();
    const int inset = BottomBarHeight() / 10;
    place.adjust(inset, inset, -inset, -inset);
    place.setTop(place.top() + place.height() * 5 / 11);
    QFont font(ExerciseSettings().schriftart);
    font.setPixelSize(std::max(8, place.height() * 7 / 10));
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(typing_.Expected());
    if (width > place.width())
        font.setPixelSize(std::max(8, font.pixelSize() * place.width() / width));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(place, Qt::AlignCenter, typing_.Expected());
}

// ---- Word display -----------------------------------------------------------

void Tprog1::UpdateWordDisplay()
{
    if (!word_)
        return;
    word_->SetStyle(WordStyle(wordEffect_));
    const ExerciseSettingsRecord& s = ExerciseSettings();
    WordDisplayLook look;
    if (showingMessage_) {
        look = LookOfText(messageText_, messageShown_);
    } else {
        const int spelled = spelling_ ? std::min(Spelling().position, spellTo_) : 0;
        look = LookOfWord(typing_.DisplayLetters(), typing_.DisplayWord(), s.textfarbe,
                          typing_.WritePosition(), spelling_ ? spellFrom_ : 0, spelled);
    }
    ApplyLook(*word_, look, s.schriftart);
    word_->update();
}

// ---- Requests of the typing control ----------------------------------------------

void Tprog1::PlayCaseHint(const QString& file)
{
    PlayDirect(file, false);
}

void Tprog1::SayLetter(const QString& text, int position, int stimme)
{
    // The letter is said in the manner asked for, whatever Stimme says.
    ExerciseSettingsRecord& s = ExerciseSettings();
    const int saved = s.stimme;
    s.stimme = stimme;
    Spelling().Stop();
    Spelling().Step(text, position, SpellKind::Letters);
    s.stimme = saved;
}

void Tprog1::ShowSolution()
{
    ShowSolutionFor(kSolutionMs);
}

void Tprog1::StartAnswerCheck()
{
    // The check runs after the key has been handled.
    if (checkQueued_)
        return;
    checkQueued_ = true;
    typing_.Line().readOnly = true;
    QMetaObject::invokeMethod(this, [this] {
        checkQueued_ = false;
        CheckAnswer();
    }, Qt::QueuedConnection);
}

void Tprog1::MakePending(int command)
{
    SetPending(command);
}

int Tprog1::SpellPosition() const
{
    return const_cast<Tprog1*>(this)->Spelling().position;
}

void Tprog1::SetSpellPosition(int at)
{
    Spelling().position = at;
}

bool Tprog1::IsSpellingOut() const
{
    return spelling_;
}

void Tprog1::DisplayChanged()
{
    RecordTyping();
    UpdateWordDisplay();
}

void Tprog1::RecordTyping()
{
    if (WordEntry* entry = CurrentEntry(); entry && typing_.HasWord()) {
        entry->Answer() = typing_.Record();
        entry->typedAttempts = typing_.RefusedAttempts();
    }
}

// ---- Ticks and activation ----------------------------------------------------------

void Tprog1::OnTick()
{
    if (typing_.Tick(listEnd_))
        UpdateWordDisplay();
    if (solutionHideAt_ >= 0 && TickCount() >= solutionHideAt_)
        HideSolution();
}

void Tprog1::changeEvent(QEvent* event)
{
    T_urahnlrb1::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !editor_)
        return;
    editor_->setFocus();
    typing_.SetKeyReleased();
    SetCheckEnabled(typing_.Settings().textcontrolle == 0);
}
