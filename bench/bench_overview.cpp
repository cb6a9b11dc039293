// Opening the class overview: the registry, every pupil's history (or its
// summary from the local cache) and the class table. A class of 30 pupils with a school year each (200 blocks of
// 20 words, 4,000 rows a pupil, 120,000 in all), and a school of 500.
#include "bench_program.h"

#include "framework/history_csv.h"
#include "klassenuebersicht/class_data.h"
#include "klassenuebersicht/overview_tables.h"
#include "klassenuebersicht/overview_window.h"

#include <QTableWidget>

#include <QRandomGenerator>

namespace {

constexpr int kSessions = 200;
constexpr int kWords = 20;

// Writes the registry and the histories of pupils in a data root of its own.
QString MakeClass(const QString& root, int pupils)
{
    const QString data = root + QStringLiteral("klasse%1/").arg(pupils);
    QDir().mkpath(data);
    static const QStringList exercises = {QStringLiteral("Hören und Schreiben"), QStringLiteral("Bild zum Wort"),
                                          QStringLiteral("Welches Wort stimmt?")};
    QRandomGenerator random(7);
    QStringList registry = {QStringLiteral("Name=PROTOKOLL\\JEDER.INI")};
    for (int p = 0; p < pupils; ++p) {
        const QString profile = QStringLiteral("jeder%1.ini").arg(p + 1);
        registry << QStringLiteral("Kind %1=Protokoll\\%2").arg(p + 1).arg(profile);
        QByteArray bytes = HistoryHeader();
        QDateTime when(QDate(2025, 9, 1), QTime(8, 0));
        for (int s = 0; s < kSessions; ++s) {
            when = when.addSecs(3600 * 24 * 300 / kSessions);
            const QString exercise = exercises[s % exercises.size()];
            for (int w = 0; w < kWords; ++w) {
                const QString word = QStringLiteral("Wort%1").arg(random.bounded(400));
                const int roll = int(random.bounded(10));
                const QString record = roll < 6   ? QStringLiteral("-OK-")
                                       : roll < 9 ? QStringLiteral(" ") + word.left(3) + QStringLiteral("x; ") + word + QStringLiteral("-OK-")
                                                  : word + QStringLiteral("e; ");
                bytes += HistoryLine(MakeHistoryRow(when, exercise, QStringLiteral("tiere.txt"), word, record));
            }
        }
        QFile(data + profile).open(QIODevice::WriteOnly);
        QFile f(data + profile.left(profile.size() - 4) + QStringLiteral(".csv"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    WriteTextLines(data + QStringLiteral("namen.txt"), registry);
    return data;
}

QString g_root;

QString ClassOf(int pupils)
{
    static QHash<int, QString> made;
    if (!made.contains(pupils))
        made.insert(pupils, MakeClass(g_root, pupils));
    return made.value(pupils);
}

// Opening the window: cold without the local cache (every history read, the
// cache written), warm with it (no history read).
void OpenOverview(benchmark::State& state, bool warm)
{
    const int pupils = int(state.range(0));
    Program().dataRoot = ClassOf(pupils);
    const QString cache = g_root + QStringLiteral("cache/klasse%1.cache").arg(pupils);
    QFile::remove(cache);
    if (warm)
        LoadClass(false, cache);
    qint64 answers = 0;
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            QFile::remove(cache);
            state.ResumeTiming();
        }
        const QList<PupilHistory> pupilsRead = LoadClass(false, cache);
        OverviewWindow window(pupilsRead, QDate(2026, 6, 30));
        answers = 0;
        for (const PupilHistory& p : pupilsRead)
            answers += p.summary.all.answers;
        benchmark::DoNotOptimize(window.ClassTableWidget());
    }
    state.counters["rows"] = double(answers);
}
void BM_OpenOverviewCold(benchmark::State& state)
{
    OpenOverview(state, false);
}
void BM_OpenOverviewWarm(benchmark::State& state)
{
    OpenOverview(state, true);
}
BENCHMARK(BM_OpenOverviewCold)->Arg(30)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenOverviewWarm)->Arg(30)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(5);

// The class table alone at 500 pupils: filling the widget, and a sort by a
// clicked column (both ways).
void BM_ClassTable(benchmark::State& state)
{
    Program().dataRoot = ClassOf(int(state.range(0)));
    const QString cache = g_root + QStringLiteral("cache/table.cache");
    const QList<PupilHistory> pupils = LoadClass(false, cache);
    OverviewWindow window(pupils, QDate(2026, 6, 30));
    QTableWidget* table = window.ClassTableWidget();
    const QStringList exercises = ExercisesOf(pupils);
    for (auto _ : state) {
        FillTable(table, ClassTable(pupils, exercises, QDate(2026, 6, 30)));
        table->setSortingEnabled(true);
        table->sortByColumn(3, Qt::AscendingOrder);
        table->sortByColumn(3, Qt::DescendingOrder);
    }
}
BENCHMARK(BM_ClassTable)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, [](const QString& root) { g_root = root; });
}
