// Exercise 2 "Welches Wort stimmt?":
//   - BM_FirstTaskDrawn: what the command line's start of the exercise does
//     after the program start (making the window, showing it: settings, list,
//     drawn buttons, candidates) until the first task is fully drawn, the
//     picture field and all six word fields. Target: under 200 ms.
//   - BM_UncoverStep: one uncovering step in uncovering mode, the covered
//     picture repainted with the new piece. Target: under 5 ms.
// Pictures and recordings come from the built sample content.
#include "bench_program.h"
#include "exercises/spiel2/covered_picture.h"
#include "exercises/spiel2/tprog2.h"
#include "platform/ini_file.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

QString gProfile;

void Fill(const QString& root)
{
    const QString content = QStringLiteral(LIRABO_PROGRAM_DIR);
    for (const char* sub : {"Bilder", "sprache", "pronomen", "Artikel", "Sounds", "TTF"})
        if (QDir(content + u'/' + QLatin1String(sub)).exists())
            CopyFolderTree(content + u'/' + QLatin1String(sub), root + QLatin1String(sub));
    QFile::copy(content + QStringLiteral("/listen/tiere.txt"), root + QStringLiteral("listen/tiere.txt"));
    gProfile = root + QStringLiteral("protokoll/jeder.ini");
    Program().currentProfilePath = gProfile;
    const QString section = QStringLiteral("Welches Wort stimmt?");
    Ini::WriteString(gProfile, section, QStringLiteral("Dateiname"), QStringLiteral("tiere.txt"));
    Ini::WriteInt(gProfile, section, QStringLiteral("Felderanzahl"), 6);
    Ini::WriteInt(gProfile, section, QStringLiteral("Mit Sound"), 2);
    Ini::WriteInt(gProfile, section, QStringLiteral("Aufdeckenmanuell"), 1);
    Ini::WriteInt(gProfile, section, QStringLiteral("Puzzelanzahl"), 36);
}

void BM_FirstTaskDrawn(benchmark::State& state)
{
    for (auto _ : state) {
        bool drawn = false;
        Tprog2 window(false);
        QObject::connect(&window, &Tprog2::firstTaskDrawn, [&drawn] { drawn = true; });
        window.resize(1280, 800);
        window.show();
        while (!drawn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        window.StopSound();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstTaskDrawn)->Unit(benchmark::kMillisecond);

void BM_UncoverStep(benchmark::State& state)
{
    Tprog2 window(true);
    window.resize(1280, 800);
    window.show();
    while (!window.Ready())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    CoveredPicture* cover = window.Cover();
    const QVector<QRect> pieces = PieceRects(cover->size(), 36);
    int next = 0;
    for (auto _ : state) {
        if (next >= 35) {
            state.PauseTiming();
            window.PressButton(T_urahnlrb1::kNext);   // a new covered task
            QCoreApplication::processEvents();
            next = 0;
            state.ResumeTiming();
        }
        window.ClickCover(pieces[next++].center());
    }
    window.hide();
}
BENCHMARK(BM_UncoverStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, Fill);
}
