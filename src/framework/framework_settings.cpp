#include "framework/framework_settings.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/ini_file.h"

namespace {

struct Values {
    int wuerfeln = 0;
    int auto2 = 0;
    int mitSound = 2;
    int bedienung = 0;
    int stimme = 0;
    int buchstabierpause = 3;
    int mitTon = 1;
    int soundnachEingabe = 0;
};

Values& Current()
{
    static Values values;
    return values;
}

} // namespace

void LoadFrameworkSettings(const QString& section)
{
    const QString file = ResolvePath(CurrentProfilePath());
    const bool welches = section.contains(QStringLiteral("Welches Wort stimmt?"));
    auto read = [&](const char* key, int def) { return Ini::ReadInt(file, section, QString::fromUtf8(key), def); };
    Values& v = Current();
    v.wuerfeln = read("Würfeln", 0);
    v.auto2 = read("Auto2", 0);
    v.mitSound = read("Mit Sound", welches ? 3 : 2);
    v.bedienung = read("Bedienung", 0);
    v.stimme = read("Stimme", 0);
    v.buchstabierpause = read("Buchstabierpause", 3);
    v.mitTon = read("Mit_ton", welches ? 0 : 1);
    v.soundnachEingabe = read("SoundnachEingabe", 0);
}

int SettingWuerfeln() { return Current().wuerfeln; }
int SettingAuto2() { return Current().auto2; }
int SettingMitSound() { return Current().mitSound; }
void SetSettingMitSound(int value) { Current().mitSound = value; }
int SettingBedienung() { return Current().bedienung; }
int SettingStimme() { return Current().stimme; }
int SettingBuchstabierpause() { return Current().buchstabierpause; }
int SettingMitTon() { return Current().mitTon; }
int SettingSoundnachEingabe() { return Current().soundnachEingabe; }
