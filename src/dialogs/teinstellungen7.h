#pragma once
// Settings of exercise 7 "Lesen lernen": as exercise 3, without feedback; of
// spelling out only its pause and manner.
#include "dialogs/teinstellungen3.h"

class Teinstellungen7 : public Teinstellungen3 {
    Q_OBJECT
public:
    explicit Teinstellungen7(QWidget* parent = nullptr);
};
