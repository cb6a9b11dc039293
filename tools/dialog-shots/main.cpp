// Opens each dialog of the program with a small sample program folder,
// lets it lay itself out and saves it as "<name>.png" into the given folder.
#include "data/exercise_settings.h"
#include "data/program_state.h"
#include "dialogs/teinstellungen1.h"
#include "dialogs/teinstellungen2.h"
#include "dialogs/teinstellungen3.h"
#include "dialogs/teinstellungen4.h"
#include "dialogs/teinstellungen5.h"
#include "dialogs/teinstellungen6.h"
#include "dialogs/teinstellungen7.h"
#include "dialogs/teinstellungen_1.h"
#include "dialogs/tf_opendialog.h"
#include "dialogs/tf_pictureopendialog.h"
#include "dialogs/tform_lautauswahl.h"
#include "controls/tproginfo.h"
#include "platform/ini_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void WritePicture(const QString& path, QColor color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(color);
    QPainter p(&image);
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(20, 20, 80, 80);
    p.end();
    image.save(path, "BMP");
}

// A program folder with lists, card backs, a sound and the phonics table.
void MakeSampleProgram(const QString& root)
{
    for (const char* name : {"listen/tiere.txt", "listen/farben.txt", "listen/klasse2/obst.txt",
                             "listen/klasse2/gemuese.txt", "listen/klasse2/haus und garten.txt"})
        WriteFile(root + QString::fromUtf8(name), "Liste\r\n\r\nHund|0|bilder\\hund.bmp|||Hund\r\n");
    QDir().mkpath(root + QStringLiteral("listen/klasse3/bilder"));
    WritePicture(root + QStringLiteral("fun/memory/rueck2.bmp"), QColor(30, 90, 200));
    WritePicture(root + QStringLiteral("fun/memory/rueck4.bmp"), QColor(200, 60, 30));
    WriteFile(root + QStringLiteral("fun/memory/klack.wav"), QByteArray());
    WriteFile(root + QStringLiteral("fun/memory/liesmich.txt"), "Karten-R\xfc" "cken f\xfcr das Memory\r\n");
    WriteFile(root + QStringLiteral("intern/lautauswahl.txt"), "ch\r\nsch\r\nei\r\n\xe4u\r\n");
    QDir().mkpath(root + QStringLiteral("protokoll"));
}

void Save(QWidget& dialog, const QString& folder, const QString& name)
{
    dialog.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QSize size = dialog.frameGeometry().size();
    const QImage shot = dialog.grab().toImage();
    const QString file = folder + u'/' + name + QStringLiteral(".png");
    shot.save(file);
    std::printf("%s: %dx%d (window %dx%d)\n", qPrintable(file), shot.width(), shot.height(), size.width(),
                size.height());
    dialog.hide();
}

void ShootSettings(Teinstellungen1& dialog, const QString& section, const QString& folder, const QString& name)
{
    CurrentSection() = section;
    dialog.FormShow();
    Save(dialog, folder, name);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dialog-shots <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir temp;
    const QString root = temp.path() + QStringLiteral("/prog/");
    MakeSampleProgram(root);
    Program().programFolder = root;
    Program().dataRoot = root + QStringLiteral("protokoll/");
    Program().currentProfilePath = root + QStringLiteral("protokoll/jeder.ini");
    Program().currentPupilName = QStringLiteral("Lena");
    ProgInfo().LoadColors();

    {
        Teinstellungen1 d;
        ShootSettings(d, QStringLiteral("Hören und Schreiben "), out, QStringLiteral("settings-base"));
    }
    {
        Teinstellungen_1 d;
        ShootSettings(d, QStringLiteral("Hören und Schreiben "), out, QStringLiteral("settings-1"));
        ShootSettings(d, QStringLiteral("Lautierübung"), out, QStringLiteral("settings-1-lautier"));
    }
    {
        Teinstellungen2 d;
        ShootSettings(d, QStringLiteral("Welches Wort stimmt?"), out, QStringLiteral("settings-2"));
        d.SetUncoverMode(true);
        ShootSettings(d, QStringLiteral("Welches Wort stimmt?"), out, QStringLiteral("settings-2-aufdecken"));
    }
    {
        Teinstellungen3 d;
        ShootSettings(d, QStringLiteral("Bild zum Wort"), out, QStringLiteral("settings-3"));
    }
    {
        Teinstellungen4 d;
        ShootSettings(d, QStringLiteral("Bild zum Ton"), out, QStringLiteral("settings-4"));
    }
    {
        Teinstellungen5 d;
        Ini::WriteString(CurrentProfilePath(), QStringLiteral("Bild-Memory"), QStringLiteral("Bildhinten"),
                         QStringLiteral("fun\\memory\\rueck2.bmp"));
        ShootSettings(d, QStringLiteral("Bild-Memory"), out, QStringLiteral("settings-5"));
    }
    {
        Teinstellungen6 d;
        ShootSettings(d, QStringLiteral("Sound-Memory"), out, QStringLiteral("settings-6"));
    }
    {
        Teinstellungen7 d;
        ShootSettings(d, QStringLiteral("Lesen lernen"), out, QStringLiteral("settings-7"));
    }
    {
        TF_opendialog d;
        d.rootFolder = root + QStringLiteral("listen");
        d.chosenFile = root + QStringLiteral("listen/klasse2/haus und garten.txt");
        d.FormActivate();
        Save(d, out, QStringLiteral("list-chooser"));
    }
    {
        TF_PictureOpendialog d;
        d.setWindowTitle(QStringLiteral("Rückseite auswählen..."));
        d.fileMask = QStringLiteral("*.jpg,*.gif,*.bmp,*.wmf,*.emf");
        d.SetTypeIndex(TF_PictureOpendialog::PictureFiles);
        d.rootFolder = root + QStringLiteral("fun/memory/");
        d.chosenFile = root + QStringLiteral("fun/memory/rueck2.bmp");
        d.FormActivate();
        Save(d, out, QStringLiteral("picture-chooser"));
        d.fileMask = QStringLiteral("*.*");
        d.SetTypeIndex(TF_PictureOpendialog::AllFiles);
        d.chosenFile = root + QStringLiteral("fun/memory/klack.wav");
        d.FormActivate();
        Save(d, out, QStringLiteral("picture-chooser-sound"));
    }
    {
        TForm_lautauswahl d;
        d.FormShow();
        Save(d, out, QStringLiteral("phonics"));
    }
    if (QScreen* screen = QApplication::primaryScreen())
        std::printf("screen %dx%d\n", screen->geometry().width(), screen->geometry().height());
    return 0;
}
