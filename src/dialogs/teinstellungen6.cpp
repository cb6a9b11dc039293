#include "dialogs/teinstellungen6.h"

#include <QGroupBox>

Teinstellungen6::Teinstellungen6(QWidget* parent) : Teinstellungen5(parent)
{
    level_ = 5;
    Hide(701);
    Hide(702);
    Hide(703);
    // Nothing is spelled out in the game by ear.
    G_buchstabieren->hide();
}
