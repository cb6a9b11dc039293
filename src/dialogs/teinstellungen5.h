#pragma once
// Settings of the memory games (exercise 5 "Bild-Memory"): the number of
// cards, the players, the picture of the card backs with its preview; the
// sound on request with the right mouse button, nouns spoken with article.
#include "dialogs/teinstellungen1.h"

class tdrbutton;

class Teinstellungen5 : public Teinstellungen1 {
    Q_OBJECT
public:
    explicit Teinstellungen5(QWidget* parent = nullptr);

    QPushButton* B_rueckseite = nullptr;   // opens the picture chooser
    tdrbutton* I_rueckseite = nullptr;     // the preview of the card backs

    // The chosen file (a full path) becomes Bildhinten, relative to the
    // program folder, and the preview shows it.
    void CardBackChosen(const QString& file);

protected:
    void SetExtraControls() override;
    void StoreBeforeSave() override;

private:
    void ChooseCardBack();
    void ShowCardBack();
};
