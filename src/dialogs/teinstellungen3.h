#pragma once
// Settings of exercise 3 "Bild zum Wort": the number of pictures, the word
// read after the solution; typing, input, key sound and input help hidden.
#include "dialogs/teinstellungen1.h"

class Teinstellungen3 : public Teinstellungen1 {
    Q_OBJECT
public:
    explicit Teinstellungen3(QWidget* parent = nullptr);

protected:
    void SetExtraControls() override;
};
