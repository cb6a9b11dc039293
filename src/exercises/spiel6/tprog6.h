#pragma once
// Tprog6: exercise 6, "Soundmemory", the memory game played by ear. The
// whole game is Tprog5's; the cards show no pictures (the back, and the back
// at half size mirrored for a face-up card), turning a card face up always
// speaks it, a taken pair shows its word, and "Sprache" is checked whenever
// "Geräusch" is not, so a card always has something to play.
#include "exercises/spiel5/tprog5.h"

class Tprog6 : public Tprog5 {
    Q_OBJECT
public:
    explicit Tprog6(QWidget* parent = nullptr);

protected:
    QImage CardFace(int number, CardState state, QSize size) override;
    CardFrame FrameOf(CardState state, bool selected) const override;
    int FrameInset() const override;
    QString CardTextStyle() const override;
    void OpenSettingsDialog() override;
    int SoundModeFor(int) const override { return 2; }
    void SoundBoxesChanged() override;
    bool ShowsPictures() const override { return false; }

private:
    void TakeBack();

    tdrbutton* fullBack_ = nullptr;   // the face-down look
    tdrbutton* halfBack_ = nullptr;   // the face-up look
    QString backShown_;
};
