// "Bild zum Wort" with fourteen pictures: from creating the window to the
// first task with every picture field drawn (list, layout, candidates,
// fourteen pictures decoded, faces rendered), aim under 250 ms; and a change
// of task (new candidates, pictures loaded, all fields repainted), aim under
// 30 ms.
//
// Pictures come from the built program folder's "Bilder" when the sample
// content was generated; otherwise the fields show their words.
#include "bench_program.h"
#include "controls/tdrbutton.h"
#include "data/program_state.h"
#include "exercises/spiel3/tprog3.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 20;

void MakeProgram(const QString& root)
{
    const QDir pictures(QStringLiteral(LIRABO_PROGRAM_DIR "/Bilder"));
    const QStringList files = pictures.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    QDir().mkpath(root + QStringLiteral("Bilder"));
    QStringList lines = {QStringLiteral("Messliste"), QString()};
    for (int i = 0; i < kEntries; ++i) {
        QString picture = QStringLiteral("bild%1.png").arg(i);
        if (i < files.size()) {
            QFile::copy(pictures.filePath(files[i]), root + QStringLiteral("Bilder/") + files[i]);
            picture = QStringLiteral("Bilder\\") + files[i];
        }
        lines << QStringLiteral("Wort%1;7 95 x4 11;%2;;;Wort%1").arg(i).arg(picture);
    }
    WriteTextLines(root + QStringLiteral("listen/messliste.txt"), lines);
    const QString profile = root + QStringLiteral("protokoll/jeder.ini");
    Program().currentProfilePath = profile;
    const QString section = QStringLiteral("Bild zum Wort");
    Ini::WriteString(profile, section, QStringLiteral("Dateiname"), QStringLiteral("messliste.txt"));
    Ini::WriteInt(profile, section, QStringLiteral("Bilderanzahl"), 2);
    Ini::WriteInt(profile, section, QStringLiteral("Mit Sound"), 0);
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
