#include "framework/spelling_out.h"

#include "data/exercise_settings.h"
#include "framework/exercise_window.h"
#include "platform/clock.h"

namespace {

// One sound, no mixing: the control string of every spelled unit.
const QString kUnitControlString = QStringLiteral(" 1") + QString(20, u' ');
constexpr int kBlankExtraMs = 700;

int PauseMs()
{
    return qMax(0, ExerciseSettings().buchstabierpause) * 100;
}

} // namespace

void SpellingOut::Start(const QString& text, int from, SpellKind kind, int to)
{
    text_ = text;
    kind_ = kind;
    end_ = to < 0 || to > text.size() ? int(text.size()) : to;
    running = true;
    position = from;
    Step(text, from, kind);
}

bool SpellingOut::Continue()
{
    if (!running)
        return false;
    if (position >= end_ || position >= text_.size()) {
        running = false;
        return false;
    }
    if (stepping_) {
        // A sound ended while the previous step still waits: go on after it.
        continueRequested_ = true;
        return true;
    }
    Step(text_, position, kind_);
    return true;
}

void SpellingOut::Stop()
{
    running = false;
    continueRequested_ = false;
}

void SpellingOut::Step(const QString& text, int at, SpellKind kind)
{
    if (stepping_) {
        StepOnce(text, at, kind);
        return;
    }
    stepping_ = true;
    StepOnce(text, at, kind);
    while (continueRequested_) {
        continueRequested_ = false;
        if (!running || position >= end_ || position >= text_.size()) {
            running = false;
            break;
        }
        StepOnce(text_, position, kind_);
    }
    stepping_ = false;
}

void SpellingOut::StepOnce(const QString& text, int at, SpellKind kind)
{
    if (kind == SpellKind::SmallHint || kind == SpellKind::CapitalHint) {
        window_.PlayDirect(HintSoundFile(kind), false);
        return;
    }
    const bool sounds = SpeaksLetterSounds(ExerciseSettings().stimme) && kind != SpellKind::Names;
    const QStringList groups =
        sounds && kind == SpellKind::Groups ? ReadLetterGroups() : QStringList();
    const SpellUnit unit = ChooseSpellUnit(text, at, kind, sounds, groups);
    if (!unit.valid)
        return;
    window_.SetButtonControlString(T_urahnlrb::kEndButton, kUnitControlString);
    position = unit.next;

    if (unit.pause) {
        Wait(PauseMs(), true);
        Wait(kBlankExtraMs, true);
        window_.PostCommand(T_urahnlrb::kSoundFinished, T_urahnlrb::kEndButton);
    } else if (running) {
        if (!window_.PlayOnButton(T_urahnlrb::kEndButton, unit.file))
            running = false;
        else
            Wait(PauseMs(), true);
    } else {
        window_.PlayDirect(unit.file, position >= text.size());
    }
}
