#pragma once
// Settings of exercise 1 ("Hören und Schreiben " and "Lautierübung"): seven
// sound and picture options, the error sound as tone, sounded or spelled out,
// the hidden picture shown by a click, the article shown beside the word.
#include "dialogs/teinstellungen1.h"

class Teinstellungen_1 : public Teinstellungen1 {
    Q_OBJECT
public:
    explicit Teinstellungen_1(QWidget* parent = nullptr);

    QCheckBox* CK_hilfebild = nullptr;   // "Bild sichtbar mit Mausklick"
    QRadioButton* RB_ton = nullptr;
    QRadioButton* RB_lautiert = nullptr;
    QRadioButton* RB_buchstabiert = nullptr;

protected:
    void SetExtraControls() override;
    void StoreAfterSave() override;

private:
    void UpdateLinkedEnabling();
};
