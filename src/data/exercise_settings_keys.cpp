#include "data/exercise_settings_keys.h"

#include <algorithm>

namespace {

using R = ExerciseSettingsRecord;

SettingKey Integer(const char* name, int R::*field, int def, int min = INT_MIN, int max = INT_MAX)
{
    SettingKey k;
    k.name = QString::fromUtf8(name);
    k.integer = field;
    k.defaultValue = def;
    k.min = min;
    k.max = max;
    return k;
}

SettingKey Flag(const char* name, bool R::*field, bool def)
{
    SettingKey k;
    k.name = QString::fromUtf8(name);
    k.flag = field;
    k.defaultValue = def ? 1 : 0;
    return k;
}

std::vector<SettingKey> MakeKeys()
{
    std::vector<SettingKey> keys = {
        // Typing control.
        Integer("Textcontrolle", &R::textcontrolle, 2),
        Integer("Auto3", &R::auto3, 1),
        Integer("Blinken", &R::blinken, 1),
        Integer("Textvorgabe", &R::textvorgabe, 0),
        Flag("mitArtikel", &R::mitArtikel, true),
        Flag("ohneArtikelabschreiben", &R::ohneArtikelabschreiben, true),
        Integer("Auto2", &R::auto2, 0),
        Integer("Auto4", &R::auto4, 0),
        Flag("TastaturLock", &R::tastaturLock, true),
        Integer("Textcontrollnr", &R::textcontrollnr, 0),
        Flag("Maushilfe", &R::maushilfe, false),
        // Presentation and sound.
        Integer("Mit Sound", &R::mitSound, 2),
        Integer("Soundpause", &R::soundpause, 3, 0, 100),
        Integer("Hilfebild", &R::hilfebild, 0),
        Integer("SoundnachEingabe", &R::soundnachEingabe, 0),
        Integer("Tippton", &R::tippton, 1),
        // Spelling out.
        Integer("Buchstabieren", &R::buchstabieren, 3),
        Integer("Buchstabierpause", &R::buchstabierpause, 3, 0, 100),
        Integer("Stimme", &R::stimme, 0, 0, 5),
        // Feedback.
        Integer("Funsound", &R::funsound, 1),
        Integer("Positivsound", &R::positivsound, 1),
        Integer("Ratter", &R::ratter, -1),
        Integer("Beam", &R::beam, -1),
        Flag("Zufallnegativ", &R::zufallnegativ, false),
        Flag("Zufallpositiv", &R::zufallpositiv, false),
        Integer("Motivation", &R::motivation, 0),
        Integer("Motzahl", &R::motzahl, 2, 1, 6),
        Integer("Mit_ton", &R::mitTon, 1),
        // Display.
        Integer("Textausrichtung", &R::textausrichtung, 1),
        // Lists and pictures.
        Integer("Würfeln", &R::wuerfeln, 0),
        Integer("Felderanzahl", &R::felderanzahl, 6, 2, 6),
        Integer("Puzzelanzahl", &R::puzzelanzahl, 9),
        Integer("Aufdeckpause", &R::aufdeckpause, 2),
        Integer("Aufdeckenmanuell", &R::aufdeckenmanuell, 1),
        Integer("Bilderanzahl", &R::bilderanzahl, 0),
        Integer("Bedienung", &R::bedienung, 0),
        Integer("Rückseite", &R::rueckseite, 1),
    };
    for (SettingKey& k : keys)
        if (k.name == u"Puzzelanzahl")
            k.allowed = {9, 16, 25, 36};
    return keys;
}

} // namespace

const std::vector<SettingKey>& SettingKeys()
{
    static const std::vector<SettingKey> keys = MakeKeys();
    return keys;
}

const SettingKey& SettingKeyNamed(const QString& name)
{
    const auto& keys = SettingKeys();
    const auto it = std::find_if(keys.begin(), keys.end(), [&](const SettingKey& k) { return k.name == name; });
    Q_ASSERT(it != keys.end());
    return it == keys.end() ? keys.front() : *it;
}

int DefaultIn(const SettingKey& key, const QString& section)
{
    if (section.contains(Section::kWelchesWortStimmt)) {
        if (key.name == u"Mit Sound")
            return 3;
        if (key.name == u"Mit_ton")
            return 0;
    }
    if (key.name == u"mitArtikel" && section == Section::kBildMemory)
        return 0;
    return key.defaultValue;
}

int Limited(const SettingKey& key, int value)
{
    if (!key.allowed.isEmpty())
        return key.allowed.contains(value) ? value : key.defaultValue;
    return std::clamp(value, key.min, key.max);
}

const std::vector<CharacterKey>& CharacterKeys()
{
    static const std::vector<CharacterKey> keys = {
        {QStringLiteral("Textfarbe"), &R::textfarbe, &kColourCodes, 0, 15},
        {QStringLiteral("Hintergrundfarbe"), &R::hintergrundfarbe, &kColourCodes, 7, kCustomBackground},
        {QStringLiteral("Outfit"), &R::outfit, &kOutfitCodes, 0, 15},
    };
    return keys;
}
