#include "dialogs/teinstellungen7.h"

#include <QGroupBox>

Teinstellungen7::Teinstellungen7(QWidget* parent) : Teinstellungen3(parent)
{
    G_rueckmeldungen->hide();
    W_spellingRange->hide();
}
