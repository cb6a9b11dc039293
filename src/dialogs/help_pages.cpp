#include "dialogs/help_pages.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

bool ShowHelpPage(const QString& page, QWidget* /*parent*/)
{
    const QString file = ResolvePath(page);
    if (!FileExists(file))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(NativePath(file)));
}

bool OpenManual()
{
    const QString file = ResolvePath(kManualFile);
    if (FileExists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(NativePath(file))))
        return true;
    QApplication::beep();
    return false;
}
