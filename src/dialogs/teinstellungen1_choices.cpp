// The linked choices of the settings dialog: each click sets the other
// controls so that only sensible combinations of typing control, error
// handling and input remain.
#include "dialogs/teinstellungen1.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

void Teinstellungen1::ConnectLinkedChoices()
{
    const auto onClick = [this](int number, auto handler) {
        if (QAbstractButton* b = numbers_.Button(number))
            connect(b, &QAbstractButton::clicked, this, handler);
    };
    const auto anyChecked = [this](std::initializer_list<int> numbers) {
        for (int n : numbers)
            if (numbers_.IsChecked(n))
                return true;
        return false;
    };

    // "automatisch" (either) does not let errors through.
    for (int automatic : {301, 302})
        onClick(automatic, [this, anyChecked] {
            numbers_.Check(304);
            if (anyChecked({202, 204, 205}))
                numbers_.Check(200);
        });
    // "mit OK / Enter" lets errors through instead of refusing them.
    onClick(300, [this, anyChecked] {
        if (numbers_.IsChecked(304))
            numbers_.Check(303);
        if (anyChecked({202, 203, 204, 205}))
            numbers_.Check(200);
    });
    // Letting errors through or blinking needs the check on OK / Enter.
    for (int errors : {303, 305})
        onClick(errors, [this] { numbers_.Check(300); });
    // Refusing errors needs an automatic check.
    onClick(304, [this, anyChecked] {
        if (!anyChecked({301, 302}))
            numbers_.Check(301);
    });
    // Partial inputs and copying are checked letter by letter.
    for (int partial : {202, 203, 204, 205})
        onClick(partial, [this] {
            numbers_.Check(304);
            numbers_.Check(301);
        });

    // "Tastengeräusch" enables its three kinds.
    if (QAbstractButton* keySound = numbers_.Button(706))
        connect(keySound, &QAbstractButton::toggled, this, [this](bool on) {
            for (QRadioButton* r : {RB_tippton, RB_buchstabenname, RB_wieBuchstabieren})
                r->setEnabled(on);
        });
}
