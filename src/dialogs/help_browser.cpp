#include "dialogs/help_browser.h"

#include "dialogs/help_files.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    // Links are followed here, so that every file goes through the same
    // lookup and web addresses leave the program.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

bool HelpBrowser::OpenFile(const QString& nativePath)
{
    if (!QFileInfo(nativePath).isFile())
        return false;
    setSource(QUrl::fromLocalFile(QFileInfo(nativePath).absoluteFilePath()));
    return true;
}

void HelpBrowser::FollowLink(const QUrl& link)
{
    if (IsExternalLink(link)) {
        QDesktopServices::openUrl(link);
        return;
    }
    const QUrl target = source().resolved(link);
    QUrl page = target;
    page.setFragment(QString());
    QUrl current = source();
    current.setFragment(QString());
    if (page == current && target.hasFragment()) {
        scrollToAnchor(target.fragment());
        return;
    }
    const QString file = HelpFileOfUrl(page);
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        QApplication::beep();
        return;
    }
    QUrl found = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    found.setFragment(target.fragment());
    setSource(found);
}

QString HelpBrowser::CurrentFile() const
{
    return source().isLocalFile() ? source().toLocalFile() : QString();
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    // Pictures and style sheets are linked relative to their page.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString file = HelpFileOfUrl(url);
    if (file.isEmpty())
        return QTextBrowser::loadResource(type, name);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
