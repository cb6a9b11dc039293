#pragma once
// "Bild zum Ton" is led by the spoken word: of its two sound boxes "Sprache"
// may be off only while "Geräusch" is on.

// The state of "Sprache" after a click on either box.
bool TiedSpeechBox(bool speechChecked, bool noiseChecked);
