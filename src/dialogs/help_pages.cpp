#include "dialogs/help_pages.h"

#include "dialogs/tformhilfe.h"
#include "platform/desktop_open.h"
#include "platform/file_paths.h"
#include "platform/messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

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
    if (!QFileInfo(file).isFile()) {
        QApplication::beep();
        return false;
    }
    // The desktop may have no PDF viewer: then say where the manual lies.
    return OpenWithDesktop(file, [file] {
        ShowMessage(QStringLiteral("Die Anleitung lässt sich auf diesem Rechner nicht öffnen, weil kein Programm "
                                   "für PDF-Dateien eingerichtet ist.\n\nSie liegt hier:\n%1")
                        .arg(NativePath(file)),
                    MessageIcon::Information, QStringLiteral("Anleitung"));
    });
}
