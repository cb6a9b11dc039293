#pragma once
// Fuzz targets that draw need a GUI application (fonts, painting); one is made
// on the offscreen platform on first use.
#include <QGuiApplication>
#include <QtGlobal>

// The font configuration library keeps its caches until the process ends;
// the leak check at exit must not count them.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

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
