#include "exercises/spiel1/task_rules.h"

#include "data/path_helpers.h"
#include "data/text_helpers.h"
#include "exercises/spiel1/typing_settings.h"

#include <algorithm>

bool SoundAtOnce(int mitSound)
{
    return mitSound == 2 || mitSound == 3 || mitSound == 8;
}

bool PictureHidden(int mitSound)
{
    return mitSound > 2;
}

bool PictureAfterAnswer(int mitSound)
{
    return mitSound > 7;
}

bool ArticleCounts(const TypingSettings& s, bool noiseFlag)
{
    const bool byMode = (s.textvorgabe == 1 && s.mitArtikel)
                        || (s.textvorgabe != 1 && !(s.textvorgabe == 3 && s.ohneArtikelabschreiben));
    return byMode || noiseFlag;
}


Step PreviousEntry(int position)
{
    return {std::max(0, position - 1), false};
}

Step NextEntry(int position, int count, bool solutionShown)
{
    const int last = std::max(0, count - 1);
    if (solutionShown)
        return {std::clamp(position, 0, last), false};
    if (position >= last)
        return {0, true};
    return {std::max(0, position + 1), false};
}

SpellRange SpellRangeFor(int buchstabieren, int wordPartStart, int writePosition, int length)
{
    const int at = std::clamp(writePosition, 0, length);
    switch (buchstabieren) {
    case 1: return {wordPartStart, at};
    case 3: return {wordPartStart, length};
    default: return {at, length};  // 2, and 0 alike
    }
}

QVector<BlinkFrame> RightAnswerBlink()
{
    QVector<BlinkFrame> frames;
    for (int round = 1; round <= 6; ++round) {
        const int ms = 70 / round;
        for (const QChar effect : {QChar(u' '), QChar(u'2'), QChar(u' '), QChar(u'1')})
            frames.append({effect, ms});
    }
    frames.append({QChar(u' '), 300});
    return frames;
}
