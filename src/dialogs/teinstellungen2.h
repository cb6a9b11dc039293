#pragma once
// Settings of exercise 2 "Welches Wort stimmt?": the number of word fields,
// the word read after the solution; in uncovering mode the group
// "Aufdeckmodus:" (puzzle size, manual or timed uncovering) replaces the
// sound group.
#include "dialogs/teinstellungen1.h"

class QLabel;

class Teinstellungen2 : public Teinstellungen1 {
    Q_OBJECT
public:
    explicit Teinstellungen2(QWidget* parent = nullptr);

    // The main window and the exercise tell whether uncovering mode is on.
    void SetUncoverMode(bool on);
    bool UncoverMode() const { return uncover_; }

    QGroupBox* G_aufdeckmodus = nullptr;
    QSlider* TB_aufdeckpause = nullptr;
    QLabel* L_aufdeckpause = nullptr;
    QRadioButton* RB_manuell = nullptr;
    QRadioButton* RB_automatisch = nullptr;

protected:
    void SetExtraControls() override;

private:
    void UpdateUncoverPauseEnabling();
    bool uncover_ = false;
};
