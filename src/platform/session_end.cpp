#include "platform/session_end.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_signals = 0;
bool g_ending = false;
std::function<void()>& OnEnd()
{
    static std::function<void()> f;
    return f;
}

void Handler(int signal)
{
    const std::sig_atomic_t before = g_signals;
    g_signals = before + 1;
    if (before > 0) {
        // Asked twice: the orderly end hangs, so end the hard way.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void Run()
{
    if (g_ending)
        return;
    g_ending = true;
    if (OnEnd())
        OnEnd()();
}

} // namespace

void SetSessionEndAction(std::function<void()> onEnd)
{
    OnEnd() = std::move(onEnd);
}

void InstallSessionEndHandlers()
{
    if (g_pipe[0] >= 0)
        return;
    if (::pipe(g_pipe) != 0)
        return;
    for (int fd : g_pipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char buffer[16];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        Run();
    });
    struct sigaction action = {};
    action.sa_handler = &Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

bool SessionEnding()
{
    return g_ending;
}

void RequestSessionEnd()
{
    Run();
}

QMetaObject::Connection EndSessionOnCommitDataRequest(QGuiApplication& app)
{
    // The manager itself is not needed: the program saves by ending.
    return QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [] { RequestSessionEnd(); });
}

void ResetSessionEndForTests()
{
    g_ending = false;
    g_signals = 0;
}
