#pragma once
// The page view of the help window: HTML pages of the program's "Html" folder
// with links between them. Files are found without regard to case (pages
// made on Windows link "index.htm" as "Index.htm"), web links go to the
// desktop's browser.
#include <QTextBrowser>

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // Shows the page at the native path; false (nothing changes) when it is
    // missing.
    bool OpenFile(const QString& nativePath);
    // A link of the current page: an anchor of it, another page of the
    // folder, or a web address for the desktop. A link to a missing page
    // beeps and stays.
    void FollowLink(const QUrl& link);
    // The native path of the page shown (empty before the first).
    QString CurrentFile() const;

    QVariant loadResource(int type, const QUrl& name) override;
};
