// Drawn button faces: a cached repaint, the first render of a face with a
// 256 x 256 PNG, and all 32 faces of a memory card grid (first render and
// cached).
#include "controls/metafile_writer.h"
#include "controls/tdrbutton.h"
#include "data/program_state.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

QTemporaryDir* g_dir = nullptr;

void WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile f(g_dir->path() + QStringLiteral("/") + name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

void MakePictures()
{
    QImage img(256, 256, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(128, 128, 120);
    g.setColorAt(0, Qt::yellow);
    g.setColorAt(1, Qt::red);
    p.setBrush(g);
    p.drawEllipse(8, 8, 240, 240);
    p.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    WriteFile(QStringLiteral("bild.png"), png);

    MetafileWriter w(MetafileFormat::Emf);
    w.Begin(100, 100);
    w.SetBrush(QColor(40, 60, 160));
    w.RoundRect(QRect(0, 0, 100, 100), 20, 20);
    w.SetBrush(Qt::yellow);
    w.Ellipse(QRect(20, 20, 60, 60));
    WriteFile(QStringLiteral("rueck.emf"), w.End());
}

QImage Target(QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::gray);
    return img;
}

void BM_CachedRepaint(benchmark::State& state)
{
    tdrbutton b(nullptr, 100, nullptr);
    b.resize(200, 200);
    b.SetStyle(QStringLiteral("0 98 x4x11"));
    b.SetContent(QStringLiteral("bild.png"));
    QImage target = Target(b.size());
    QPainter p(&target);
    b.Draw(p, b.rect());
    for (auto _ : state)
        b.Draw(p, b.rect());
}
BENCHMARK(BM_CachedRepaint)->Unit(benchmark::kMicrosecond);

void BM_FirstRenderPng256(benchmark::State& state)
{
    tdrbutton b(nullptr, 100, nullptr);
    b.resize(256, 256);
    b.SetStyle(QStringLiteral("0 100x4 11"));
    b.SetContent(QStringLiteral("bild.png"));
    QImage target = Target(b.size());
    QPainter p(&target);
    for (auto _ : state) {
        b.DropFace();
        b.Draw(p, b.rect());
    }
}
BENCHMARK(BM_FirstRenderPng256)->Unit(benchmark::kMillisecond);

// 32 cards of 140 x 139 (a full-HD memory grid): pictures, words and backs.
std::vector<std::unique_ptr<tdrbutton>> CardGrid()
{
    std::vector<std::unique_ptr<tdrbutton>> cards;
    for (int i = 0; i < 32; ++i) {
        auto b = std::make_unique<tdrbutton>(nullptr, 100 + i, nullptr);
        b->resize(140, 139);
        switch (i % 3) {
        case 0:
            b->SetStyle(QStringLiteral("0 90 x4x11"));
            b->SetContent(QStringLiteral("bild.png"));
            break;
        case 1:
            b->SetStyle(QStringLiteral("03100x0011"));
            b->SetContent(QStringLiteral("rueck.emf"));
            break;
        default:
            b->SetStyle(QStringLiteral("0 98 x4x11"));
            b->SetSizingSample(QStringLiteral("Schmetterlingmi"), true);
            b->SetContent(QStringLiteral("Hund"), QStringLiteral("Arial"));
            break;
        }
        cards.push_back(std::move(b));
    }
    return cards;
}

void BM_CardGridFirstRender(benchmark::State& state)
{
    auto cards = CardGrid();
    QImage target = Target(QSize(8 * 141, 4 * 140));
    QPainter p(&target);
    for (auto _ : state) {
        for (int i = 0; i < 32; ++i) {
            cards[size_t(i)]->DropFace();
            cards[size_t(i)]->Draw(p, QRect((i % 8) * 141, (i / 8) * 140, 140, 139));
        }
    }
}
BENCHMARK(BM_CardGridFirstRender)->Unit(benchmark::kMillisecond);

void BM_CardGridCached(benchmark::State& state)
{
    auto cards = CardGrid();
    QImage target = Target(QSize(8 * 141, 4 * 140));
    QPainter p(&target);
    for (auto _ : state)
        for (int i = 0; i < 32; ++i)
            cards[size_t(i)]->Draw(p, QRect((i % 8) * 141, (i / 8) * 140, 140, 139));
}
BENCHMARK(BM_CardGridCached)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    Program().programFolder = dir.path() + QStringLiteral("/");
    MakePictures();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
