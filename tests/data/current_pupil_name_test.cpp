#include "data/program_state.h"
#include "data/pupil_selection.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(CurrentPupilName, FollowsTheNameThatChoseTheProfile)
{
    TempProgram prog;
    prog.Write("protokoll/namen.txt", "Lena=protokoll\\lena.ini\r\nTom=protokoll\\tom.ini\r\n");
    PupilSelection selection;
    selection.Start();
    EXPECT_EQ(CurrentPupilName(), QStringLiteral("Lena"));
    selection.SetText(QStringLiteral("Tom"));
    selection.SelectCurrentProfile();
    EXPECT_EQ(CurrentPupilName(), QStringLiteral("Tom"));
    selection.SetText(QStringLiteral("Mia"));
    EXPECT_EQ(selection.ConfirmPupilName(), PupilSelection::Confirmed::Added);
    EXPECT_EQ(CurrentPupilName(), QStringLiteral("Mia"));
}
