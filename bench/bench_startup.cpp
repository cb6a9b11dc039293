// Start-up time: from starting the program to its first painted window, in a
// throw-away copy of the program folder. Needs an X display; run it under
// Xvfb:  xvfb-run -a build/bench/bench_startup
// The program is started with LIRABO_QUIT_WHEN_SHOWN, so it prints "shown"
// after its first paint and ends; each repetition is one start.
#include "platform/file_paths.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A program folder with the program, its fonts and its pupil data.
QString MakeProgramFolder(const QTemporaryDir& dir)
{
    const QString source = QStringLiteral(LIRABO_PROGRAM_DIR);
    const QString root = dir.path() + QStringLiteral("/lirabo");
    QDir().mkpath(root + QStringLiteral("/protokoll"));
    QFile::copy(source + QStringLiteral("/lirabo"), root + QStringLiteral("/lirabo"));
    for (const char* sub : {"TTF", "protokoll"})
        if (QFileInfo(source + u'/' + QLatin1String(sub)).isDir())
            CopyFolderTree(source + u'/' + QLatin1String(sub), root + u'/' + QLatin1String(sub));
    for (const char* name : {"jeder.ini", "namen.txt"}) {
        QFile f(root + QStringLiteral("/protokoll/") + QLatin1String(name));
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write(QByteArray(name) == "namen.txt" ? "Name=PROTOKOLL\\JEDER.INI\r\nAnna=protokoll\\jeder1.ini\r\n"
                                                    : "[CDtest]\r\naufCD=false\r\n");
    }
    return root + QStringLiteral("/lirabo");
}

struct StartTimes {
    double wall = -1;   // seconds until the first painted window was reported
    double cpu = 0;     // the program's own processor seconds for its whole run
};

// Starts the program once; wall is negative on failure. On a loaded machine
// the wall time mostly measures waiting for the processor, so the program's
// own processor time is reported beside it.
StartTimes StartOnce(const std::string& program)
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
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
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
    return times;
}

void BM_StartToFirstWindow(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display: run under xvfb-run");
        return;
    }
    QTemporaryDir dir;
    const std::string program = MakeProgramFolder(dir).toStdString();
    StartOnce(program);   // warm the file cache once
    double cpu = 0;
    for (auto _ : state) {
        const StartTimes t = StartOnce(program);
        if (t.wall < 0) {
            state.SkipWithError("the program did not report a shown window");
            return;
        }
        state.SetIterationTime(t.wall);
        cpu += t.cpu;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_StartToFirstWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
