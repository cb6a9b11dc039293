// Start-up time: from starting the program to its complete screen (the main
// menu with all its tiles and pictures and the background window, or an
// exercise started with --exercise with its first task), in a throw-away
// copy of the program folder, beside a bare Qt window started the same way in
// the same repetition. Needs an X display; run it under Xvfb:
//   xvfb-run -a -s '-screen 0 1280x800x24' build/bench/bench_startup
// The program is started with LIRABO_QUIT_WHEN_SHOWN, so it prints "shown"
// when every one of its windows is exposed and drawn (app/screen_complete.h)
// and ends; animations that run on after that are not waited for. The bare
// window is this benchmark itself
// started with "--bare-window". Each repetition is one start of each; the
// counters give the bare window's time, the ratio of the two and the
// program's peak memory (its maximum resident set).
#include "platform/file_paths.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The bare window: an empty top-level window of the same size as the menu
// that reports its first paint like the program.
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (reported_)
            return;
        reported_ = true;
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

private:
    bool reported_ = false;
};

int RunBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(885, 698);
    window.show();
    return app.exec();
}

// A program folder with the program, its fonts, tables, menu pictures and
// feedback sounds, and its pupil data.
QString MakeProgramFolder(const QTemporaryDir& dir, int pupils)
{
    const QString source = QStringLiteral(LIRABO_PROGRAM_DIR);
    const QString root = dir.path() + QStringLiteral("/lirabo");
    QDir().mkpath(root + QStringLiteral("/protokoll"));
    QFile::copy(source + QStringLiteral("/lirabo"), root + QStringLiteral("/lirabo"));
    for (const char* sub : {"TTF", "protokoll", "intern", "fun", "listen"})
        if (QFileInfo(source + u'/' + QLatin1String(sub)).isDir())
            CopyFolderTree(source + u'/' + QLatin1String(sub), root + u'/' + QLatin1String(sub));
    // The exercises' pictures, recordings and spoken sounds are only read.
    for (const char* sub : {"Bilder", "Sounds", "sprache", "ABC", "Artikel", "pronomen"})
        if (QFileInfo(source + u'/' + QLatin1String(sub)).isDir())
            QFile::link(source + u'/' + QLatin1String(sub), root + u'/' + QLatin1String(sub));
    for (const char* name : {"jeder.ini", "namen.txt"}) {
        QFile f(root + QStringLiteral("/protokoll/") + QLatin1String(name));
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write(QByteArray(name) == "namen.txt" ? "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\jeder1.ini\r\n"
                                                    : "[CDtest]\r\naufCD=false\r\n");
    }
    if (pupils > 0) {
        // A school's registry: pupils "Kind k" with profiles of their own.
        QFile f(root + QStringLiteral("/protokoll/namen.txt"));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write("Name=PROTOKOLL\\JEDER.INI\r\n");
            for (int k = 1; k <= pupils; ++k)
                f.write(QStringLiteral("Kind %1=protokoll\\jeder%1.ini\r\n").arg(k).toLatin1());
        }
    }
    return root + QStringLiteral("/lirabo");
}

struct StartTimes {
    double wall = -1;   // seconds until the drawn window was reported
    double cpu = 0;     // the program's own processor seconds for its whole run
    double peakMb = 0;  // its maximum resident set
};

// Starts the program once; wall is negative on failure. On a loaded machine
// the wall time mostly measures waiting for the processor, so the program's
// own processor time is reported beside it.
StartTimes StartOnce(const std::string& program, const char* argument = nullptr, const char* value = nullptr)
{
    StartTimes times;
    int fds[2];
    if (pipe(fds) != 0)
        return times;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        setenv("LIRABO_QUIT_WHEN_SHOWN", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        execl(program.c_str(), program.c_str(), argument, value, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buffer[64];
    ssize_t n;
    while (out.find("shown\n") == std::string::npos && (n = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(n));
    const auto end = std::chrono::steady_clock::now();
    close(fds[0]);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    if (out.find("shown\n") == std::string::npos)
        return times;
    times.wall = std::chrono::duration<double>(end - start).count();
    times.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    times.peakMb = double(usage.ru_maxrss) / 1024.0;
    return times;
}

std::string& Self()
{
    static std::string self;
    return self;
}

// exercise: the name given to --exercise, or nullptr for the main menu;
// pupils: a registry of that many pupils instead of the sample one.
void BM_StartToScreenComplete(benchmark::State& state, const char* exercise, int pupils)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display: run under xvfb-run");
        return;
    }
    QTemporaryDir dir;
    const std::string program = MakeProgramFolder(dir, pupils).toStdString();
    const char* option = exercise ? "--exercise" : nullptr;
    StartOnce(program, option, exercise);   // warm the file cache once
    StartOnce(Self(), "--bare-window");
    double cpu = 0, bare = 0, ratio = 0, peak = 0;
    for (auto _ : state) {
        const StartTimes b = StartOnce(Self(), "--bare-window");
        const StartTimes t = StartOnce(program, option, exercise);
        if (t.wall < 0 || b.wall < 0) {
            state.SkipWithError("the program or the bare window did not report a complete screen");
            return;
        }
        state.SetIterationTime(t.wall);
        cpu += t.cpu;
        bare += b.wall;
        ratio += t.wall / b.wall;
        peak = std::max(peak, t.peakMb);
    }
    using C = benchmark::Counter;
    state.counters["cpu_ms"] = C(cpu * 1000, C::kAvgIterations);
    state.counters["bare_window_ms"] = C(bare * 1000, C::kAvgIterations);
    state.counters["ratio_to_bare"] = C(ratio, C::kAvgIterations);
    state.counters["peak_mb"] = C(peak);
}

} // namespace

#define LIRABO_START(name, exercise, pupils)                           \
    BENCHMARK_CAPTURE(BM_StartToScreenComplete, name, exercise, pupils) \
        ->UseManualTime()                                              \
        ->Unit(benchmark::kMillisecond)                                \
        ->Iterations(1)                                                \
        ->Repetitions(15)                                              \
        ->ReportAggregatesOnly(true)

LIRABO_START(menu, nullptr, 0);
LIRABO_START(menu_1000_pupils, nullptr, 1000);
LIRABO_START(exercise1, "1", 0);
LIRABO_START(exercise1l, "1l", 0);
LIRABO_START(exercise2, "2", 0);
LIRABO_START(exercise2a, "2a", 0);
LIRABO_START(exercise3, "3", 0);
LIRABO_START(exercise4, "4", 0);
LIRABO_START(exercise5, "5", 0);
LIRABO_START(exercise6, "6", 0);
LIRABO_START(exercise7, "7", 0);

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--bare-window")
        return RunBareWindow(argc, argv);
    Self() = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
