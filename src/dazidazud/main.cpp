// The list editor "Dazidazud": started by the program's main menu with the
// data root as its only argument and the program folder as working folder,
// or on its own from the desktop menu.
#include "dazidazud/editor_start.h"
#include "dazidazud/editor_window.h"
#include "platform/desktop_session.h"
#include "platform/qt_translations.h"

#include <QApplication>
#include <SDL.h>

int main(int argc, char** argv)
{
    // SDL would turn SIGTERM and SIGINT into a quit event nobody reads: the
    // editor then could not be ended from outside. Its files are written
    // atomically, so ending it at any moment loses no list.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!PrepareDesktopSession(QStringLiteral("Dazidazud")))
        return 1;
    QApplication app(argc, argv);
    InstallGermanQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Dazidazud"));
    const EditorStart start = StartEditor(QCoreApplication::arguments().mid(1));
    EditorWindow window;
    if (!start.listToOpen.isEmpty())
        window.OpenList(start.listToOpen);
    window.show();
    return app.exec();
}
