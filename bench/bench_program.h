#pragma once
// What the window benchmarks share: an offscreen application with SDL's dummy
// sound driver (unless another is set), and a throw-away program folder with
// "listen", "protokoll" and, when the sample content was built, its "fun"
// folder (button symbols, feedback sounds). `fill` adds the benchmark's own
// files; then the registered benchmarks run.
#include "data/program_state.h"
#include "platform/file_paths.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void(const QString& root)>& fill)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/");
    Program().programFolder = root;
    Program().dataRoot = root + QStringLiteral("protokoll/");
    QDir().mkpath(root + QStringLiteral("listen"));
    QDir().mkpath(root + QStringLiteral("protokoll"));
    const QString content = QStringLiteral(LIRABO_PROGRAM_DIR "/fun");
    if (QDir(content).exists())
        CopyFolderTree(content, root + QStringLiteral("fun"));
    fill(root);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
