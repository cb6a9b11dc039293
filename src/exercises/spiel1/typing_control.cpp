#include "exercises/spiel1/typing_control.h"

#include "data/text_helpers.h"
#include "exercises/spiel1/key_classes.h"
#include "exercises/spiel1/typing_host.h"
#include "exercises/spiel1/typing_record.h"

#include <algorithm>

namespace {

constexpr int MaxTextLength = 255;
constexpr QChar NoChar = QChar(0);
constexpr QChar Gap = u'_';
constexpr QChar NormalMark = QChar(8);
constexpr QChar WrongMark = u'g';
const QString MissingWord = QStringLiteral("Wort fehlt");

QString SignSoundName(QChar expected)
{
    return QStringLiteral("#") + QString::number(expected.unicode());
}

bool DifferOnlyInCase(QChar a, QChar b)
{
    return a != b && a.toUpper() == b.toUpper();
}

// One "_" per character of text, a blank where text has a blank.
void FillTemplate(QString& line, const QString& text)
{
    for (int i = 0; i < text.size(); ++i)
        if (line[i] == NoChar || line[i] == Gap)
            line[i] = text[i] == u' ' ? QChar(u' ') : Gap;
}

} // namespace

bool HasArticle(const QString& word)
{
    static const QStringList starts = {QStringLiteral("der "), QStringLiteral("die "),
                                       QStringLiteral("das "), QStringLiteral("ein "),
                                       QStringLiteral("eine ")};
    const QString lower = word.toLower();
    const bool begins = std::any_of(starts.begin(), starts.end(),
                                    [&](const QString& s) { return lower.startsWith(s); });
    return begins && Split(word, QStringLiteral(" ")).size() == 2;
}

bool IsPunctuationSign(QChar c)
{
    return !c.isNull() && QStringLiteral("'%!()?=\",.:;+- ").contains(c);
}

bool IsShiftPair(QChar typed, QChar expected)
{
    static const char16_t pairs[][2] = {{u'#', u'\''}, {u'.', u':'}, {u',', u';'},
                                        {u'1', u'!'},  {u'2', u'"'}, {u'5', u'%'},
                                        {u'8', u'('},  {u'9', u')'}, {u'ß', u'?'}};
    for (const auto& p : pairs)
        if (typed == QChar(p[0]) && expected == QChar(p[1]))
            return true;
    return false;
}

TypingControl::TypingControl(TypingHost& host) : host_(host) {}

void TypingControl::ApplyCase(QString& text) const
{
    // Character by character, so that the length never changes (ß stays ß).
    if (settings_.auto2 == 1)
        for (QChar& c : text)
            c = c.toUpper();
}

QChar TypingControl::ExpectedAt(int i) const
{
    return i >= 0 && i < expected_.size() ? expected_[i] : NoChar;
}

// ---------------------------------------------------------------- PrepareLine

void TypingControl::PrepareLine(const QString& previous)
{
    blinkShown_ = false;
    if (word_.trimmed().isEmpty()) {
        hasWord_ = false;
        expected_ = display_ = typed_ = MissingWord;
        line_.Set(MissingWord, 0);
        line_.readOnly = true;
        writePos_ = 0;
        given_ = QVector<bool>(MissingWord.size(), true);
        typedOver_ = QVector<bool>(MissingWord.size(), false);
        host_.MakePending(13);
        ClearMarks();
        return;
    }
    hasWord_ = true;
    const int tv = settings_.textvorgabe;
    QString expected = word_.left(MaxTextLength);
    if (((tv == 1 && !settings_.mitArtikel) || (tv == 3 && settings_.ohneArtikelabschreiben))
        && HasArticle(expected))
        expected = WithoutArticle(expected);
    ApplyCase(expected);
    expected_ = display_ = expected;
    writePos_ = 0;

    // The line is built as a buffer in which NUL marks an empty position; the
    // editor gets it up to the first empty one.
    const int n = int(expected.size());
    QString line(n, NoChar);
    const bool withTemplate = settings_.auto3 == 1 && settings_.Automatic();
    if (withTemplate)
        FillTemplate(line, expected);
    const bool article = HasArticle(expected);
    const int blank = int(expected.indexOf(u' '));

    if ((tv == 1 || (tv == 3 && settings_.ohneArtikelabschreiben)) && article) {
        for (int i = 0; i <= blank; ++i)
            line[i] = expected[i];
        writePos_ = blank + 1;
    }
    if (tv == 2) {
        if (article) {
            // Without the template the article's places are shown as gaps
            // too, so that the pupil sees where to write.
            FillTemplate(line, expected);
            for (int i = blank; i < n; ++i)
                line[i] = expected[i];
        } else {
            settings_.textvorgabe = 3;
            line = expected;
        }
    }
    if (tv == 3)
        line = expected;
    if (tv == 4) {
        line = expected;
        const int first = article ? blank + 1 : 0;
        if (first < n)
            line[first] = Gap;
        writePos_ = first;
        settings_.blinken = 1;
    }
    if (tv == 5) {
        // Without the template the gaps are shown as well (else nothing at
        // all would be given).
        FillTemplate(line, expected);
        for (int i = 1; i < n; i += 2)
            line[i] = expected[i];
    }
    if (tv == 6) {
        const int upTo = article ? blank + 1 : 0;
        for (int i = 0; i <= upTo && i < n; ++i)
            line[i] = expected[i];
        writePos_ = upTo + 1;
    }

    given_ = QVector<bool>(n, false);
    for (int i = 0; i < n; ++i)
        given_[i] = line[i] != NoChar && line[i] != Gap;

    // Keeping the correct letters of the previous try.
    bool kept = false;
    bool positionFound = false;
    for (int i = 0; i < n; ++i) {
        if (i < previous.size() && previous[i] == expected[i]) {
            line[i] = expected[i];
            kept = true;
        } else if (!positionFound && (line[i] == Gap || line[i] == NoChar)) {
            writePos_ = i;
            positionFound = true;
        }
    }
    if (kept && settings_.auto3 == 1)
        FillTemplate(line, expected);

    const qsizetype end = line.indexOf(NoChar);
    line_.Set(end < 0 ? line : line.left(end), writePos_);
    line_.readOnly = false;
    writePos_ = line_.caret;
    typedOver_ = QVector<bool>(n, false);
    TakeTypedText();
    ClearMarks();
}

void TypingControl::PrepareRetry(const QString& written)
{
    PrepareLine(RetryTextOf(written));
    // The caret goes to the end of the line, unless a gap is left to fill.
    if (!line_.text.contains(Gap))
        line_.SetCaret(int(line_.text.size()));
    writePos_ = line_.caret;
}

// ------------------------------------------------------------------ CheckLine

void TypingControl::CheckLine()
{
    if (!hasWord_)
        return;
    const int n = int(expected_.size());
    const bool keyTyped = keyTyped_;
    bool refused = false;
    bool wrongHandled = false;
    int typedAt = -1;

    const int counted = CutTemplateOverflow();
    if (counted > n + 1) {
        line_.text.chop(1);
        line_.SetCaret(line_.caret - 1);
        host_.PlayFunSound(settings_.funsound, QStringLiteral("zeilenende"));
        refused = true;
    } else {
        typed_ = line_.text;
        ApplyCase(typed_);
        writePos_ = line_.caret;
        typedAt = writePos_ - 1;
        if (settings_.auto4 == 1)
            CorrectCase();
        if (!settings_.Automatic())
            RecordOnEnterControl();
        else if (settings_.blinken == 2)
            wrongHandled = RefuseWrongLetter();
        else {
            if (keyTyped_)
                host_.PlayFunSound(settings_.tippton, QStringLiteral("holz"));
            if (settings_.blinken == 1)
                wrongHandled = FlagWrongLetter();
        }
    }
    if (!settings_.Copying())
        SkipGivenLetters();
    writePos_ = line_.caret;
    TakeTypedText();
    if (keyTyped && !refused && !wrongHandled && typedAt >= 0 && typedAt < n
        && typed_[typedAt] == expected_[typedAt])
        typedOver_[typedAt] = true;
    line_.readOnly = false;
    host_.DisplayChanged();
    // A refused over-long line already has its own sound.
    if (settings_.Automatic() && settings_.blinken == 2 && keyTyped_ && !refused)
        SoundCorrectKey(typedAt);
    keyTyped_ = false;
    if (settings_.Automatic() && LineEqualsWord() && (!settings_.Copying() || line_.caret >= n))
        host_.StartAnswerCheck();
}

int TypingControl::CutTemplateOverflow()
{
    const int n = int(expected_.size());
    int counted = 0;
    int letters = 0;
    int cut = -1;
    int caretAfterCut = 0;
    for (int i = 0; i < line_.text.size() && line_.text[i] != NoChar; ++i) {
        if (line_.text[i] != Gap) {
            ++counted;
            ++letters;
        } else if (counted + 1 <= n) {
            ++counted;
        } else {
            cut = i;  // a later surplus "_" cuts again: the last one decides
            caretAfterCut = letters;
        }
    }
    if (cut >= 0)
        line_.Set(line_.text.left(cut), caretAfterCut);
    return counted;
}

void TypingControl::CorrectCase()
{
    const int upTo = std::min({writePos_, int(typed_.size()), int(expected_.size())});
    for (int p = 0; p < upTo; ++p) {
        const QChar t = typed_[p];
        const QChar e = expected_[p];
        if (t != e && (t.toUpper() == e || IsShiftPair(t, e))) {
            typed_[p] = e;
            line_.text[p] = e;
        }
    }
}

void TypingControl::RecordOnEnterControl()
{
    if (!keyTyped_)
        return;
    host_.PlayFunSound(settings_.tippton, QStringLiteral("holz"));
    const int p = writePos_ - 1;
    if (p < 0 || p >= typed_.size())
        return;
    const QChar c = typed_[p];
    record_ += c == ExpectedAt(p) ? QString(c) : QStringLiteral("[") + c + u']';
}

bool TypingControl::RefuseWrongLetter()
{
    line_.readOnly = true;
    const int upTo = std::min(writePos_, int(typed_.size()));
    for (int p = 0; p < upTo; ++p) {
        const QChar t = typed_[p];
        const QChar e = ExpectedAt(p);
        if (t == e) {
            if (p == writePos_ - 1)
                record_ += t;
            continue;
        }
        if (e.isNull())
            line_.text.remove(p, 1);
        else
            line_.text[p] = settings_.Copying() ? e : Gap;
        line_.SetCaret(p);
        writePos_ = p;
        if (!(t == u' ' && p > 0 && typed_[p - 1] == u' '))
            record_ += QStringLiteral("[") + t + u']';
        if (t != u' ') {
            refused_ << RefusedKeyAttempt(typed_.left(p), t, int(expected_.size()));
            if (IsPunctuationSign(e)) {
                if (keyTyped_)
                    host_.PlayFunSound(settings_.funsound, SignSoundName(e));
            } else {
                CountWrongLetter();
                if (keyTyped_)
                    SoundDifference(t, e, p);
            }
        } else if (keyTyped_) {
            if (IsPunctuationSign(e))
                host_.PlayFunSound(settings_.funsound, SignSoundName(e));
            else
                host_.PlayFunSound(settings_.tippton, QStringLiteral("holz"));
        }
        typed_ = line_.text;
        ApplyCase(typed_);
        keyTyped_ = false;
        return true;
    }
    return false;
}

bool TypingControl::FlagWrongLetter()
{
    line_.readOnly = true;
    ClearMarks();
    const int upTo = std::min(writePos_, int(typed_.size()));
    for (int p = 0; p < upTo; ++p) {
        const QChar t = typed_[p];
        const QChar e = ExpectedAt(p);
        if (t == e)
            continue;
        if (keyTyped_)
            SoundDifference(t, e, p);
        if (t != u' ') {
            record_ += QStringLiteral("[") + t + u']';
            refused_ << RefusedKeyAttempt(typed_.left(p), t, int(expected_.size()));
            CountWrongLetter();
        }
        line_.SetCaret(p);
        writePos_ = p;
        return true;
    }
    return false;
}

void TypingControl::SoundDifference(QChar typed, QChar expected, int position)
{
    if (DifferOnlyInCase(typed, expected)) {
        // A capital where a small letter belongs, or the other way round.
        host_.PlayCaseHint(typed.isUpper() ? QStringLiteral("Fun\\kleinschreiben.wav")
                                           : QStringLiteral("Fun\\grossschreiben.wav"));
        return;
    }
    if (settings_.funsound == 2 || settings_.funsound == 3)
        host_.SayLetter(expected_, position, settings_.funsound);
    else
        host_.PlayFunSound(settings_.funsound, QStringLiteral("verloren"));
}

void TypingControl::CountWrongLetter()
{
    ++wrongCount_;
    if (wrongCount_ == 4)
        host_.ShowSolution();
}

void TypingControl::CountWrongAnswer()
{
    if (++wrongCount_ >= 6)
        wrongCount_ = 0;
}

void TypingControl::SkipGivenLetters()
{
    if (line_.caret >= line_.text.size() || line_.HasSelection())
        return;
    QString line = line_.text;
    ApplyCase(line);
    int caret = line_.caret;
    while (caret < line.size() && expected_.startsWith(line.left(caret + 1)))
        ++caret;
    line_.SetCaret(caret);
}

void TypingControl::TakeTypedText()
{
    typed_ = line_.text;
    if (settings_.auto2 == 1) {
        ApplyCase(typed_);
        return;
    }
    if (settings_.auto4 != 1)
        return;
    const int upTo = std::min(typed_.size(), expected_.size());
    for (int i = 0; i < upTo; ++i)
        if (DifferOnlyInCase(typed_[i], expected_[i]))
            typed_[i] = expected_[i];
}

void TypingControl::SoundCorrectKey(int spellBack)
{
    if (settings_.tippton == 1) {
        host_.PlayFunSound(settings_.tippton, QStringLiteral("holz"));
        return;
    }
    if (settings_.tippton != 2 && settings_.tippton != 3)
        return;
    if (host_.IsSpellingOut() || host_.SpellPosition() >= writePos_)
        return;
    if (spellBack < 0 || spellBack >= expected_.size())
        return;
    const int stimme = settings_.tippton == 2 ? settings_.stimme % 3 : settings_.stimme;
    host_.SayLetter(expected_, spellBack, stimme);
}

bool TypingControl::LineEqualsWord() const
{
    if (!hasWord_)
        return false;
    bool equal = typed_ == expected_;
    if (!equal && settings_.auto2 == 1)
        equal = typed_.toUpper() == expected_.toUpper();
    if (!equal)
        return false;
    if (settings_.Copying())
        for (int i = 0; i < typed_.size() && i < typedOver_.size(); ++i)
            if (!typedOver_[i])
                return false;
    return true;
}

QString TypingControl::RetryTextOf(const QString& written) const
{
    return RetryText(expected_, written);
}

// ------------------------------------------------------------ marks, blinking

void TypingControl::ClearMarks()
{
    marks_ = QString(std::max(expected_.size(), line_.text.size()), NormalMark);
}

void TypingControl::MarkWrongLetters(bool show)
{
    ClearMarks();
    if (show && hasWord_) {
        QString compare = line_.text;
        for (int i = 0; i < compare.size() && i < expected_.size(); ++i) {
            if (settings_.auto3 == 1 && compare[i] == Gap)
                compare[i] = expected_[i];
            if (settings_.Copying() && i >= writePos_)
                compare[i] = expected_[i];
        }
        QString expected = expected_;
        ApplyCase(compare);
        ApplyCase(expected);
        for (int i = 0; i < compare.size(); ++i) {
            const bool equal = i < expected.size() && compare[i] == expected[i];
            if (equal || line_.text[i] == Gap)
                continue;
            marks_[i] = WrongMark;
            break;
        }
    }
    host_.DisplayChanged();
}

bool TypingControl::Tick(bool listEnd)
{
    if (++ticks_ % 6 != 0 || settings_.blinken != 1 || listEnd)
        return false;
    blinkShown_ = !blinkShown_;
    MarkWrongLetters(blinkShown_);
    return true;
}

// ----------------------------------------------------------------------- keys

KeyVerdict TypingControl::FilterKey(const KeyInput& key, bool waitingForKey)
{
    if (settings_.tastaturLock) {
        if (key.down) {
            if (!keyReleased_)
                return KeyVerdict::Drop;
            if (key.vk != Vk::Shift)
                keyReleased_ = false;
        } else if (!key.autoRepeat) {
            keyReleased_ = true;
        }
    }
    if (!key.down)
        return KeyVerdict::Pass;
    if (key.vk == Vk::Escape && (key.target == KeyTarget::Editor || key.target == KeyTarget::Window))
        return KeyVerdict::Close;
    if (key.vk == Vk::Backspace && settings_.Automatic() && key.target != KeyTarget::ListPositionField)
        return KeyVerdict::Drop;
    if (key.vk == Vk::Right && key.target == KeyTarget::Editor && settings_.Copying())
        return KeyVerdict::Drop;
    if (waitingForKey)
        return KeyVerdict::Continue;
    return KeyVerdict::Pass;
}

KeyVerdict TypingControl::FilterMouseRelease(bool leftButton, bool inCloseCorner,
                                             bool waitingForKey) const
{
    if (!waitingForKey || !leftButton)
        return KeyVerdict::Pass;
    return inCloseCorner ? KeyVerdict::Close : KeyVerdict::Continue;
}

EditorAction TypingControl::EditorKeyDown(int vk)
{
    if (vk == Vk::Delete)
        host_.SetSpellPosition(0);
    else if (IsControlKey(vk)) {
        if (!lautier_)
            host_.SetSpellPosition(0);
    } else {
        keyTyped_ = true;
    }
    if (vk == Vk::Enter)
        return settings_.textcontrolle != 0 ? EditorAction::PlayEntrySound : EditorAction::CheckAnswer;
    if (vk == Vk::Escape)
        return EditorAction::Close;
    return EditorAction::None;
}

void TypingControl::EditorKeyUp(int vk)
{
    if (!IsControlKey(vk) || (vk == Vk::Right && settings_.Copying()))
        return;
    writePos_ = line_.caret;
    host_.DisplayChanged();
}

void TypingControl::EditKey(int vk, const QString& text)
{
    if (line_.readOnly)
        return;
    bool edited = false;
    switch (vk) {
    case Vk::Backspace: edited = line_.Backspace(); break;
    case Vk::Delete: edited = line_.DeleteForward(); break;
    case Vk::Home:
    case Vk::End:
    case Vk::Left:
    case Vk::Right: line_.MoveCaret(vk); return;
    default:
        if (IsControlKey(vk) || text.isEmpty() || text[0].unicode() < 32)
            return;
        edited = line_.Type(text);
        break;
    }
    if (edited)
        CheckLine();
}

KeyVerdict TypingControl::WindowKey(int vk, bool listFieldFocused)
{
    if (listFieldFocused)
        return (vk >= 0 && vk <= 7) || (vk >= 9 && vk <= 32) ? KeyVerdict::Drop : KeyVerdict::Pass;
    return vk >= 32 && vk <= 255 ? KeyVerdict::FocusEditor : KeyVerdict::Pass;
}

// -------------------------------------------------------------------- display

int TypingControl::WordPartStart() const
{
    if (writePos_ <= 0)
        return 0;
    return int(expected_.lastIndexOf(u' ', writePos_ - 1)) + 1;
}

QVector<DisplayLetter> TypingControl::DisplayLetters() const
{
    const int n = int(expected_.size());
    QString line = line_.text;
    ApplyCase(line);
    const int length = std::max(n, int(line.size()));
    QVector<DisplayLetter> letters(length);
    for (int i = 0; i < length; ++i) {
        DisplayLetter& d = letters[i];
        const QChar e = ExpectedAt(i);
        const QChar c = i < line.size() ? line[i] : NoChar;
        if (!hasWord_) {
            d = {e, LetterLook::Given, false};
        } else if (i >= n) {
            d = {c, LetterLook::Extra, false};
        } else if (settings_.Copying()) {
            if (!c.isNull() && c != e)
                d = {c, LetterLook::Typed, false};
            else
                d = {e, typedOver_[i] ? LetterLook::Typed : LetterLook::ToCopy, false};
        } else if (c.isNull()) {
            d = {e, LetterLook::Hidden, false};
        } else if (c == Gap) {
            d = {e, LetterLook::Template, false};
        } else {
            d = {c, given_[i] && c == e ? LetterLook::Given : LetterLook::Typed, false};
        }
        d.wrong = i < marks_.size() && marks_[i] == WrongMark;
    }
    return letters;
}
