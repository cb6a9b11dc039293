#include "app/program_end.h"

#include "framework/exercise_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <memory>

namespace {

// One step: true while windows were left to close.
bool CloseNextWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && !qobject_cast<T_urahnlrb*>(modal))
            dialog->reject();
        else
            modal->close();
        return true;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* exercise = qobject_cast<T_urahnlrb*>(w); exercise && exercise->isVisible() && !exercise->IsTornDown()) {
            exercise->close();
            return true;
        }
    }
    return false;
}

} // namespace

void EndProgramFromOutside(bool quitMainLoop)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(50);
    auto closed = std::make_shared<int>(0);
    const auto step = [timer, closed, quitMainLoop] {
        if (CloseNextWindow()) {
            ++*closed;
            return;
        }
        // Quitting while a window still runs its own loop would end that
        // loop without the window's closing steps, so this comes last.
        if (quitMainLoop)
            QCoreApplication::quit();
        // Without a main loop the steps wait for the exercise that is on its
        // way; once it has been closed there is nothing more to do.
        if (quitMainLoop || *closed > 0)
            timer->deleteLater();
    };
    QObject::connect(timer, &QTimer::timeout, timer, step);
    timer->start();
    QTimer::singleShot(0, timer, step);
}
