// The typing control driven key by key, with a recording host.
#include "exercises/spiel1/key_classes.h"
#include "exercises/spiel1/typing_control.h"
#include "support/fake_typing_host.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class TypingTest : public ::testing::Test {
protected:
    FakeTypingHost host;
    TypingControl t{host};

    // A new task for word, with settings changed by adjust, after the
    // events of preparing have been dropped.
    void Start(const QString& word, const std::function<void(TypingSettings&)>& adjust = {})
    {
        if (adjust)
            adjust(t.Settings());
        t.SetWord(word);
        t.Record().clear();
        t.PrepareLine(QString());
        host.Take();
    }
    // One key as the application delivers it: the filter, the editor's key
    // down and its edit, then the release.
    KeyVerdict Key(int vk, const QString& text = QString(), KeyTarget target = KeyTarget::Editor)
    {
        const KeyVerdict verdict = t.FilterKey({vk, true, false, target}, false);
        if (verdict == KeyVerdict::Pass && target == KeyTarget::Editor) {
            t.EditorKeyDown(vk);
            t.EditKey(vk, text);
        }
        if (t.FilterKey({vk, false, false, target}, false) == KeyVerdict::Pass
            && target == KeyTarget::Editor)
            t.EditorKeyUp(vk);
        return verdict;
    }
    void Type(const QString& text)
    {
        for (const QChar c : text)
            Key(KeyOfChar(c), QString(c));
    }
    QString Line() const { return t.Line().text; }
    int Caret() const { return t.Line().caret; }
};

// ------------------------------------------------------------------ PrepareLine

struct PrepareCase {
    const char* name;
    QString word;
    std::function<void(TypingSettings&)> adjust;
    QString previous;
    QString line;
    int caret;
    QString expected;
};

void Template(TypingSettings& s) { s.textcontrolle = 1; s.auto3 = 1; }
void NoTemplate(TypingSettings& s) { s.textcontrolle = 2; s.auto3 = 0; }
auto Mode(int tv, void (*base)(TypingSettings&)) {
    return [tv, base](TypingSettings& s) { base(s); s.textvorgabe = tv; };
}

class PrepareLineTest : public TypingTest, public ::testing::WithParamInterface<PrepareCase> {};

TEST_P(PrepareLineTest, BuildsTheLine)
{
    const PrepareCase& c = GetParam();
    c.adjust(t.Settings());
    t.SetWord(c.word);
    t.PrepareLine(c.previous);
    EXPECT_EQ(Line(), c.line);
    EXPECT_EQ(Caret(), c.caret);
    EXPECT_EQ(t.WritePosition(), c.caret);
    EXPECT_EQ(t.Expected(), c.expected);
    EXPECT_EQ(t.DisplayWord(), c.expected);
}

const QString H = QStringLiteral("Hund");
const QString DH = QStringLiteral("der Hund");

INSTANTIATE_TEST_SUITE_P(
    Modes, PrepareLineTest,
    ::testing::Values(
        PrepareCase{"all_template", H, Mode(0, Template), {}, "____", 0, H},
        PrepareCase{"all_plain", H, Mode(0, NoTemplate), {}, "", 0, H},
        PrepareCase{"enter_control_has_no_template", H,
                    [](TypingSettings& s) { s.textcontrolle = 0; s.auto3 = 1; }, {}, "", 0, H},
        PrepareCase{"blank_kept_in_template", DH, Mode(0, Template), {}, "___ ____", 0, DH},
        PrepareCase{"article_given_template", DH, Mode(1, Template), {}, "der ____", 4, DH},
        PrepareCase{"article_given_plain", DH, Mode(1, NoTemplate), {}, "der ", 4, DH},
        PrepareCase{"word_without_article", DH,
                    [](TypingSettings& s) { Template(s); s.textvorgabe = 1; s.mitArtikel = false; },
                    {}, "____", 0, H},
        PrepareCase{"eine_dropped", QStringLiteral("eine Katze"),
                    [](TypingSettings& s) { NoTemplate(s); s.textvorgabe = 1; s.mitArtikel = false; },
                    {}, "", 0, QStringLiteral("Katze")},
        PrepareCase{"two_words_no_article", QStringLiteral("rote Rose"), Mode(1, Template), {},
                    "____ ____", 0, QStringLiteral("rote Rose")},
        PrepareCase{"article_only_template", DH, Mode(2, Template), {}, "___ Hund", 0, DH},
        PrepareCase{"article_only_plain_shows_gaps", DH, Mode(2, NoTemplate), {}, "___ Hund", 0, DH},
        PrepareCase{"copy_without_article", DH, Mode(3, Template), {}, H, 0, H},
        PrepareCase{"copy_with_article", DH,
                    [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.ohneArtikelabschreiben = false; },
                    {}, DH, 0, DH},
        PrepareCase{"first_letter", H, Mode(4, NoTemplate), {}, "_und", 0, H},
        PrepareCase{"first_letter_after_article", DH, Mode(4, NoTemplate), {}, "der _und", 4, DH},
        PrepareCase{"every_second_template", H, Mode(5, Template), {}, "_u_d", 0, H},
        PrepareCase{"every_second_plain_shows_gaps", H, Mode(5, NoTemplate), {}, "_u_d", 0, H},
        PrepareCase{"from_second_template", H, Mode(6, Template), {}, "H___", 1, H},
        PrepareCase{"from_second_plain", H, Mode(6, NoTemplate), {}, "H", 1, H},
        PrepareCase{"from_second_after_article", DH, Mode(6, Template), {}, "der H___", 5, DH},
        PrepareCase{"capitals", H,
                    [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.auto2 = 1; }, {},
                    "HUND", 0, "HUND"},
        PrepareCase{"capitals_keep_sharp_s", QStringLiteral("Fuß"),
                    [](TypingSettings& s) { Template(s); s.auto2 = 1; }, {}, "___", 0,
                    QStringLiteral("FUß")},
        PrepareCase{"kept_letters_template", H, Mode(0, Template), "Hxnd", "H_nd", 1, H},
        PrepareCase{"kept_letters_plain_stop_at_gap", H, Mode(0, NoTemplate), "Hxnd", "H", 1, H},
        PrepareCase{"kept_letters_all", H, Mode(0, NoTemplate), "Hund", "Hund", 0, H},
        PrepareCase{"kept_letters_mode_one", DH, Mode(1, Template), "der Hu", "der Hu__", 6, DH}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTest, ArticleOnlyWithoutArticleIsCopyingForThisTask)
{
    Start(H, Mode(2, Template));
    EXPECT_EQ(t.Settings().textvorgabe, 3);
    EXPECT_EQ(Line(), H);
    Type("Hund");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, FirstLetterModeBlinks)
{
    Start(H, [](TypingSettings& s) { Template(s); s.textvorgabe = 4; s.blinken = 2; });
    EXPECT_EQ(t.Settings().blinken, 1);
}

TEST_F(TypingTest, MissingWordShowsWortFehltAndMovesOn)
{
    Start(QString());
    EXPECT_FALSE(t.HasWord());
    EXPECT_EQ(Line(), "Wort fehlt");
    EXPECT_TRUE(t.Line().readOnly);
    t.SetWord(QStringLiteral("  "));
    t.PrepareLine(QString());
    EXPECT_EQ(host.Take(), QStringList{"pending 13"});
    Type("x");
    EXPECT_EQ(Line(), "Wort fehlt");
    EXPECT_FALSE(t.LineEqualsWord());
}

TEST_F(TypingTest, RetryKeepsCorrectLettersAndPutsTheCaretAtTheEnd)
{
    Start(H, [](TypingSettings& s) { s.textcontrolle = 0; s.auto3 = 0; });
    t.PrepareRetry(QStringLiteral("Hxnd"));
    EXPECT_EQ(Line(), "H");
    EXPECT_EQ(Caret(), 1);
    t.PrepareRetry(QStringLiteral("Hundx"));
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(Caret(), 4);
    Start(DH, [](TypingSettings& s) { s.textcontrolle = 0; s.auto3 = 0; s.textvorgabe = 5; });
    t.PrepareRetry(QStringLiteral("Hund"));  // written where it stands in "der Hund"
    EXPECT_EQ(t.RetryTextOf(QStringLiteral("Hund")), "    Hund");
    EXPECT_EQ(Line(), "_e_ Hund");
    EXPECT_EQ(Caret(), 0);
}

// ------------------------------------------------------------------- CheckLine

TEST_F(TypingTest, LetterTypedIntoTheTemplate)
{
    Start(H, Template);
    Type("H");
    EXPECT_EQ(Line(), "H___");
    EXPECT_EQ(Caret(), 1);
    // A letter inserted instead of typed over leaves one "_" too many.
    t.Line().Set(QStringLiteral("Hu___"), 2);
    t.CheckLine();
    EXPECT_EQ(Line(), "Hu__");
    EXPECT_EQ(Caret(), 2);
}

TEST_F(TypingTest, LineTooLong)
{
    Start(H, [](TypingSettings& s) { NoTemplate(s); s.blinken = 0; });
    Type("Hundx");
    EXPECT_EQ(Line(), "Hundx");
    host.Take();
    Type("y");
    EXPECT_EQ(Line(), "Hundx");
    EXPECT_EQ(Caret(), 5);
    EXPECT_EQ(host.Take(), QStringList{"fun 1 zeilenende"});
}

TEST_F(TypingTest, Auto4CorrectsCaseAndShiftPairs)
{
    Start(H, [](TypingSettings& s) { NoTemplate(s); s.auto4 = 1; });
    Type("hund");
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(host.events.last(), "check");

    Start(QStringLiteral("Ja!"), [](TypingSettings& s) { NoTemplate(s); s.auto4 = 1; });
    Type("Ja1");
    EXPECT_EQ(Line(), "Ja!");
    EXPECT_TRUE(t.LineEqualsWord());

    // A capital where a small letter belongs stays in the line, but the
    // typed text is corrected for the comparison.
    Start(QStringLiteral("hund"), [](TypingSettings& s) { NoTemplate(s); s.auto4 = 1; s.blinken = 0; });
    Type("Hund");
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(t.Typed(), "hund");
    EXPECT_TRUE(t.LineEqualsWord());
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, RefusedWrongLetter)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 2; });
    Type("H");
    EXPECT_EQ(host.Take(), QStringList{"fun 1 holz"});
    Type("x");
    EXPECT_EQ(Line(), "H___");
    EXPECT_EQ(Caret(), 1);
    EXPECT_EQ(t.WritePosition(), 1);
    EXPECT_EQ(t.Record(), "H[x]");
    EXPECT_EQ(host.Take(), QStringList{"fun 1 verloren"});
    EXPECT_EQ(t.WrongCount(), 1);
    Type("und");
    EXPECT_EQ(t.Record(), "H[x]und");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, RefusedWrongLetterWithoutTemplate)
{
    Start(H, [](TypingSettings& s) { NoTemplate(s); s.blinken = 2; });
    Type("Hx");
    EXPECT_EQ(Line(), "H_");
    EXPECT_EQ(Caret(), 1);
    Type("und");
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, CopyingReplacesWrongLetterByTheExpectedOne)
{
    Start(H, [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.blinken = 2; });
    Type("Hx");
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(Caret(), 1);
    EXPECT_EQ(t.Record(), "H[x]");
    EXPECT_FALSE(t.LineEqualsWord());  // u, n, d not typed over yet
    Type("und");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, CopyingChecksOnlyWithTheCaretAtTheEnd)
{
    Start(H, [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.blinken = 2; });
    Type("Hun");
    EXPECT_FALSE(host.events.contains("check"));
    Type("d");
    EXPECT_EQ(host.Take().last(), "check");
    Key(Vk::Home);
    Type("H");
    EXPECT_TRUE(t.LineEqualsWord());
    EXPECT_FALSE(host.Take().contains("check"));
}

TEST_F(TypingTest, FourthWrongLetterShowsTheSolutionOnce)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 2; });
    Type("xxx");
    EXPECT_FALSE(host.events.contains("solution"));
    Type("x");
    EXPECT_EQ(host.Take().count("solution"), 1);
    Type("x");
    EXPECT_EQ(host.Take().count("solution"), 0);
    EXPECT_EQ(t.WrongCount(), 5);
}

TEST_F(TypingTest, CheckStartsAtOnceInAutomaticControlOnly)
{
    Start(H, NoTemplate);
    Type("Hun");
    EXPECT_FALSE(host.events.contains("check"));
    Type("d");
    EXPECT_EQ(host.events.last(), "check");

    Start(H, [](TypingSettings& s) { s.textcontrolle = 0; s.auto3 = 0; });
    Type("Hund");
    EXPECT_FALSE(host.events.contains("check"));
    EXPECT_TRUE(t.LineEqualsWord());
}

TEST_F(TypingTest, BlinkingLetterStaysAndCaretGoesBack)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 1; });
    Type("Hx");
    EXPECT_EQ(Line(), "Hx__");
    EXPECT_EQ(Caret(), 1);
    EXPECT_EQ(t.Record(), "[x]");
    EXPECT_EQ(host.Take(), (QStringList{"fun 1 holz", "fun 1 holz", "fun 1 verloren"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(t.Tick(false));
    EXPECT_TRUE(t.Tick(false));
    EXPECT_EQ(t.Marks().at(1), u'g');
    EXPECT_TRUE(t.DisplayLetters().at(1).wrong);
    EXPECT_EQ(t.Marks().at(0), QChar(8));
    for (int i = 0; i < 6; ++i)
        t.Tick(false);
    EXPECT_EQ(t.Marks().at(1), QChar(8));
    // Typed over, the word is right.
    Type("und");
    EXPECT_EQ(Line(), "Hund");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, NoBlinkingAtTheListEndOrWithOtherBlinken)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 1; });
    Type("x");
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(t.Tick(true));
    t.Settings().blinken = 0;
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(t.Tick(false));
}

TEST_F(TypingTest, WrongLettersAllowedWithBlinkenZero)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 0; });
    Type("Hxnd");
    EXPECT_EQ(Line(), "Hxnd");
    EXPECT_EQ(t.Record(), "");
    EXPECT_EQ(t.WrongCount(), 0);
    EXPECT_FALSE(t.LineEqualsWord());
}

struct DifferenceCase {
    const char* name;
    QString word;
    int funsound;
    QString typed;
    QStringList sounds;  // of the last key
    bool withTemplate = true;
};

class DifferenceTest : public TypingTest, public ::testing::WithParamInterface<DifferenceCase> {};

TEST_P(DifferenceTest, SoundOfTheRefusedLetter)
{
    const DifferenceCase& c = GetParam();
    Start(c.word, [&](TypingSettings& s) {
        c.withTemplate ? Template(s) : NoTemplate(s);
        s.blinken = 2;
        s.funsound = c.funsound;
        s.tippton = 0;
    });
    Type(c.typed.chopped(1));
    host.Take();
    Type(c.typed.right(1));
    EXPECT_EQ(host.Take(), c.sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Sounds, DifferenceTest,
    ::testing::Values(
        DifferenceCase{"verloren", H, 1, "Hx", {"fun 1 verloren"}},
        DifferenceCase{"off", H, 0, "Hx", {"fun 0 verloren"}},
        DifferenceCase{"letter_name", H, 2, "Hx", {"say Hund 1 2"}},
        DifferenceCase{"letter_sound", H, 3, "Hx", {"say Hund 1 3"}},
        DifferenceCase{"needs_capital", H, 1, "h", {"case Fun\\grossschreiben.wav"}},
        DifferenceCase{"needs_small", H, 2, "HU", {"case Fun\\kleinschreiben.wav"}},
        DifferenceCase{"needs_small_umlaut", QStringLiteral("Bär"), 1, QStringLiteral("BÄ"),
                       {"case Fun\\kleinschreiben.wav"}},
        DifferenceCase{"sign_expected", QStringLiteral("Ja!"), 1, "Jax", {"fun 1 #33"}},
        DifferenceCase{"blank_expected", DH, 1, "derx", {"fun 1 #32"}, false},
        DifferenceCase{"blank_typed", DH, 1, "de ", {"fun 0 holz"}},
        DifferenceCase{"blank_for_sign", QStringLiteral("Ja!"), 1, "Ja ", {"fun 1 #33"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTest, SignsAndBlanksAreNoWrongLetters)
{
    Start(QStringLiteral("Ja!"), [](TypingSettings& s) { Template(s); s.blinken = 2; });
    Type("Jax");
    Type(" ");
    EXPECT_EQ(t.WrongCount(), 0);
    EXPECT_EQ(t.Record(), "Ja[x][ ]");
}

TEST_F(TypingTest, CorrectKeySaysItsLetterOnce)
{
    Start(H, [](TypingSettings& s) { Template(s); s.blinken = 2; s.tippton = 2; s.stimme = 4; });
    Type("H");
    EXPECT_EQ(host.Take(), QStringList{"say Hund 0 1"});
    Key(Vk::Left);  // spelling position back to 0
    Key(Vk::Right);
    host.Take();
    Type("u");
    EXPECT_EQ(host.Take(), QStringList{"say Hund 1 1"});
    t.Settings().tippton = 3;
    host.spellingOut = true;
    Type("n");
    EXPECT_TRUE(host.Take().isEmpty());
    host.spellingOut = false;
    Type("d");
    EXPECT_EQ(host.Take(), (QStringList{"say Hund 3 4", "check"}));
}

TEST_F(TypingTest, EnterControlRecordsEveryTypedLetter)
{
    Start(H, [](TypingSettings& s) { s.textcontrolle = 0; s.auto3 = 0; });
    Type("Hx");
    EXPECT_EQ(t.Record(), "H[x]");
    EXPECT_EQ(host.Take(), (QStringList{"fun 1 holz", "fun 1 holz"}));
    EXPECT_EQ(Line(), "Hx");
    EXPECT_EQ(Key(Vk::Backspace), KeyVerdict::Pass);
    EXPECT_EQ(Line(), "H");
    EXPECT_EQ(t.Record(), "H[x]");
    EXPECT_EQ(t.EditorKeyDown(Vk::Enter), EditorAction::CheckAnswer);
}

TEST_F(TypingTest, GivenLettersAreSkipped)
{
    Start(H, Mode(5, Template));
    Type("H");
    EXPECT_EQ(Caret(), 2);
    Type("n");
    EXPECT_EQ(Caret(), 4);
    EXPECT_EQ(host.events.last(), "check");

    Start(DH, Mode(1, Template));
    Type("Hund");
    EXPECT_EQ(Line(), DH);
    EXPECT_EQ(host.events.last(), "check");

    Start(DH, Mode(2, Template));
    Type("der");
    EXPECT_EQ(Caret(), 8);
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, CapitalsOnly)
{
    Start(H, [](TypingSettings& s) { NoTemplate(s); s.auto2 = 1; });
    Type("hund");
    EXPECT_EQ(t.Typed(), "HUND");
    EXPECT_EQ(host.events.last(), "check");
}

TEST_F(TypingTest, DisplayShowsTypedGivenAndHiddenLetters)
{
    Start(DH, Mode(1, Template));
    Type("Hu");
    QString looks;
    for (const DisplayLetter& d : t.DisplayLetters())
        looks += QChar(u"HTGYCE"[int(d.look)]);
    EXPECT_EQ(looks, "GGGGYYTT");
    Start(H, Mode(0, NoTemplate));
    Type("H");
    EXPECT_EQ(t.DisplayLetters().at(1).look, LetterLook::Hidden);
    EXPECT_EQ(t.DisplayLetters().at(1).ch, u'u');
    Start(H, [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.blinken = 2; });
    Type("H");
    EXPECT_EQ(t.DisplayLetters().at(0).look, LetterLook::Typed);
    EXPECT_EQ(t.DisplayLetters().at(1).look, LetterLook::ToCopy);
}

// ------------------------------------------------------------------------ keys

TEST_F(TypingTest, KeyLockWaitsForRelease)
{
    Start(H, NoTemplate);
    EXPECT_EQ(t.FilterKey({Vk::Shift, true}, false), KeyVerdict::Pass);
    EXPECT_EQ(t.FilterKey({'H', true}, false), KeyVerdict::Pass);
    EXPECT_EQ(t.FilterKey({'H', true, true}, false), KeyVerdict::Drop);  // held down
    EXPECT_EQ(t.FilterKey({'U', true}, false), KeyVerdict::Drop);        // before releasing H
    t.FilterKey({'H', false, true}, false);                              // a repeat's release
    EXPECT_EQ(t.FilterKey({'U', true}, false), KeyVerdict::Drop);
    t.FilterKey({'H', false}, false);
    EXPECT_EQ(t.FilterKey({'U', true}, false), KeyVerdict::Pass);
    t.Settings().tastaturLock = false;
    EXPECT_EQ(t.FilterKey({'N', true}, false), KeyVerdict::Pass);
}

struct FilterCase {
    const char* name;
    int textcontrolle;
    int textvorgabe;
    int vk;
    KeyTarget target;
    bool waiting;
    KeyVerdict verdict;
};

class KeyFilterTest : public TypingTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(KeyFilterTest, Decides)
{
    const FilterCase& c = GetParam();
    t.Settings().tastaturLock = false;
    t.Settings().textcontrolle = c.textcontrolle;
    t.Settings().textvorgabe = c.textvorgabe;
    EXPECT_EQ(t.FilterKey({c.vk, true, false, c.target}, c.waiting), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilterTest,
    ::testing::Values(
        FilterCase{"escape_editor", 2, 0, Vk::Escape, KeyTarget::Editor, false, KeyVerdict::Close},
        FilterCase{"escape_window", 2, 0, Vk::Escape, KeyTarget::Window, false, KeyVerdict::Close},
        FilterCase{"escape_list_field", 2, 0, Vk::Escape, KeyTarget::ListPositionField, false, KeyVerdict::Pass},
        FilterCase{"backspace_automatic", 1, 0, Vk::Backspace, KeyTarget::Editor, false, KeyVerdict::Drop},
        FilterCase{"backspace_list_field", 2, 0, Vk::Backspace, KeyTarget::ListPositionField, false, KeyVerdict::Pass},
        FilterCase{"backspace_on_enter", 0, 0, Vk::Backspace, KeyTarget::Editor, false, KeyVerdict::Pass},
        FilterCase{"right_copying", 2, 3, Vk::Right, KeyTarget::Editor, false, KeyVerdict::Drop},
        FilterCase{"right_writing", 2, 0, Vk::Right, KeyTarget::Editor, false, KeyVerdict::Pass},
        FilterCase{"right_copying_window", 2, 3, Vk::Right, KeyTarget::Window, false, KeyVerdict::Pass},
        FilterCase{"waiting_letter", 2, 0, 'A', KeyTarget::Editor, true, KeyVerdict::Continue},
        FilterCase{"waiting_escape", 2, 0, Vk::Escape, KeyTarget::Editor, true, KeyVerdict::Close}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTest, BackspaceDoesNothingInAutomaticControl)
{
    Start(H, NoTemplate);
    Type("Hu");
    EXPECT_EQ(Key(Vk::Backspace), KeyVerdict::Drop);
    EXPECT_EQ(Line(), "Hu");
}

TEST_F(TypingTest, MouseReleaseWhileWaiting)
{
    EXPECT_EQ(t.FilterMouseRelease(true, false, true), KeyVerdict::Continue);
    EXPECT_EQ(t.FilterMouseRelease(true, true, true), KeyVerdict::Close);
    EXPECT_EQ(t.FilterMouseRelease(false, false, true), KeyVerdict::Pass);
    EXPECT_EQ(t.FilterMouseRelease(true, true, false), KeyVerdict::Pass);
}

TEST_F(TypingTest, WindowKeys)
{
    EXPECT_EQ(TypingControl::WindowKey('A', false), KeyVerdict::FocusEditor);
    EXPECT_EQ(TypingControl::WindowKey(Vk::Space, false), KeyVerdict::FocusEditor);
    EXPECT_EQ(TypingControl::WindowKey(Vk::Tab, false), KeyVerdict::Pass);
    EXPECT_EQ(TypingControl::WindowKey(Vk::Tab, true), KeyVerdict::Drop);
    EXPECT_EQ(TypingControl::WindowKey(Vk::Space, true), KeyVerdict::Drop);
    EXPECT_EQ(TypingControl::WindowKey(Vk::Backspace, true), KeyVerdict::Pass);
    EXPECT_EQ(TypingControl::WindowKey('5', true), KeyVerdict::Pass);
}

TEST_F(TypingTest, EditorKeys)
{
    Start(H, NoTemplate);
    EXPECT_EQ(t.EditorKeyDown(Vk::Enter), EditorAction::PlayEntrySound);
    EXPECT_EQ(t.EditorKeyDown(Vk::Escape), EditorAction::Close);
    host.spellPosition = 3;
    t.EditorKeyDown(Vk::Left);
    EXPECT_EQ(host.spellPosition, 0);
    t.SetLautierVariant(true);
    host.spellPosition = 3;
    t.EditorKeyDown(Vk::Left);
    EXPECT_EQ(host.spellPosition, 3);
    t.EditorKeyDown(Vk::Delete);
    EXPECT_EQ(host.spellPosition, 0);
    EXPECT_FALSE(t.KeyTyped());
    t.EditorKeyDown('A');
    EXPECT_TRUE(t.KeyTyped());
}

TEST_F(TypingTest, CaretKeysMoveTheWritePositionExceptRightWhileCopying)
{
    Start(H, Mode(0, Template));
    Type("Hu");
    Key(Vk::Left);
    EXPECT_EQ(t.WritePosition(), 1);
    Start(H, [](TypingSettings& s) { Template(s); s.textvorgabe = 3; s.blinken = 2; s.tastaturLock = false; });
    Type("Hu");
    t.Line().SetCaret(3);  // moved by the mouse
    t.EditorKeyUp(Vk::Right);
    EXPECT_EQ(t.WritePosition(), 2);
}

TEST(TypingKeys, Classes)
{
    for (int vk : {0, 8, 13, 16, 27, 31, 33, 37, 40, 45, 46})
        EXPECT_TRUE(IsControlKey(vk)) << vk;
    for (int vk : {32, 41, 44, 47, 65, 0xBA, 255})
        EXPECT_TRUE(IsCharacterKey(vk)) << vk;
}

} // namespace
