// The "Bild zum Ton" window.
#include "exercises/spiel3/tprog3_fixture.h"
#include "exercises/spiel4/tprog4.h"

#include <QCheckBox>

TEST_F(PictureExerciseTest, SoundBoxesKeepTheSpeechUnlessTheNoiseIsOn)
{
    Prepare(Section::kBildZumTon, 3, 2);
    Open<Tprog4>();
    EXPECT_EQ(w->windowTitle(), "Bild zum Ton");
    ASSERT_TRUE(w->SpeechBox()->isChecked());
    w->SpeechBox()->setChecked(false);   // allowed while the noise is on
    EXPECT_FALSE(w->SpeechBox()->isChecked());
    w->NoiseBox()->setChecked(false);    // then the speech comes back
    EXPECT_TRUE(w->SpeechBox()->isChecked());
    w->SpeechBox()->setChecked(false);
    EXPECT_TRUE(w->SpeechBox()->isChecked());
}

TEST_F(PictureExerciseTest, BildZumTonWritesItsOwnResults)
{
    Prepare(Section::kBildZumTon, 3, 2);
    Open<Tprog4>();
    Run(1000);
    Click(w->RightField());
    Close();
    const QString protocol = Results(".txt");
    EXPECT_TRUE(protocol.contains("Bild zum Ton")) << protocol.toStdString();
    EXPECT_TRUE(protocol.contains("-OK-"));
    EXPECT_TRUE(Results(".zgn").contains("Bild zum Ton"));
}
