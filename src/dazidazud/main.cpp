// The list editor "Dazidazud": started by the program's main menu with the
// data root as its only argument and the program folder as working folder,
// or on its own from the desktop menu.
#include "dazidazud/editor_start.h"
#include "dazidazud/editor_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dazidazud"));
    const EditorStart start = StartEditor(QCoreApplication::arguments().mid(1));
    EditorWindow window;
    if (!start.listToOpen.isEmpty())
        window.OpenList(start.listToOpen);
    window.show();
    return app.exec();
}
