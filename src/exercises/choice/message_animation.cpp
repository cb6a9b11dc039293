#include "exercises/choice/message_animation.h"

#include "data/exercise_settings.h"
#include "platform/clock.h"

ColourPair SettingsColourPair(const ExerciseSettingsRecord& settings)
{
    return {settings.textfarbe, settings.hintergrundfarbe};
}

ColourPair HighlightedPair(const ColourPair& pair)
{
    if (pair.background == u'z')
        return {pair.text == u'7' ? QChar(u'0') : QChar(u'7'), pair.text};
    return {pair.background, pair.text};
}

QString PadHighlighted(const QString& text, int textausrichtung)
{
    switch (textausrichtung) {
    case 0: return text + QString(10, u' ');
    case 2: return QString(10, u' ') + text;
    default: return QString(5, u' ') + text + QString(5, u' ');
    }
}

QStringList TypingFrames(const QString& text)
{
    QStringList frames;
    for (qsizetype i = 0; i <= text.size(); ++i)
        frames << text.left(i);
    return frames;
}

QStringList ErasingFrames(const QString& text)
{
    const qsizetype length = text.size() + text.size() % 2;
    QStringList frames;
    for (qsizetype i = 0; i <= length / 2; ++i)
        frames << text.mid(i, length - 2 * i);
    return frames;
}

void MessageAnimator::ResetColours(const ColourPair& settings)
{
    settings_ = settings;
    pair_ = settings;
    pairField_ = 0;
}

QString MessageAnimator::Prepare(int field, const QString& text, bool highlighted, int textausrichtung)
{
    pair_ = highlighted ? HighlightedPair(settings_) : settings_;
    field_ = field;
    pairField_ = field;
    return highlighted ? PadHighlighted(text, textausrichtung) : text;
}

void MessageAnimator::Frame(const QString& text, int pauseMs)
{
    shown_ = text;
    surface_.ShowMessageFrame(field_, text);
    Wait(pauseMs, false);
}

void MessageAnimator::Finish(int waitMs)
{
    Wait(waitMs, false);
    const int field = field_;
    field_ = 0;
    shown_.clear();
    surface_.EndMessage(field);
    surface_.DiscardMouseInput();
}

void MessageAnimator::TypeIn(int field, const QString& text, bool highlighted, int holdMs, int textausrichtung)
{
    const QString shown = Prepare(field, text, highlighted, textausrichtung);
    for (const QString& frame : TypingFrames(shown))
        Frame(frame, kTypeStepMs);
    Finish(holdMs);
}

void MessageAnimator::ShowAtOnce(int field, const QString& text, bool highlighted, int holdMs, int textausrichtung)
{
    Frame(Prepare(field, text, highlighted, textausrichtung), 0);
    Finish(holdMs);
}

void MessageAnimator::Erase(int field, const QString& text, bool highlighted, int waitMs, int textausrichtung)
{
    const QString shown = Prepare(field, text, highlighted, textausrichtung);
    for (const QString& frame : ErasingFrames(shown))
        Frame(frame, kEraseStepMs);
    Finish(waitMs);
}
