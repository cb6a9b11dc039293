// Shows the list-driven window with the test exercise on a copy of a program
// folder and saves a screenshot of the screen:
//   list_window_demo <program folder> <picture.png> [Bedienung]
// The folder is copied first, so its profile is not changed.
#include "data/program_state.h"
#include "framework/test_exercise.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: list_window_demo <program folder> <picture.png> [Bedienung]\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/prog/");
    CopyFolderTree(QString::fromLocal8Bit(argv[1]), root);
    Program().programFolder = root;
    Program().dataRoot = root + QStringLiteral("protokoll/");
    const QString profile = root + QStringLiteral("protokoll/jeder.ini");
    Program().currentProfilePath = profile;
    const QString section = QStringLiteral("Bild zum Wort");
    Ini::WriteString(profile, section, QStringLiteral("Dateiname"), QStringLiteral("tiere.txt"));
    Ini::WriteInt(profile, section, QStringLiteral("Listenstelle"), 2);
    if (argc > 3)
        Ini::WriteInt(profile, section, QStringLiteral("Bedienung"), QString::fromLocal8Bit(argv[3]).toInt());

    TestExercise window;
    window.show();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer::singleShot(1500, [&] {
        if (argc > 3)
            window.SetBarCounts(3, 5);
        window.repaint();
        QScreen* screen = window.screen();
        screen->grabWindow(0).save(out);
        window.hide();
        app.quit();
    });
    return app.exec();
}
