#pragma once
// The exercise settings the framework itself reads, in one place.
// Values follow the profile keys of the loaded exercise section.
#include <QString>

// Loads the settings of section as the current exercise settings.
void LoadFrameworkSettings(const QString& section);

int SettingWuerfeln();         // "Würfeln": 1 = random order
int SettingAuto2();            // "Auto2": 1 = capitals only
int SettingMitSound();         // "Mit Sound"
void SetSettingMitSound(int value);
int SettingBedienung();        // "Bedienung"
int SettingStimme();           // "Stimme": 3 and above letter sounds
int SettingBuchstabierpause(); // "Buchstabierpause", tenths of a second
int SettingMitTon();           // "Mit_ton"
int SettingSoundnachEingabe(); // "SoundnachEingabe"
