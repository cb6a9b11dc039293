#include "app/exercise_start.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "support/temp_program.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(ExerciseStart, Names)
{
    EXPECT_EQ(ExerciseByName("1"), ExerciseKind::HoerenUndSchreiben);
    EXPECT_EQ(ExerciseByName("Hoeren"), ExerciseKind::HoerenUndSchreiben);
    EXPECT_EQ(ExerciseByName("1L"), ExerciseKind::Lautieruebung);
    EXPECT_EQ(ExerciseByName("lautier"), ExerciseKind::Lautieruebung);
    EXPECT_EQ(ExerciseByName("2"), ExerciseKind::None);
    EXPECT_EQ(ExerciseByName(""), ExerciseKind::None);
}

// The certificate data goes at the first start of a run only; a result
// summary goes at every start until certificate data exists.
TEST(ExerciseStart, FirstStartClearsTheResultsOfEarlierRuns)
{
    TempProgram prog;
    const QString profile = prog.Write("protokoll/anna.ini", "");
    Program().currentProfilePath = profile;
    Program().firstStart = true;
    const QString zgn = ChangeExtension(profile, ".zgn");
    const QString rtf = ChangeExtension(profile, ".rtf");

    prog.Write("protokoll/anna.rtf", "{\\rtf1}");
    PrepareResults();
    EXPECT_FALSE(QFile::exists(rtf));
    EXPECT_TRUE(Program().firstStart);

    prog.Write("protokoll/anna.rtf", "{\\rtf1}");
    prog.Write("protokoll/anna.zgn", "Zeugnis");
    PrepareResults();
    EXPECT_FALSE(QFile::exists(zgn));
    EXPECT_FALSE(QFile::exists(rtf));
    EXPECT_FALSE(Program().firstStart);

    prog.Write("protokoll/anna.zgn", "Zeugnis");
    prog.Write("protokoll/anna.rtf", "{\\rtf1}");
    PrepareResults();
    EXPECT_TRUE(QFile::exists(zgn));
    EXPECT_TRUE(QFile::exists(rtf));
    Program().firstStart = true;
}
