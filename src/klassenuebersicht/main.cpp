// The class overview "Klassenübersicht": started from the list editor with
// the data root as its only argument, or from the desktop menu.
#include "data/program_state.h"
#include "klassenuebersicht/class_data.h"
#include "klassenuebersicht/overview_start.h"
#include "klassenuebersicht/overview_window.h"
#include "klassenuebersicht/summary_cache.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Klassenübersicht"));
    StartOverview(QCoreApplication::arguments().mid(1));
    OverviewWindow window(LoadClass(true, SummaryCacheFile(DataRoot())), QDate::currentDate());
    window.show();
    return app.exec();
}
