#pragma once
// The search for the first pause in a recording (the gap between a spoken
// article and its noun), on the samples of one channel.
#include <QtGlobal>
#include <optional>
#include <vector>

struct PauseFound {
    qint64 frame = 0;      // a frame inside the quiet stretch
    qint64 quietFrames = 0; // how far the quiet stretch was followed
};

// Looks for at least gapFrames quiet frames after startFrame. A frame is quiet
// while it differs from the stretch's first sample by no more than threshold;
// up to two loud samples are forgiven before the gap is reached, one after.
// Where the stretch ends, the result is its middle.
std::optional<PauseFound> FindPause(const std::vector<qint16>& samples, qint64 startFrame, qint64 gapFrames,
                                    double threshold);
