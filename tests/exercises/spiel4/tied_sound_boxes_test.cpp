// The two sound boxes of "Bild zum Ton".
#include "exercises/spiel4/tied_sound_boxes.h"

#include <gtest/gtest.h>

TEST(TiedSoundBoxes, SpeechIsOffOnlyWhileTheNoiseIsOn)
{
    EXPECT_TRUE(TiedSpeechBox(false, false));  // unchecking "Geräusch" brings "Sprache" back
    EXPECT_FALSE(TiedSpeechBox(false, true));
    EXPECT_TRUE(TiedSpeechBox(true, false));
    EXPECT_TRUE(TiedSpeechBox(true, true));
}
