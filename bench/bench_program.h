#pragma once
// What the window benchmarks share: an offscreen application with SDL's dummy
// sound driver (unless another is set), and a throw-away program folder with
// "listen", "protokoll" and, when the sample content was built, its "fun"
// folder (button symbols, feedback sounds). `fill` adds the benchmark's own
// files; then the registered benchmarks run.
#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// The picture benchmarks' program: a list "messliste.txt" of `entries` words
// (last field: `article` + word) with the first pictures of the built
// program folder's "Bilder" (when the sample content was generated), named in
// the current profile's `section` with the given "Bilderanzahl" and no sound.
inline void WritePictureListProgram(const QString& root, const QString& section, int pictureCount,
                                    const QString& article, int entries = 20)
{
    const QDir pictures(QStringLiteral(LIRABO_PROGRAM_DIR "/Bilder"));
    const QStringList files = pictures.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    QDir().mkpath(root + QStringLiteral("Bilder"));
    QStringList lines = {QStringLiteral("Messliste"), QString()};
    for (int i = 0; i < entries; ++i) {
        QString picture = QStringLiteral("bild%1.png").arg(i);
        if (i < files.size()) {
            QFile::copy(pictures.filePath(files[i]), root + QStringLiteral("Bilder/") + files[i]);
            picture = QStringLiteral("Bilder\\") + files[i];
        }
        lines << QStringLiteral("Wort%1;7 95 x4 11;%2;;;%3Wort%1").arg(i).arg(picture, article);
    }
    WriteTextLines(root + QStringLiteral("listen/messliste.txt"), lines);
    const QString profile = root + QStringLiteral("protokoll/jeder.ini");
    Program().currentProfilePath = profile;
    Ini::WriteString(profile, section, QStringLiteral("Dateiname"), QStringLiteral("messliste.txt"));
    Ini::WriteInt(profile, section, QStringLiteral("Bilderanzahl"), pictureCount);
    Ini::WriteInt(profile, section, QStringLiteral("Mit Sound"), 0);
}
