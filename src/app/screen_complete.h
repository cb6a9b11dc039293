#pragma once
// The start-up measurement's end: with LIRABO_QUIT_WHEN_SHOWN set the program
// prints "shown" and ends once the screen is complete as a person sees it:
// the front window says it is ready (the menu with every tile drawn, an
// exercise with its show steps done) and every visible top-level window of
// the program (the background window too) is exposed and has been painted.
#include <QObject>
#include <QSet>

#include <functional>

class QWidget;

class ScreenComplete : public QObject {
public:
    // ready: whether the front window is ready; asked after every paint.
    explicit ScreenComplete(std::function<bool()> ready);
    // Watches when the environment variable asks for it; no-op otherwise.
    static void InstallIfAsked(std::function<bool()> ready);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScheduleCheck();
    void Check();

    std::function<bool()> ready_;
    QSet<const QWidget*> painted_;
    bool scheduled_ = false;
    bool reported_ = false;
};
