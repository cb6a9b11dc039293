#pragma once
// The millisecond tick and waiting. The program reads time and waits only
// through the program clock, so tests can install a clock they advance.
#include <QtGlobal>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start.
    virtual qint64 NowMs() = 0;
    // Returns after at least ms milliseconds. With keepResponsive the pending
    // window messages are processed meanwhile (a nested event loop); without
    // it only repaints are done.
    virtual void Wait(int ms, bool keepResponsive) = 0;
};

Clock& ProgramClock();
// Installs a clock (tests); nullptr restores the real one. Not owned.
void SetProgramClock(Clock* clock);

inline qint64 TickCount() { return ProgramClock().NowMs(); }
inline void Wait(int ms, bool keepResponsive) { ProgramClock().Wait(ms, keepResponsive); }
