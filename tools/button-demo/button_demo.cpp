// Shows sixteen drawn buttons in typical styles: pictures of every format,
// texts with each letter effect, marked and hidden letters, mirroring and
// 3-D frames. With a file name argument it saves a screenshot of the window
// there after it has been shown and quits.
//
//   xvfb-run -a build/tools/button-demo/button_demo /tmp/buttons.png
#include "controls/face_layout.h"
#include "controls/metafile_writer.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "data/program_state.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <gif_lib.h>

namespace {

void Save(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray Encode(const QImage& img, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format, 92);
    return bytes;
}

// A sun: a yellow disc with rays on a transparent or white ground.
QImage Sun(int size, bool transparent)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(transparent ? Qt::transparent : Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 140, 0), size / 20));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(size / 2, size / 2);
        p.rotate(i * 30);
        p.drawLine(0, size / 4, 0, size / 2 - 2);
        p.restore();
    }
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0, size / 4.0);
    return img;
}

// A house in 16 colours, written with giflib (Qt reads but cannot write GIF).
QByteArray HouseGif()
{
    const int w = 60, h = 50;
    const GifColorType colors[4] = {{255, 255, 255}, {200, 30, 30}, {90, 60, 20}, {60, 140, 220}};
    std::vector<GifPixelType> pixels(size_t(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            GifPixelType c = 0;
            if (y >= 22 && x >= 10 && x < 50)
                c = 2;
            if (y < 22 && std::abs(x - 30) <= y * 25 / 22)
                c = 1;
            if (y >= 30 && y < 42 && x >= 18 && x < 28)
                c = 3;
            pixels[size_t(y * w + x)] = c;
        }
    QByteArray out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, [](GifFileType* g, const GifByteType* d, int n) {
        static_cast<QByteArray*>(g->UserData)->append(reinterpret_cast<const char*>(d), n);
        return n;
    }, &err);
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif, w, h, 2, 0, map);
    EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr);
    for (int y = 0; y < h; ++y)
        EGifPutLine(gif, pixels.data() + y * w, w);
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

QByteArray Arrow(MetafileFormat format)
{
    MetafileWriter w(format);
    w.Begin(100, 80);
    w.SetPen(Qt::darkGreen, 3);
    w.SetBrush(QColor(60, 200, 60));
    w.Polygon({QPoint(5, 40), QPoint(45, 5), QPoint(45, 25), QPoint(95, 25), QPoint(95, 55), QPoint(45, 55),
               QPoint(45, 75)});
    return w.End();
}

QByteArray StopSign()
{
    MetafileWriter w(MetafileFormat::Wmf);
    w.Begin(100, 100);
    w.SetPen(Qt::white, 4);
    w.SetBrush(QColor(210, 20, 20));
    w.Polygon({QPoint(30, 2), QPoint(70, 2), QPoint(98, 30), QPoint(98, 70), QPoint(70, 98), QPoint(30, 98),
               QPoint(2, 70), QPoint(2, 30)});
    w.SetFont(QStringLiteral("Arial"), 26, true);
    w.SetTextColor(Qt::white);
    w.Text(QPoint(50, 50), QStringLiteral("STOP"), Qt::AlignHCenter | Qt::AlignBaseline);
    return w.End();
}

QByteArray CardBack()
{
    MetafileWriter w(MetafileFormat::Emf);
    w.Begin(80, 100);
    w.SetNoPen();
    w.SetBrush(QColor(40, 60, 160));
    w.RoundRect(QRect(0, 0, 80, 100), 16, 16);
    w.SetBrush(QColor(250, 200, 40));
    w.Ellipse(QRect(5, 5, 30, 30));
    w.SetPen(Qt::white, 2);
    w.SetNoBrush();
    w.Bezier({QPoint(10, 90), QPoint(30, 40), QPoint(50, 110), QPoint(75, 50)});
    w.SetFont(QStringLiteral("Arial"), 14, true);
    w.SetTextColor(Qt::white);
    w.Text(QPoint(40, 96), QStringLiteral("ABC"), Qt::AlignHCenter | Qt::AlignBottom);
    return w.End();
}

struct Sample {
    const char* caption;   // label under the button
    const char* style;
    QString content;
    QString font;          // empty: picture
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Program().programFolder = dir.path() + QStringLiteral("/");
    QDir(dir.path()).mkpath(QStringLiteral("fun"));
    const QString fun = dir.path() + QStringLiteral("/fun/");
    Save(fun + QStringLiteral("sonne.png"), Encode(Sun(128, true), "PNG"));
    Save(fun + QStringLiteral("sonne.JPG"), Encode(Sun(128, false).convertToFormat(QImage::Format_RGB32), "JPG"));
    Save(fun + QStringLiteral("haus.gif"), HouseGif());
    Save(fun + QStringLiteral("sonne.bmp"), Encode(Sun(64, false).convertToFormat(QImage::Format_RGB32), "BMP"));
    Save(fun + QStringLiteral("sonne.ico"), Encode(Sun(48, true), "ICO"));
    Save(fun + QStringLiteral("links.wmf"), Arrow(MetafileFormat::Wmf));
    Save(fun + QStringLiteral("rechts.emf"), Arrow(MetafileFormat::Emf));
    Save(fun + QStringLiteral("stop.wmf"), StopSign());
    Save(fun + QStringLiteral("rueck.emf"), CardBack());
    ProgInfo().windowColor = 0xE0E0E0;

    const QString arial = QStringLiteral("Arial");
    const Sample samples[] = {
        {"PNG, transparent", "  90 x4 11", QStringLiteral("fun\\sonne.png"), {}},
        {"JPG, always opaque", "  90 x4 11", QStringLiteral("fun\\sonne.JPG"), {}},
        {"GIF, colour 3, 80 %", "3 80 x4 11", QStringLiteral("fun\\haus.gif"), {}},
        {"BMP, bottom centre", "c 70 x7 11", QStringLiteral("fun\\sonne.bmp"), {}},
        {"ICO, colour 6", "6 80 x4 11", QStringLiteral("fun\\sonne.ico"), {}},
        {"WMF arrow", "f 80 x4 11", QStringLiteral("fun\\links.wmf"), {}},
        {"EMF mirrored (0)", "f0 80x4 11", QStringLiteral("fun\\rechts.emf"), {}},
        {"WMF with text", "0 90 xx 11", QStringLiteral("fun\\stop.wmf"), {}},
        {"EMF card back 03100x0011", "03100x0011", QStringLiteral("fun\\rueck.emf"), {}},
        {"f 90 xx 11 plain", "f 90 xx 11", QStringLiteral("Datei"), arial},
        {"0 98 x4x11 bold", "0 98 x4x11", QStringLiteral("Hund"), arial},
        {"E3100x41F1 raised", "E3100x41F1", QStringLiteral("Katze"), arial},
        {"engraved", "f 90 x4241", QStringLiteral("Maus"), arial},
        {"4 100 7  1 right", "4 100 7  1", QStringLiteral("12"), arial},
        {"marked, underlined", "7 90 x4 41", QStringLiteral("Hund"), arial},
        {"hidden letter, mirrored", "a290 x4 11", QStringLiteral("Baum"), arial},
    };

    QWidget window;
    window.setWindowTitle(QStringLiteral("Drawn buttons"));
    window.setStyleSheet(QStringLiteral("background: #B0C4B0"));
    auto* grid = new QGridLayout(&window);
    int i = 0;
    for (const Sample& s : samples) {
        auto* cell = new QVBoxLayout;
        auto* placeholder = new QWidget;
        placeholder->setFixedSize(180, 120);
        cell->addWidget(placeholder);
        auto* label = new QLabel(QString::fromUtf8(s.caption));
        label->setStyleSheet(QStringLiteral("background: transparent"));
        cell->addWidget(label);
        grid->addLayout(cell, i / 4, i % 4);
        auto* b = new tdrbutton(&window, 100 + i, placeholder);
        b->SetStyle(QString::fromLatin1(s.style));
        b->SetContent(s.content, s.font);
        if (i == 14) {
            b->SetLetterColors(QStringLiteral("4144"));
            b->SetUnderlineMarks(QStringLiteral("  __"));
            b->SetMarking(true, 2);
        }
        if (i == 15)
            b->SetHiddenMarks(QStringLiteral("\bg\b\b"));
        b->SetDrawHandler([](tdrbutton& button, QPainter& p) {
            button.Draw(p, button.rect());
            Draw3DFrame(p, button.rect(), false, 1, QColor(0, 255, 255), QColor(0, 128, 128));
        });
        ++i;
    }
    window.show();

    if (argc > 1) {
        const QString out = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(800, &app, [&window, &app, out] {
            const QRect frame = window.frameGeometry();
            QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            if (shot.isNull())
                shot = window.grab();
            if (!shot.save(out))
                qWarning("could not save %s", qPrintable(out));
            app.quit();
        });
    }
    return app.exec();
}
