#pragma once
// The "Textfarbe" list: the sixteen text palette colours, each row white
// with a square of its colour in the left third.
#include <QComboBox>
#include <array>

class TextColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TextColorBox(QWidget* parent = nullptr);

    // Refills the rows with the colours (0x00BBGGRR) and selects the first row
    // whose colour equals current, or none.
    void SetColors(const std::array<quint32, 16>& colors, quint32 current);
};
