#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

class RealClock final : public Clock {
public:
    RealClock() { timer_.start(); }
    qint64 NowMs() override { return timer_.elapsed(); }
    void Wait(int ms, bool keepResponsive) override
    {
        const qint64 end = NowMs() + qMax(0, ms);
        if (keepResponsive) {
            while (NowMs() < end) {
                QEventLoop loop;
                QTimer::singleShot(int(end - NowMs()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
                loop.exec();
            }
            return;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::ExcludeSocketNotifiers);
        const qint64 left = end - NowMs();
        if (left > 0)
            QThread::msleep(quint64(left));
    }

private:
    QElapsedTimer timer_;
};

Clock* g_clock = nullptr;

} // namespace

Clock& ProgramClock()
{
    static RealClock real;
    return g_clock ? *g_clock : real;
}

void SetProgramClock(Clock* clock)
{
    g_clock = clock;
}
