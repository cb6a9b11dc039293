#pragma once
// A program clock that tests advance by hand. Wait() advances the clock at
// once (and lets queued events run when asked to stay responsive); listeners
// hear every advance, so fake devices can follow the same time.
#include "platform/clock.h"

#include <QCoreApplication>
#include <functional>
#include <vector>

class FakeClock final : public Clock {
public:
    FakeClock() { SetProgramClock(this); }
    ~FakeClock() override { SetProgramClock(nullptr); }

    qint64 NowMs() override { return now_; }
    void Wait(int ms, bool keepResponsive) override
    {
        // Step in 10 ms slices so that events due during the wait interleave.
        int left = qMax(0, ms);
        do {
            const int step = qMin(left, 10);
            Advance(step);
            left -= step;
            if (keepResponsive)
                QCoreApplication::processEvents();
        } while (left > 0);
    }
    void Advance(qint64 ms)
    {
        now_ += ms;
        for (auto& l : listeners_)
            l(now_);
    }
    void OnAdvance(std::function<void(qint64)> listener) { listeners_.push_back(std::move(listener)); }

private:
    qint64 now_ = 1000;
    std::vector<std::function<void(qint64)>> listeners_;
};
