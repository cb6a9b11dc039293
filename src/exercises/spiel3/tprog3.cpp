// Tprog3: construction, the fields and their layout, showing the window, the
// candidates with their captions, and loading the pictures.
#include "exercises/spiel3/tprog3.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "exercises/choice/candidate_draw.h"
#include "exercises/choice/displayed_word.h"
#include "exercises/spiel3/picture_layout.h"
#include "framework/key_preview.h"
#include "sound/spoken_word.h"

#include <QApplication>
#include <QCheckBox>

#include <algorithm>

namespace {

const QString kMissingWord = QStringLiteral("Wort fehlt");
const QString kMissingPicture = QStringLiteral(" Wort fehlt. Bitte Taste drücken ");
const QString kWordStyle = QStringLiteral("0 98 x4x11");

} // namespace

Tprog3::Tprog3(QWidget* parent) : Tprog3(Section::kBildZumWort, parent) {}

Tprog3::Tprog3(const QString& sectionName, QWidget* parent)
    : T_urahnlrb1(parent), slots_(picturelayout::kMostPictures, -1), animator_(*this),
      chain_({kWordField, kWordField, LeadingArticleFiles(), true})
{
    setObjectName(QStringLiteral("prog3"));
    setWindowTitle(sectionName);
    setFocusPolicy(Qt::StrongFocus);
    new KeyPreview(*this);
    Setup(0, sectionName);
}

Tprog3::~Tprog3() = default;

// ---- Fields -----------------------------------------------------------------

tdrbutton* Tprog3::Field(int number) const
{
    const int i = number - kWordField;
    return i >= 0 && i < kFieldCount ? fields_[size_t(i)] : nullptr;
}

int Tprog3::SlotOfField(int field) const
{
    const int i = field - kFirstPicture;
    return i >= 0 && i < int(slots_.size()) && field <= LastPicture() ? slots_[size_t(i)] : -1;
}

QString Tprog3::FieldCaption(int field) const
{
    const int i = field - kWordField;
    return i > 0 && i < kFieldCount ? memory_[size_t(i)].caption : QString();
}

QString Tprog3::FieldPictureName(int field) const
{
    const int i = field - kWordField;
    return i > 0 && i < kFieldCount ? memory_[size_t(i)].picture : QString();
}

bool Tprog3::FieldVisible(int field) const
{
    const tdrbutton* b = Field(field);
    return b && b->isVisible();
}

QRect Tprog3::FieldGeometry(int field) const
{
    const tdrbutton* b = Field(field);
    return b ? b->geometry() : QRect();
}

int Tprog3::RightField() const
{
    for (int f = kFirstPicture; f <= LastPicture(); ++f)
        if (SlotOfField(f) == position)
            return f;
    return 0;
}

QString Tprog3::WordShown() const
{
    return ExerciseSettings().mitSound > 2 && !missingPicture_ ? QStringLiteral("???") : wordCaption_;
}

void Tprog3::CreateFields()
{
    for (int i = 0; i < kFieldCount; ++i) {
        const int number = kWordField + i;
        auto* b = new tdrbutton(this, number, nullptr);
        b->setObjectName(QStringLiteral("B%1").arg(number));
        b->setFocusPolicy(Qt::NoFocus);
        if (number == kWordField) {
            b->SetDrawHandler([this](tdrbutton& button, QPainter& p) { DrawWordField(button, p); });
            connect(b, &QAbstractButton::clicked, this, [this] { PressKeepingPending(kWordField); });
        } else {
            b->SetDrawHandler([this](tdrbutton& button, QPainter& p) { DrawPictureField(button, p); });
            connect(b, &QAbstractButton::clicked, this, [this, number] { ClickPicture(number); });
        }
        fields_[size_t(i)] = b;
    }
    messageFace_ = new tdrbutton(this, 0, nullptr);
    messageFace_->hide();
}

// ---- Layout ---------------------------------------------------------------------

void Tprog3::LayoutCentre(const QRect& centre)
{
    area_ = centre;
    if (fields_[0])
        MakeLayout();
}

void Tprog3::MakeLayout()
{
    const int entries = CurrentList() ? CurrentList()->Count() : 0;
    const PictureChoice choice = ChoosePictureCount(ExerciseSettings().bilderanzahl, entries);
    ExerciseSettings().bilderanzahl = choice.code;
    count_ = choice.count;
    rowLength_ = ::RowLength(count_);
    selected_ = std::clamp(selected_, kFirstPicture, LastPicture());
    const auto places = PictureFieldPlaces(count_, area_.width(), area_.height());
    for (int i = 0; i < kFieldCount; ++i) {
        tdrbutton* b = fields_[size_t(i)];
        const auto it = places.find(kWordField + i);
        if (it == places.end()) {
            b->hide();
            continue;
        }
        const QRect place = it->second.translated(area_.topLeft());
        if (b->geometry() != place) {
            b->setGeometry(place);
            b->DropFace();
        }
        b->show();
    }
    FitWordFieldFont();
}

void Tprog3::FitWordFieldFont()
{
    // The word field fits its text into itself; the picture fields share the
    // reference text of the longest caption.
    if (tdrbutton* w = Field(kWordField))
        w->SetSizingSample(QString(), false);
}

// ---- Showing ------------------------------------------------------------------

void Tprog3::Prepare()
{
    T_urahnlrb1::Prepare();
    ShowButton(kChooseList, false);
    if (!fields_[0])
        CreateFields();
    area_ = CentreRect();
}

void Tprog3::OnShown()
{
    QCoreApplication::processEvents();
    CurrentSection() = Section();
    LoadSettings(Section());
    selected_ = kFirstPicture;
    SetPending(0);
    setWindowTitle(Section());
    MakeLayout();
    MakeCandidates();
    ResetNumbers(true, true);
    SetCheckEnabled(false);
    if (!ready_) {
        ShowPictures();
        ready_ = true;
    }
    ClearFocus();
    QCoreApplication::processEvents();
    const ExerciseSettingsRecord& s = ExerciseSettings();
    SpeechBox()->setEnabled(s.mitSound > 0);
    NoiseBox()->setEnabled(s.mitSound > 0);
    if (s.mitSound > 1) {
        SpeechBox()->setChecked(true);
        NoiseBox()->setChecked(true);
        SetPending(kPlay);
        PostPending();
    }
}

void Tprog3::ClearFocus()
{
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f))
        f->clearFocus();
    setFocus();
}

// ---- Candidates -------------------------------------------------------------------

void Tprog3::DrawSlots()
{
    animator_.ResetColours(SettingsColourPair(ExerciseSettings()));
    const int entries = CurrentList() ? CurrentList()->Count() : 0;
    DrawCandidates(slots_, count_, entries, position, count_);
}

void Tprog3::MakeCandidates()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    effectField_ = 0;
    effectTimer_.stop();
    tmoiel* list = CurrentList();
    if (list)
        PrepareDisplayedWords(*list, s.mitArtikel);
    DrawSlots();
    const int entries = list ? list->Count() : 0;
    QString longest;
    for (int f = kFirstPicture; f < kWordField + kFieldCount; ++f) {
        FieldMemory& m = memory_[size_t(f - kWordField)];
        m = FieldMemory();
        if (tdrbutton* b = Field(f))
            b->SetSelected(false);
        const int index = SlotOfField(f);
        if (f > LastPicture() || index < 0 || index >= entries)
            continue;
        const WordEntry* e = list->Entry(index);
        if (!e)
            continue;
        const QString& word = e->Field(FieldWord);
        m.caption = word.isEmpty() ? kMissingWord : ToDisplayCase(word);
        if (!e->Field(FieldStyle).isEmpty()) {
            m.picture = e->Field(FieldPicture);
            m.font = e->notes[FieldPicture];
        }
        m.style = e->slots[FieldPicture].isEmpty() ? kWordStyle : e->slots[FieldPicture];
        if (m.caption.size() > longest.size())
            longest = m.caption;
    }
    reference_ = longest + QStringLiteral("wn");
    if (tdrbutton* b = Field(selected_))
        b->SetSelected(true);
    TakeCurrentEntry();
    const WordEntry* entry = CurrentEntry();
    currentWord_ = entry ? entry->Field(FieldWord) : QString();
    taskSolved_ = false;
    ShowCurrentWord();
}

void Tprog3::ShowCurrentWord()
{
    const WordEntry* entry = CurrentEntry();
    missingPicture_ = !entry || entry->Field(FieldPicture).isEmpty();
    if (!missingPicture_) {
        SetWordFieldText(ToDisplayCase(currentWord_));
    } else {
        SetWordFieldText(kMissingPicture);
        if (ExerciseSettings().mitSound != 3)
            SetPending(kNext);
    }
    WordChanged();
}

void Tprog3::SetWordFieldText(const QString& text)
{
    wordCaption_ = text;
    if (tdrbutton* w = Field(kWordField))
        w->update();
}

void Tprog3::ResetFieldSelection()
{
    for (int f = kFirstPicture; f < kWordField + kFieldCount; ++f)
        if (tdrbutton* b = Field(f))
            b->SetSelected(f == selected_);
}

// ---- Pictures ----------------------------------------------------------------------

void Tprog3::ShowPictures()
{
    if (showingPictures_)
        return;
    showingPictures_ = true;
    ShowLoadingText();
    for (int f = kFirstPicture; f <= LastPicture(); ++f) {
        tdrbutton* b = Field(f);
        const FieldMemory& m = memory_[size_t(f - kWordField)];
        b->SetStyle(m.style.isEmpty() ? kWordStyle : m.style);
        if (m.picture.isEmpty()) {
            b->ReleasePicture();
            b->SetContent(QStringLiteral(" "), ExerciseSettings().schriftart);
        } else if (b->Mode() == tdrbutton::ContentMode::Picture
                   && b->Caption().compare(m.picture, Qt::CaseInsensitive) == 0) {
            continue;  // shown already
        } else if (FileExists(ResolvePath(m.picture))) {
            // A picture another field already shows is shared, not decoded again.
            bool shared = false;
            for (int g = kFirstPicture; g < f && !shared; ++g)
                if (memory_[size_t(g - kWordField)].picture.compare(m.picture, Qt::CaseInsensitive) == 0
                    && Field(g)->Mode() == tdrbutton::ContentMode::Picture) {
                    b->SharePicture(*Field(g));
                    shared = true;
                }
            if (!shared)
                b->SetContent(m.picture);
        } else {
            b->SetContent(m.picture, m.font.isEmpty() ? ExerciseSettings().schriftart : m.font);
        }
    }
    HideLoadingText();
    for (int f = kFirstPicture; f <= LastPicture(); ++f)
        Field(f)->update();
    showingPictures_ = false;
}

void Tprog3::RepaintFields()
{
    for (int f = kWordField; f <= LastPicture(); ++f)
        if (tdrbutton* b = Field(f))
            b->repaint();
}
