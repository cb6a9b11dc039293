#include "dialogs/tformhilfe.h"

#include "dialogs/help_browser.h"
#include "dialogs/help_files.h"

#include <QCloseEvent>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kDefaultTitle = QStringLiteral("Lirabo - Hilfe");

QPushButton* AddButton(QHBoxLayout* bar, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::TabFocus);
    bar->addWidget(b);
    return b;
}

} // namespace

TFormhilfe::TFormhilfe(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormhilfe"));
    setWindowTitle(kDefaultTitle);
    // The help window never keeps the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* bar = new QHBoxLayout;
    B_zurueck = AddButton(bar, QStringLiteral("Zurück"), QStringLiteral("B_zurueck"));
    B_vor = AddButton(bar, QStringLiteral("Vor"), QStringLiteral("B_vor"));
    B_inhalt = AddButton(bar, QStringLiteral("Inhalt"), QStringLiteral("B_inhalt"));
    bar->addStretch(1);
    B_schliessen = AddButton(bar, QStringLiteral("Schließen"), QStringLiteral("B_schliessen"));

    browser_ = new HelpBrowser(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    B_zurueck->setEnabled(false);
    B_vor->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, B_zurueck, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, B_vor, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &TFormhilfe::TakeTitle);
    connect(B_zurueck, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(B_vor, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(B_inhalt, &QPushButton::clicked, this, &TFormhilfe::ShowIndex);
    connect(B_schliessen, &QPushButton::clicked, this, &QWidget::close);
}

bool TFormhilfe::ShowPage(const QString& page, QWidget* owner)
{
    const QString file = HelpFilePath(page);
    AttachTo(owner ? owner->window() : nullptr);
    if (!browser_->OpenFile(file))
        return false;
    PlaceOnce();
    show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
    return true;
}

void TFormhilfe::ShowIndex()
{
    if (!browser_->OpenFile(HelpFilePath(kHelpIndexPage)))
        QApplication::beep();
}

void TFormhilfe::AttachTo(QWidget* owner)
{
    if (owner == this)
        owner = nullptr;
    if (owner == owner_)
        return;
    if (owner_)
        owner_->removeEventFilter(this);
    // A window that belongs to the owner is not blocked by the owner's modal
    // run; above a window that stays on top it has to stay on top as well.
    Qt::WindowFlags flags = Qt::Window;
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        flags |= Qt::WindowStaysOnTopHint;
    const QRect kept = geometry();
    setParent(owner, flags);
    if (placed_)
        setGeometry(kept);
    owner_ = owner;
    if (owner)
        owner->installEventFilter(this);
}

void TFormhilfe::PlaceOnce()
{
    if (placed_)
        return;
    placed_ = true;
    QScreen* screen = owner_ && owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size(qMin(960, area.width() * 7 / 10), area.height() * 85 / 100);
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

void TFormhilfe::TakeTitle()
{
    const QString title = browser_->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? kDefaultTitle : title);
}

void TFormhilfe::BackToOwner()
{
    if (owner_ && owner_->isVisible())
        owner_->activateWindow();
}

bool TFormhilfe::eventFilter(QObject* watched, QEvent* event)
{
    // The owner goes away (an exercise ends): the help window stays for the
    // next page, on its own.
    if (watched == owner_ && event->type() == QEvent::Hide) {
        hide();
        AttachTo(nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void TFormhilfe::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_Left) {
        browser_->backward();
        return;
    }
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_Right) {
        browser_->forward();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormhilfe::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    BackToOwner();
}
