#pragma once
// The help window: one window of the program that shows the help pages,
// with "Zurück", "Vor", "Inhalt" and "Schließen". It is reused for every page.
// Opened from a running exercise it belongs to that window, so it lies above
// it and takes clicks while the exercise runs modally; closing it returns to
// the exercise.
#include <QPointer>
#include <QWidget>

class HelpBrowser;
class QPushButton;

class TFormhilfe : public QWidget {
    Q_OBJECT
public:
    explicit TFormhilfe(QWidget* parent = nullptr);

    // Shows the page (a program path such as "Html\index.htm") above owner's
    // window (none: on its own); false when the page is missing, and nothing
    // is shown then.
    bool ShowPage(const QString& page, QWidget* owner = nullptr);
    // The index page in the window.
    void ShowIndex();

    HelpBrowser* Browser() const { return browser_; }
    QWidget* Owner() const { return owner_; }

    QPushButton* B_zurueck = nullptr;
    QPushButton* B_vor = nullptr;
    QPushButton* B_inhalt = nullptr;
    QPushButton* B_schliessen = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void AttachTo(QWidget* owner);
    void PlaceOnce();
    void TakeTitle();
    void BackToOwner();

    HelpBrowser* browser_ = nullptr;
    QPointer<QWidget> owner_;
    bool placed_ = false;
};
