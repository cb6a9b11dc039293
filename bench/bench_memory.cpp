// The memory game with 32 cards: from creating the window to every card
// drawn once (list, deal, sixteen pictures decoded once each, the faces
// rendered), target under 300 ms; a new game on the same list to every card
// drawn again (deal, the pictures from the picture cache, only new ones
// decoded), target under 20 ms, its deliberate pauses (the words shown on the
// cards) not counted; and one frame of the flip animation, target
// under 4 ms: the flipping card drawn from its two images, and for
// comparison a repaint of all 32 cards from their kept faces.
//
// Pictures are taken from the built program folder's "Bilder" when the
// sample content was generated; otherwise the cards show their words.
#include "bench_program.h"
#include "exercises/spiel5/tprog5.h"
#include "controls/picture_cache.h"
#include "controls/tdrbutton.h"
#include "platform/clock.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void MakeProgram(const QString& root)
{
    WritePictureListProgram(root, QStringLiteral("Bild-Memory"), 4, QStringLiteral("das "));
}

// A window with 32 cards shown and drawn once.
struct ShownWindow {
    Tprog5 window;
    ShownWindow()
    {
        bool drawn = false;
        QObject::connect(&window, &Tprog5::cardsDrawn, [&] { drawn = true; });
        window.resize(1920, 1080);
        window.show();
        while (!drawn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

void BM_OpenTo32CardsDrawn(benchmark::State& state)
{
    for (auto _ : state) {
        ShownWindow shown;
        state.PauseTiming();
        if (shown.window.Game().Layout().count != 32)
            state.SkipWithError("not 32 cards");
        shown.window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTo32CardsDrawn)->Unit(benchmark::kMillisecond);

// A clock whose waits return at once: the game's pauses are not measured.
class NoWaitClock final : public Clock {
public:
    NoWaitClock() { SetProgramClock(this); }
    ~NoWaitClock() override { SetProgramClock(nullptr); }
    qint64 NowMs() override { return now_; }
    void Wait(int ms, bool) override { now_ += qMax(0, ms); }

private:
    qint64 now_ = 1000;
};

void BM_NewGame32Cards(benchmark::State& state)
{
    ShownWindow shown;
    Tprog5& w = shown.window;
    NoWaitClock clock;
    bool drawn = false;
    QObject::connect(&w, &Tprog5::cardsDrawn, [&] { drawn = true; });
    for (auto _ : state) {
        drawn = false;
        w.PressButton(Tprog5::kNewGameButton);
        while (!drawn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    state.counters["picture_decodes"] = benchmark::Counter(SharedPictureCache().Decodes(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_NewGame32Cards)->Unit(benchmark::kMillisecond);

void BM_FlipFrame32Cards(benchmark::State& state)
{
    ShownWindow shown;
    Tprog5& w = shown.window;
    const int card = 117;
    tdrbutton* button = w.CardButton(card);
    CardFlip flip;
    flip.Start(card, w.CardImage(card, CardState::FaceDown, false), w.CardImage(card, CardState::FaceUp, false), 0);
    QImage target(button->size(), QImage::Format_RGB32);
    qint64 t = 0;
    for (auto _ : state) {
        // One frame: the squeezed look of that moment, on the card's widget.
        QPainter p(&target);
        flip.Draw(p, target.rect(), Qt::white, t);
        p.end();
        button->repaint();
        t = (t + 16) % (2 * CardFlip::kHalfMs);
    }
}
BENCHMARK(BM_FlipFrame32Cards)->Unit(benchmark::kMicrosecond);

void BM_RepaintAll32Cards(benchmark::State& state)
{
    ShownWindow shown;
    QWidget* area = shown.window.findChild<QWidget*>(QStringLiteral("Panel_bilder"));
    for (auto _ : state)
        area->repaint();
}
BENCHMARK(BM_RepaintAll32Cards)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, MakeProgram);
}
