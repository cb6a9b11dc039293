#include "data/exercise_settings.h"

#include <array>

QString DescribeTypingControl()
{
    static const std::array<const char*, 7> kExpected = {
        "Alles.", "Wort ohne Artikel.", "Nur Artikel.", "Abschreiben.",
        "Nur 1. Buchstaben.", "Jeder 2. Buchstabe.", "Wort nach 1. Buchstaben."};
    const auto& s = ExerciseSettings();
    QString text = QStringLiteral("Textkontrolle: ");
    if (s.textcontrolle == 0)
        text += QStringLiteral("bei Enter. ") +
                (s.blinken == 1 ? QStringLiteral("Fehler: blinken. ") : QStringLiteral("Fehler: zulassen. "));
    else if (s.textcontrolle > 0)
        text += QStringLiteral("Automatisch. ") +
                (s.blinken == 1 ? QStringLiteral("Fehler: blinken. ") : QStringLiteral("Fehler: nicht zulassen. "));
    text += QStringLiteral("\r\nErwartete Eingabe: ");
    if (s.textvorgabe >= 0 && s.textvorgabe < int(kExpected.size()))
        text += QString::fromUtf8(kExpected[size_t(s.textvorgabe)]);
    return text;
}
