// From a key press in the writing exercise to the redrawn word display: the
// key goes through the window's key filter to the editor, the typing control
// checks the line (key click or error sound, letter marks, typing record) and
// the word display is painted again. Target: under 5 ms.
//
// The feedback sounds come from the built program folder when the sample
// content was generated, and play through SDL's dummy driver.
#include "bench_program.h"
#include "controls/tdrbutton.h"
#include "data/program_state.h"
#include "exercises/spiel1/tprog1.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

void MakeListAndProfile(const QString& root)
{
    WriteTextLines(root + QStringLiteral("listen/standard.txt"),
                   {QStringLiteral("Messliste"), QString(),
                    QStringLiteral("der Hund;8 100xx 11;Hund;;;der Hund")});
    const QString profile = root + QStringLiteral("protokoll/jeder.ini");
    const QString section = QStringLiteral("Hören und Schreiben ");
    Ini::WriteString(profile, section, QStringLiteral("Dateiname"), QStringLiteral("standard.txt"));
    Ini::WriteInt(profile, section, QStringLiteral("Mit Sound"), 1);
    Program().currentProfilePath = profile;
}

// Types one key into the window as the keyboard would and waits for the word
// display to be painted again.
void TypeKey(Tprog1& window, int key, const QString& text)
{
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    window.WordButton()->repaint();
}

void TypeRepeatedly(benchmark::State& state, int key, const QString& text)
{
    Tprog1 window(false);
    window.resize(1920, 1080);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        TypeKey(window, key, text);
        state.PauseTiming();
        // The same task again: empty line, no wrong letters counted.
        window.Typing().ResetWrongCount();
        window.Typing().PrepareLine(QString());
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_KeyToDisplay_RightLetter(benchmark::State& state)
{
    TypeRepeatedly(state, Qt::Key_D, QStringLiteral("d"));
}
BENCHMARK(BM_KeyToDisplay_RightLetter)->Unit(benchmark::kMillisecond);

void BM_KeyToDisplay_WrongLetter(benchmark::State& state)
{
    TypeRepeatedly(state, Qt::Key_X, QStringLiteral("x"));
}
BENCHMARK(BM_KeyToDisplay_WrongLetter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, MakeListAndProfile);
}
