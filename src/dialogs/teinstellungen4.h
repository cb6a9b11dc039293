#pragma once
// Settings of exercise 4 "Bild zum Ton": as exercise 3, with the sound group
// "Sound und Text" offering the word without or with its written form.
#include "dialogs/teinstellungen3.h"

class Teinstellungen4 : public Teinstellungen3 {
    Q_OBJECT
public:
    explicit Teinstellungen4(QWidget* parent = nullptr);
};
