// Opening a list-driven exercise window on a 200-entry list until its first
// frame is painted: construction (tables, error list), showing (buttons,
// settings, list keys, loading and opening the list) and the first paint of
// the window with its drawn buttons. Target: under 150 ms.
//
// The button pictures are taken from the built program folder when the sample
// content was generated; otherwise the buttons show their names as text.
#include "bench_program.h"
#include "data/program_state.h"
#include "framework/list_window.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 200;

// The smallest exercise: its centre shows the current word.
class BenchExercise final : public T_urahnlrb1 {
public:
    BenchExercise()
    {
        Setup(0, QStringLiteral("Bild zum Wort"));
        word_ = new QLabel(this);
    }
    bool painted = false;

protected:
    void OnShown() override
    {
        TakeCurrentEntry();
        word_->setText(currentEntry ? currentEntry->Field(FieldWord) : QString());
    }
    void LayoutCentre(const QRect& centre) override { word_->setGeometry(centre); }
    void paintEvent(QPaintEvent* event) override
    {
        T_urahnlrb1::paintEvent(event);
        painted = true;
    }

private:
    QLabel* word_ = nullptr;
};

void MakeList(const QString& root)
{
    QStringList lines = {QStringLiteral("Messliste"), QString()};
    for (int i = 0; i < kEntries; ++i)
        lines << QStringLiteral("Wort%1;8 100xx 11;bild%1.png;sprache\\wort%1.wav;;Wort %1").arg(i);
    WriteTextLines(root + QStringLiteral("listen/standard.txt"), lines);
}

void BM_OpenListWindow(benchmark::State& state)
{
    for (auto _ : state) {
        BenchExercise window;
        window.resize(1920, 1080);
        window.show();
        while (!window.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenListWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, MakeList);
}
