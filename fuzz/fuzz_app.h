#pragma once
// Fuzz targets that draw need a GUI application (fonts, painting); one is made
// on the offscreen platform on first use.
#include <QGuiApplication>
#include <QtGlobal>

inline void EnsureFuzzApp()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
