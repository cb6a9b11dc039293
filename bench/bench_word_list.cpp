// Loading and saving a word list of 10,000 rows. Half of the rows name a
// picture that lies in "Bilder\", so the picture-folder look-up is measured
// too. Target: under 20 ms each.
#include "data/program_state.h"
#include "data/word_list.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

class ListFolder {
public:
    ListFolder()
    {
        root_ = dir_.path() + QStringLiteral("/prog/");
        QDir().mkpath(root_ + QStringLiteral("Bilder"));
        QDir().mkpath(root_ + QStringLiteral("listen"));
        Program().programFolder = root_;
        QStringList lines = {QStringLiteral("Große Liste"), QStringLiteral("zum Messen")};
        for (int i = 0; i < kRows; ++i) {
            const QString name = QStringLiteral("bild%1.wmf").arg(i);
            if (i % 2 == 0)
                QFile(root_ + QStringLiteral("Bilder/") + name).open(QIODevice::WriteOnly);
            lines << QStringLiteral("Wort%1;8 100xx 11;%2;sprache\\wort%1.wav;fun\\geräusch%1.wav;die Straße %1")
                         .arg(i)
                         .arg(i % 5 == 0 ? QStringLiteral("Text Schrift in: Arial") : name);
        }
        WriteTextLines(root_ + QStringLiteral("listen/gross.txt"), lines);
    }

private:
    QTemporaryDir dir_;
    QString root_;
};

ListFolder& Folder()
{
    static ListFolder folder;
    return folder;
}

void BM_LoadWordList(benchmark::State& state)
{
    Folder();
    for (auto _ : state) {
        std::unique_ptr<tmoiel> list;
        Load(list, QStringLiteral("listen\\gross.txt"), true);
        benchmark::DoNotOptimize(list->Count());
    }
}
BENCHMARK(BM_LoadWordList)->Unit(benchmark::kMillisecond);

void BM_SaveWordList(benchmark::State& state)
{
    Folder();
    std::unique_ptr<tmoiel> list;
    Load(list, QStringLiteral("listen\\gross.txt"), true);
    for (auto _ : state)
        list->Save(QStringLiteral("listen\\kopie.txt"));
}
BENCHMARK(BM_SaveWordList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
