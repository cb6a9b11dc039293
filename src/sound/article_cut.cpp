#include "sound/article_cut.h"

#include "data/path_helpers.h"
#include "sound/twav.h"

bool NamesTrailingArticle(const QString& recording)
{
    return recording.contains(QStringLiteral(" der.")) || recording.contains(QStringLiteral(" die."))
           || recording.contains(QStringLiteral(" das."));
}

RecordingPlay ChooseRecordingPlay(bool exists, bool trailingArticle, std::optional<int> pauseMs, int lengthMs)
{
    if (!exists || !trailingArticle)
        return {};
    const int pause = pauseMs.value_or(25);
    if (lengthMs <= pause)   // nothing after the pause (none found): whole
        return {};
    return {false, pause, lengthMs};
}

RecordingPlay ChooseRecordingPlay(const TWAV& wav, const QString& recording)
{
    const bool trailing = NamesTrailingArticle(recording);
    const bool exists = !recording.isEmpty() && FileExists(ResolvePath(recording));
    if (!exists || !trailing)
        return ChooseRecordingPlay(exists, trailing, std::nullopt, 0);
    int gap = 25;
    const std::optional<int> pause = wav.FindPauseAfter(recording, 2048, true, gap, 1);
    return ChooseRecordingPlay(true, true, pause, wav.GetLengthMs(recording));
}
