#include "sound/pause_finder.h"

#include <cstdlib>

std::optional<PauseFound> FindPause(const std::vector<qint16>& samples, qint64 startFrame, qint64 gapFrames,
                                    double threshold)
{
    const qint64 frames = qint64(samples.size());
    auto sample = [&](qint64 at) { return at >= 0 && at < frames ? int(samples[size_t(at)]) : 0; };
    qint64 searchEnd = frames - gapFrames;
    if (searchEnd <= 0)
        searchEnd = frames;

    qint64 d = startFrame;
    double sum = 0;
    while (d < frames - gapFrames) {
        const int f = sample(d);
        sum += std::abs(f - sample(d + 1));
        qint64 i = 0;
        bool found = false;
        if (sum < threshold) {
            int allowedLoud = 2;
            int loud = 0;
            for (i = 1; d + i < searchEnd; ++i) {
                if (std::abs(f - sample(d + i)) > threshold) {
                    if (++loud > allowedLoud) {
                        d += i / 2;
                        break;
                    }
                } else if (i > gapFrames) {
                    found = true;
                    allowedLoud = 1;
                }
            }
        }
        if (found)
            return PauseFound{d, i};
        d += i + 1;
        if (d % 3 == 0)
            sum = 0;
    }
    return std::nullopt;
}
