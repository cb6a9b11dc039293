#pragma once
// Tprog4: exercise 4, "Bild zum Ton": the choice of "Bild zum Wort" led by
// the spoken word. Its sound boxes are tied so that the speech stays on
// unless the noise is on, and the word is spoken again after a new list (the
// new list's first task is presented by command 12, which speaks).
#include "exercises/spiel3/tprog3.h"

class Tprog4 : public Tprog3 {
    Q_OBJECT
public:
    explicit Tprog4(QWidget* parent = nullptr);

protected:
    void RunSettingsDialog() override;
    QString HelpPage() const override;
    void OptionsPressed() override;
    // The tie of the two boxes takes the place of the base's rule: the
    // boxes never change "Mit Sound" here.
    void SoundBoxesChanged() override;
};
