#include "exercises/spiel4/tied_sound_boxes.h"

bool TiedSpeechBox(bool speechChecked, bool noiseChecked)
{
    return speechChecked || !noiseChecked;
}
