// Step "symbols": the pictures of the user interface in "fun", drawn as vector
// metafiles under the names the program asks for. Their natural sizes follow
// the buttons that show them (the buttons stretch them): the exercise tiles of
// the main window are wide, the tool buttons square.
#include "file_set.h"
#include "sketch.h"
#include "steps.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>
#include <functional>

namespace {

const QColor kGreen(0x43, 0xA0, 0x47);
const QColor kRed(0xE5, 0x39, 0x35);
const QColor kOrange(0xFB, 0x8C, 0x00);
const QColor kBlue(0x1E, 0x88, 0xE5);
const QColor kYellow(0xFF, 0xD5, 0x4F);
const QColor kCream(0xFF, 0xFD, 0xF5);
const QColor kInk(0x26, 0x32, 0x38);

// Play button: a round button with a triangle; orange while a sound plays.
void PlayButton(Sketch& s, bool playing)
{
    const QColor fill = playing ? kOrange : kGreen;
    const double shift = playing ? 2 : 0;
    s.Paint(fill, Darker(fill), 4);
    s.Circle(QPointF(50 + shift, 50 + shift), 42);
    s.Paint(Qt::white, Darker(fill, 200), 3);
    s.Polygon({QPointF(39 + shift, 27 + shift), QPointF(75 + shift, 50 + shift), QPointF(39 + shift, 73 + shift)});
}

void StopButton(Sketch& s)
{
    s.Paint(kRed, Darker(kRed), 4);
    s.Circle(QPointF(50, 50), 42);
    s.Paint(Qt::white, Darker(kRed, 200), 3);
    s.RoundBox(QRectF(32, 32, 36, 36), 4);
}

// Letter blocks "A", "B", "C": spelling the word out.
void AbcBlocks(Sketch& s)
{
    const struct { QRectF box; QColor fill; const char* letter; } blocks[] = {
        {QRectF(4, 44, 40, 40), kRed, "A"},
        {QRectF(40, 16, 40, 40), kGreen, "B"},
        {QRectF(76, 44, 40, 40), kBlue, "C"},
    };
    for (const auto& b : blocks) {
        s.Paint(b.fill, Darker(b.fill), 3);
        s.RoundBox(b.box, 6);
        s.Text(QPointF(b.box.center().x(), b.box.bottom() - 9), QString::fromLatin1(b.letter), 30, Qt::white);
    }
}

// One block "A" with a sound wave: the letter at the writing position.
void OneLetter(Sketch& s)
{
    s.Paint(kYellow, Darker(kYellow), 4);
    s.RoundBox(QRectF(10, 18, 64, 64), 10);
    s.Text(QPointF(42, 70), QStringLiteral("A"), 50, QColor(0x0D, 0x47, 0xA1));
    s.Line(kBlue, 5);
    for (int i = 0; i < 2; ++i) {
        QList<QPointF> arc;
        for (int d = -45; d <= 45; d += 15)
            arc << QPointF(78 + (8 + 9 * i) * std::cos(d * M_PI / 180), 50 + (8 + 9 * i) * std::sin(d * M_PI / 180));
        s.Stroke(arc);
    }
}

// Leaving: a red plate with an open door and an arrow out of it.
void ExitSign(Sketch& s, bool pressed)
{
    const double d = pressed ? 3 : 0;
    const QColor plate = pressed ? Darker(kRed, 125) : kRed;
    s.Paint(plate, Darker(kRed, 200), 4);
    s.RoundBox(QRectF(4 + d, 4 + d, 162 - d, 92 - d), 22);
    s.Paint(QColor(0x4E, 0x34, 0x2E), kInk, 2);
    s.Box(QRectF(24 + d, 16 + d, 44, 68));
    s.Paint(QColor(0xA1, 0x88, 0x7F), kInk, 2);
    s.Polygon({QPointF(24 + d, 16 + d), QPointF(52 + d, 24 + d), QPointF(52 + d, 92 + d), QPointF(24 + d, 84 + d)});
    s.PaintNoOutline(kYellow);
    s.Circle(QPointF(46 + d, 56 + d), 3);
    s.Arrow(QRectF(80 + d, 30 + d, 70, 40), true, Qt::white);
}

void Lifebuoy(Sketch& s, int state)   // 0 ready, 1 held, 2 used
{
    if (state == 1) {
        s.PaintNoOutline(QColor(0xFF, 0xF1, 0x76));
        s.Circle(QPointF(60, 60), 58);
    }
    const QColor ring = state == 2 ? QColor(0xB0, 0xBE, 0xC5) : kRed;
    const QColor stripe = state == 2 ? QColor(0xEC, 0xEF, 0xF1) : Qt::white;
    s.Paint(ring, kInk, 3);
    s.Circle(QPointF(60, 60), 48);
    s.PaintNoOutline(stripe);
    for (int i = 0; i < 4; ++i)
        s.Pie(QPointF(60, 60), 47, 22.5 + 90 * i, 45);
    s.Paint(QColor(0x81, 0xD4, 0xFA), kInk, 3);
    s.Circle(QPointF(60, 60), 22);
    s.Line(kInk, 3);
    QList<QPointF> outer;
    for (int d = 0; d <= 360; d += 10)
        outer << QPointF(60 + 48 * std::cos(d * M_PI / 180), 60 + 48 * std::sin(d * M_PI / 180));
    s.Stroke(outer);
}

// Main menu tiles: a light plate with a small scene of the exercise.
void Tile(Sketch& s, const std::function<void(Sketch&)>& scene)
{
    s.Plate(QRectF(3, 3, 234, 94), kCream);
    scene(s);
}

void Pencil(Sketch& s, QPointF tip, double len)
{
    const double a = -M_PI / 4, w = len / 6;
    const QPointF dir(std::cos(a), std::sin(a)), n(-dir.y(), dir.x());
    auto at = [&](double along, double across) { return tip + dir * along + n * across; };
    s.Paint(QColor(0xFF, 0xE0, 0xB2), kInk, 2);
    s.Polygon({tip, at(len * 0.2, w / 2), at(len * 0.2, -w / 2)});
    s.Paint(kYellow, kInk, 2);
    s.Polygon({at(len * 0.2, w / 2), at(len * 0.85, w / 2), at(len * 0.85, -w / 2), at(len * 0.2, -w / 2)});
    s.Paint(QColor(0xF4, 0x8F, 0xB1), kInk, 2);
    s.Polygon({at(len * 0.85, w / 2), at(len, w / 2), at(len, -w / 2), at(len * 0.85, -w / 2)});
}

void Paper(Sketch& s, const QRectF& r)
{
    s.Paint(Qt::white, kInk, 2);
    s.Box(r);
    s.Line(QColor(0x90, 0xCA, 0xF9), 2);
    for (int i = 1; i <= 3; ++i) {
        const double y = r.top() + r.height() * i / 4;
        s.Stroke({QPointF(r.left() + 6, y), QPointF(r.right() - 6, y)});
    }
}

void SmallArrow(Sketch& s, double x, double y)
{
    s.Arrow(QRectF(x, y - 10, 30, 20), true, QColor(0xFF, 0xA7, 0x26));
}

void ListenAndWrite(Sketch& s)
{
    s.Speaker(QRectF(14, 22, 62, 56), true);
    SmallArrow(s, 88, 50);
    Paper(s, QRectF(130, 16, 80, 68));
    Pencil(s, QPointF(162, 70), 70);
}

void WhichWord(Sketch& s)
{
    s.PictureFrame(QRectF(14, 14, 84, 72), 2);
    s.WordCard(QRectF(118, 14, 104, 30), true);
    s.WordCard(QRectF(118, 56, 104, 30), false);
}

void PictureRow(Sketch& s, double left)
{
    for (int i = 0; i < 3; ++i)
        s.PictureFrame(QRectF(left + 40 * i, 28, 36, 44), i);
    s.Line(kGreen, 4);
    s.Box(QRectF(left + 36, 24, 44, 52));
}

void PictureForWord(Sketch& s)
{
    s.WordCard(QRectF(12, 34, 60, 32), false);
    SmallArrow(s, 76, 50);
    PictureRow(s, 112);
}

void PictureForSound(Sketch& s)
{
    s.Speaker(QRectF(12, 24, 58, 52), true);
    SmallArrow(s, 76, 50);
    PictureRow(s, 112);
}

void MemoryCards(Sketch& s, bool sounds)
{
    const int back = sounds ? 4 : 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF card(16 + 54 * i, 14, 48, 72);
        if (i == 1 || i == 2) {
            s.CardBack(card, back);
            continue;
        }
        s.Paint(Qt::white, kInk, 2);
        s.RoundBox(card, 6);
        if (sounds)
            s.Note(QPointF(card.center().x() - 6, card.center().y() + 14), 11, QColor(0x8E, 0x24, 0xAA));
        else
            s.Apple(card.adjusted(6, 14, -6, -14));
    }
}

// The info tile: the program's name over an open book.
void InfoTile(Sketch& s, bool pressed)
{
    const double d = pressed ? 3 : 0;
    s.Plate(QRectF(4 + d, 4 + d, 232 - d, 192 - d), pressed ? QColor(0xFF, 0xF8, 0xE1) : kCream);
    const QColor letters[] = {kRed, kOrange, QColor(0xFB, 0xC0, 0x2D), kGreen, kBlue, QColor(0x8E, 0x24, 0xAA)};
    // Each letter in its own colour, placed by the advances of the font the
    // picture names.
    const QString name = QStringLiteral("Lirabo");
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(52);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    double x = 120 + d - metrics.horizontalAdvance(name) / 2;
    for (int i = 0; i < name.size(); ++i) {
        const double advance = metrics.horizontalAdvance(name.at(i));
        s.Text(QPointF(x + advance / 2, 76 + d), name.mid(i, 1), 52, letters[i]);
        x += advance;
    }
    const QPointF spine(120 + d, 176 + d);
    s.Paint(Qt::white, kInk, 3);
    s.Polygon({spine, QPointF(spine.x() - 78, spine.y() - 12), QPointF(spine.x() - 78, spine.y() - 72),
               QPointF(spine.x(), spine.y() - 60)});
    s.Polygon({spine, QPointF(spine.x() + 78, spine.y() - 12), QPointF(spine.x() + 78, spine.y() - 72),
               QPointF(spine.x(), spine.y() - 60)});
    s.Line(QColor(0x90, 0xA4, 0xAE), 3);
    for (int i = 0; i < 3; ++i) {
        const double y = spine.y() - 48 + 13 * i;
        s.Stroke({QPointF(spine.x() - 66, y - 10), QPointF(spine.x() - 12, y)});
        s.Stroke({QPointF(spine.x() + 12, y), QPointF(spine.x() + 66, y - 10)});
    }
    s.Paint(kBlue, Darker(kBlue), 2);
    s.Circle(QPointF(212 + d, 28 + d), 15);
    s.Text(QPointF(212 + d, 37 + d), QStringLiteral("i"), 26, Qt::white);
}

// A rosette with ribbons for the certificate.
void Rosette(Sketch& s)
{
    s.Paint(kBlue, Darker(kBlue), 3);
    s.Polygon({QPointF(70, 110), QPointF(100, 120), QPointF(80, 192), QPointF(66, 172), QPointF(44, 180)});
    s.Paint(kRed, Darker(kRed), 3);
    s.Polygon({QPointF(130, 110), QPointF(100, 120), QPointF(120, 192), QPointF(134, 172), QPointF(156, 180)});
    const QColor gold(0xFF, 0xC1, 0x07);
    s.Paint(gold, QColor(0xB2, 0x6A, 0x00), 4);
    QList<QPointF> petals;
    for (int i = 0; i < 32; ++i) {
        const double r = i % 2 ? 70 : 78;
        petals << QPointF(100 + r * std::cos(i * M_PI / 16), 84 + r * std::sin(i * M_PI / 16));
    }
    s.Polygon(petals);
    s.Paint(QColor(0xFF, 0xE0, 0x82), QColor(0xB2, 0x6A, 0x00), 3);
    s.Circle(QPointF(100, 84), 52);
    s.Star(QPointF(100, 86), 36, 15, kRed);
}

// A stack of memory cards with the given back.
void CardStack(Sketch& s, int back)
{
    for (int i = 2; i >= 0; --i)
        s.CardBack(QRectF(14 + 12 * i, 10 + 10 * i, 80, 100), back);
}

struct Symbol {
    const char* path;
    MetafileFormat format;
    int width, height;
    std::function<void(Sketch&)> draw;
};

const QList<Symbol>& Symbols()
{
    using F = MetafileFormat;
    static const QList<Symbol> symbols = {
        {"fun\\links.wmf", F::Wmf, 100, 100, [](Sketch& s) { s.Arrow(QRectF(8, 14, 84, 72), false, kGreen); }},
        {"fun\\rechts.wmf", F::Wmf, 100, 100, [](Sketch& s) { s.Arrow(QRectF(8, 14, 84, 72), true, kGreen); }},
        {"fun\\start.emf", F::Emf, 100, 100, [](Sketch& s) { PlayButton(s, false); }},
        {"fun\\startdown.emf", F::Emf, 100, 100, [](Sketch& s) { PlayButton(s, true); }},
        {"fun\\stop.wmf", F::Wmf, 100, 100, StopButton},
        {"fun\\ABC.wmf", F::Wmf, 120, 100, AbcBlocks},
        {"fun\\A.wmf", F::Wmf, 100, 100, OneLetter},
        // "fun\Ende.wmf" of the main window is this file too (names ignore case).
        {"fun\\ende.wmf", F::Wmf, 170, 100, [](Sketch& s) { ExitSign(s, false); }},
        {"fun\\endep.wmf", F::Wmf, 170, 100, [](Sketch& s) { ExitSign(s, true); }},
        {"fun\\rettung.emf", F::Emf, 120, 120, [](Sketch& s) { Lifebuoy(s, 0); }},
        {"fun\\rettung1.emf", F::Emf, 120, 120, [](Sketch& s) { Lifebuoy(s, 1); }},
        {"fun\\rettung2.emf", F::Emf, 120, 120, [](Sketch& s) { Lifebuoy(s, 2); }},
        {"fun\\b104.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, ListenAndWrite); }},
        {"fun\\b105.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, WhichWord); }},
        {"fun\\b109.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, PictureForWord); }},
        {"fun\\b106.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, PictureForSound); }},
        {"fun\\b107.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, [](Sketch& t) { MemoryCards(t, false); }); }},
        {"fun\\b108.wmf", F::Wmf, 240, 100, [](Sketch& s) { Tile(s, [](Sketch& t) { MemoryCards(t, true); }); }},
        {"fun\\KV3_1.wmf", F::Wmf, 240, 200, [](Sketch& s) { InfoTile(s, false); }},
        {"fun\\KV3.wmf", F::Wmf, 240, 200, [](Sketch& s) { InfoTile(s, true); }},
        {"fun\\urkunde.wmf", F::Wmf, 200, 200, Rosette},
        {"fun\\stapel2.wmf", F::Wmf, 120, 140, [](Sketch& s) { CardStack(s, 2); }},
        {"fun\\stapel4.wmf", F::Wmf, 120, 140, [](Sketch& s) { CardStack(s, 4); }},
        {"fun\\memory\\rueck1.wmf", F::Wmf, 160, 200, [](Sketch& s) { s.CardBack(QRectF(2, 2, 156, 196), 1); }},
        {"fun\\memory\\rueck2.wmf", F::Wmf, 160, 200, [](Sketch& s) { s.CardBack(QRectF(2, 2, 156, 196), 2); }},
        {"fun\\memory\\rueck3.wmf", F::Wmf, 160, 200, [](Sketch& s) { s.CardBack(QRectF(2, 2, 156, 196), 3); }},
        {"fun\\memory\\rueck4.wmf", F::Wmf, 160, 200, [](Sketch& s) { s.CardBack(QRectF(2, 2, 156, 196), 4); }},
    };
    return symbols;
}

} // namespace

void MakeSymbols(const ContentPaths& paths)
{
    FileSet files(paths);
    for (const Symbol& symbol : Symbols()) {
        Sketch sketch(symbol.format, symbol.width, symbol.height);
        symbol.draw(sketch);
        files.Add(QString::fromLatin1(symbol.path), sketch.End());
    }
    files.WriteAll();
}
