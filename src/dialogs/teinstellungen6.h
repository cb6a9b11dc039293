#pragma once
// Settings of exercise 6 "Sound-Memory": as exercise 5; of the sound options
// only "kein Bild mit Sound".
#include "dialogs/teinstellungen5.h"

class Teinstellungen6 : public Teinstellungen5 {
    Q_OBJECT
public:
    explicit Teinstellungen6(QWidget* parent = nullptr);
};
