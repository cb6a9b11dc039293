#include "dialogs/teinstellungen4.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QVBoxLayout>

Teinstellungen4::Teinstellungen4(QWidget* parent) : Teinstellungen3(parent)
{
    G_sound->setTitle(QStringLiteral("Sound und Text"));
    Hide(701);
    Hide(702);
    // "ohne Schrift" (Mit Sound 3) above "mit Schrift" (Mit Sound 2).
    QAbstractButton* without = Button(704);
    soundLayout->removeWidget(without);
    soundLayout->insertWidget(soundLayout->indexOf(Button(703)), without);
    without->setText(QStringLiteral("ohne Schrift"));
    without->show();
    Relabel(703, QStringLiteral("mit Schrift"));
}
