// How the cost grows with a school's data; each size is in the benchmark's
// name (pupils, megabytes), so the growth shows:
//   - BM_RegistryLoad/N: reading "namen.txt" with N pupils (what the start
//     and every guarded write of a pupil file read), target at 1,000 under
//     20 ms added to the start;
//   - BM_PupilBoxKey/N: one typed letter in the pupil box over N names;
//   - BM_AddPupil/N, BM_DeletePupil/N: registering a pupil and removing it
//     again (lock, re-read, atomic write of the registry);
//   - BM_ProtocolAppend/MB, BM_HistoryAppend/MB: one all-or-nothing append of
//     a block to a protocol or history file of that size (the file is
//     rewritten whole), target at 10 MB under 100 ms;
//   - BM_SessionResults/30: the results writes at the end of one exercise
//     (protocol, history, certificate data) for one pupil of a shared folder
//     with 30 pupils' files, with the pupil write guard in place.
// The start to the menu with 1,000 pupils is in bench_startup.
#include "bench_program.h"

#include "app/pupil_box.h"
#include "data/pupil_registry.h"
#include "data/pupil_write_guard.h"
#include "framework/certificate_data.h"
#include "framework/results_history.h"
#include "framework/results_protocol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

QString& Root()
{
    static QString root;
    return root;
}

// A registry of n pupils "Kind k" with profiles "jederk.ini".
void WriteRegistry(int n)
{
    QStringList lines = {PupilRegistry::DefaultLine()};
    for (int k = 1; k <= n; ++k)
        lines << QStringLiteral("Kind %1=protokoll\\jeder%1.ini").arg(k);
    WriteTextLines(PupilRegistry::FilePath(), lines);
}

void BM_RegistryLoad(benchmark::State& state)
{
    WriteRegistry(int(state.range(0)));
    for (auto _ : state) {
        PupilRegistry registry;
        registry.Load();
        benchmark::DoNotOptimize(registry.Names().size());
    }
}
BENCHMARK(BM_RegistryLoad)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_PupilBoxKey(benchmark::State& state)
{
    WriteRegistry(int(state.range(0)));
    PupilBox box;
    box.Start();
    box.show();
    box.setFocus();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        box.lineEdit()->setText(QStringLiteral("Kind 9"));
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
        QApplication::sendEvent(box.lineEdit(), &press);
        QApplication::sendEvent(box.lineEdit(), &release);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_PupilBoxKey)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_AddPupil(benchmark::State& state)
{
    WriteRegistry(int(state.range(0)));
    PupilRegistry registry;
    registry.Load();
    for (auto _ : state) {
        registry.SaveAdding(QStringLiteral("Neues Kind"), QStringLiteral("protokoll\\neu.ini"));
        state.PauseTiming();
        registry.SaveRemoving(QStringLiteral("Neues Kind"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddPupil)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_DeletePupil(benchmark::State& state)
{
    WriteRegistry(int(state.range(0)));
    PupilRegistry registry;
    registry.Load();
    for (auto _ : state) {
        state.PauseTiming();
        registry.SaveAdding(QStringLiteral("Neues Kind"), QStringLiteral("protokoll\\neu.ini"));
        state.ResumeTiming();
        registry.SaveRemoving(QStringLiteral("Neues Kind"));
    }
}
BENCHMARK(BM_DeletePupil)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

// A text of about megabytes MB in protocol-like lines.
QByteArray Filler(int megabytes)
{
    const QByteArray line = "Hund               = -OK-    Katze              = Kaze\r\n";
    QByteArray bytes;
    bytes.reserve(megabytes * 1024 * 1024 + int(line.size()));
    while (bytes.size() < megabytes * 1024 * 1024)
        bytes += line;
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void BM_ProtocolAppend(benchmark::State& state)
{
    const QString path = Root() + QStringLiteral("protokoll/gross.txt");
    WriteBytes(path, Filler(int(state.range(0))));
    const QString block = AsLines({QStringLiteral("Montag, 1.9.2025  8:00"), QStringLiteral("Hund = -OK-")});
    for (auto _ : state)
        AppendToFile(path, block);
    QFile::remove(path);
}
BENCHMARK(BM_ProtocolAppend)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

AnswerLists SessionAnswers()
{
    AnswerLists answers;
    answers.AddListMarker(QStringLiteral("tiere.txt"));
    for (const char* word : {"Hund", "Katze", "Maus", "Esel", "Ente", "Hamster", "Pferd", "Kuh", "Schaf", "Ziege"})
        answers.AddAnswer(QStringLiteral("%1 = -OK-").arg(QLatin1String(word)), QLatin1String(word));
    return answers;
}

ResultsContext SessionContext(const QString& profile)
{
    ResultsContext context;
    context.profilePath = profile;
    context.listFileName = QStringLiteral("tiere.txt");
    context.now = QDateTime(QDate(2025, 9, 1), QTime(8, 0));
    return context;
}

void BM_HistoryAppend(benchmark::State& state)
{
    const QString path = Root() + QStringLiteral("protokoll/gross.csv");
    const ResultsContext context = SessionContext(Root() + QStringLiteral("protokoll/gross.ini"));
    const QList<HistoryRow> rows = HistoryRowsOf(QStringLiteral("Bild zum Wort"), SessionAnswers(), context);
    WriteBytes(path, QByteArray());
    AppendHistoryRows(path, rows);
    QFile f(path);
    f.open(QIODevice::Append);
    f.write(Filler(int(state.range(0))));
    f.close();
    for (auto _ : state)
        AppendHistoryRows(path, rows);
    QFile::remove(path);
}
BENCHMARK(BM_HistoryAppend)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_SessionResults(benchmark::State& state)
{
    const int pupils = int(state.range(0));
    WriteRegistry(pupils);
    for (int k = 1; k <= pupils; ++k)
        for (const char* ext : {"ini", "txt", "fhl", "csv"})
            WriteBytes(Root() + QStringLiteral("protokoll/jeder%1.%2").arg(k).arg(QLatin1String(ext)),
                       QByteArray(ext) == "ini" ? "[Bild zum Wort]\r\nDateiname=tiere.txt\r\n" : "Protokoll\r\n");
    const QString profile = Root() + QStringLiteral("protokoll/jeder7.ini");
    Program().currentProfilePath = profile;
    Program().currentPupilName = QStringLiteral("Kind 7");
    InstallPupilWriteGuard();
    const AnswerLists answers = SessionAnswers();
    const ResultsContext context = SessionContext(profile);
    const QString name = QStringLiteral("Bild zum Wort");
    for (auto _ : state) {
        WriteProtocol(name, QString(), answers, context);
        AppendResultsHistory(name, answers, context);
        WriteCertificateData(name, answers, context);
    }
}
BENCHMARK(BM_SessionResults)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, [](const QString& root) { Root() = root; });
}
