#include "dialogs/help_pages.h"

#include "dialogs/tformhilfe.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace {

// Made at the first page and kept for the run; it is a child of the window
// it was opened from while that window is shown, so it may go with it.
QPointer<TFormhilfe>& Form()
{
    static QPointer<TFormhilfe> form;
    return form;
}

} // namespace

TFormhilfe* HelpWindow()
{
    return Form();
}

bool ShowHelpPage(const QString& page, QWidget* parent)
{
    if (!QFileInfo(HelpFilePath(page)).isFile())
        return false;
    if (!Form())
        Form() = new TFormhilfe;
    return Form()->ShowPage(page, parent);
}

bool OpenManual()
{
    const QString file = HelpFilePath(kManualFile);
    if (QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return true;
    QApplication::beep();
    return false;
}
