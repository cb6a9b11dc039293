// "Bild zum Wort" with fourteen pictures: from creating the window to the
// first task with every picture field drawn (list, layout, candidates,
// fourteen pictures decoded, faces rendered), aim under 250 ms; and a change
// of task (new candidates, pictures and faces from the picture cache, all
// fields repainted), aim under 10 ms.
//
// Pictures come from the built program folder's "Bilder" when the sample
// content was generated; otherwise the fields show their words.
#include "bench_program.h"
#include "controls/tdrbutton.h"
#include "exercises/spiel3/tprog3.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void MakeProgram(const QString& root)
{
    WritePictureListProgram(root, QStringLiteral("Bild zum Wort"), 2, QStringLiteral(""));
}

// Every visible field painted once.
void PaintAll(Tprog3& w)
{
    for (int f = Tprog3::kWordField; f <= w.LastPicture(); ++f)
        w.Field(f)->repaint();
}

void BM_OpenToFirstTask14Pictures(benchmark::State& state)
{
    for (auto _ : state) {
        Tprog3 w;
        w.resize(1920, 1080);
        w.show();
        QCoreApplication::processEvents();
        PaintAll(w);
        state.PauseTiming();
        if (w.PictureCount() != 14)
            state.SkipWithError("not 14 pictures");
        w.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstTask14Pictures)->Unit(benchmark::kMillisecond);

void BM_TaskChange14Pictures(benchmark::State& state)
{
    Tprog3 w;
    w.resize(1920, 1080);
    w.show();
    QCoreApplication::processEvents();
    bool forward = true;
    for (auto _ : state) {
        // Back and forth, so that the list end (with its message) is never met.
        w.PressButton(forward ? T_urahnlrb1::kNext : T_urahnlrb1::kPrevious);
        forward = !forward;
        QCoreApplication::processEvents();
        PaintAll(w);
    }
}
BENCHMARK(BM_TaskChange14Pictures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, MakeProgram);
}
