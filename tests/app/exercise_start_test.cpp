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
    EXPECT_EQ(ExerciseByName("7"), ExerciseKind::LesenLernen);
    EXPECT_EQ(ExerciseByName("9"), ExerciseKind::None);
    EXPECT_EQ(ExerciseByName(""), ExerciseKind::None);
}

// Every exercise has its row: names that lead back to it, its profile section
// and the mark the menu's info tile shows after it.
TEST(ExerciseStart, TableRows)
{
    const struct {
        ExerciseKind kind;
        QString section;
        char mark;
    } rows[] = {
        {ExerciseKind::HoerenUndSchreiben, "Hören und Schreiben ", '1'},
        {ExerciseKind::Lautieruebung, "Lautierübung", '1'},
        {ExerciseKind::WelchesWortStimmt, "Welches Wort stimmt?", '3'},
        {ExerciseKind::BildZumWort, "Bild zum Wort", '2'},
        {ExerciseKind::BildZumTon, "Bild zum Ton", '6'},
        {ExerciseKind::BildMemory, "Bild-Memory", '0'},
        {ExerciseKind::SoundMemory, "Sound-Memory", 'c'},
        {ExerciseKind::LesenLernen, "Lesen lernen", '2'},
    };
    for (const auto& r : rows) {
        const ExerciseStart* e = FindExerciseStart(r.kind);
        ASSERT_NE(e, nullptr);
        SCOPED_TRACE(e->caption);
        EXPECT_EQ(ExerciseByName(e->number), r.kind);
        EXPECT_EQ(ExerciseByName(QString(e->word).toUpper()), r.kind);
        EXPECT_EQ(ExerciseSection(r.kind), r.section);
        EXPECT_EQ(e->mark, r.mark);
        EXPECT_EQ(ExerciseNamesHelp().contains(QString::fromUtf8(e->caption)), ExerciseAvailable(r.kind));
    }
    EXPECT_EQ(FindExerciseStart(ExerciseKind::None), nullptr);
    EXPECT_EQ(RunExercise(ExerciseKind::None), 0);
    EXPECT_TRUE(ExerciseAvailable(ExerciseKind::HoerenUndSchreiben));
}

// Certificate data and result summary go at a pupil's first start of a run
// only, whether or not there was certificate data then; another pupil's
// first start clears that pupil's files.
TEST(ExerciseStart, FirstStartOfEachPupilClearsTheResultsOfEarlierRunsOnce)
{
    TempProgram prog;
    const QString anna = prog.Write("protokoll/anna.ini", "");
    const QString ben = prog.Write("protokoll/ben.ini", "");
    Program().firstStart = true;
    prog.Write("protokoll/anna.rtf", "{\\rtf1}");
    prog.Write("protokoll/ben.zgn", "alt");

    Program().currentProfilePath = anna;
    PrepareResults();   // no certificate data yet
    EXPECT_FALSE(QFile::exists(ChangeExtension(anna, ".rtf")));
    // The first exercise writes its certificate data; the second keeps it.
    prog.Write("protokoll/anna.zgn", "Zeugnis");
    prog.Write("protokoll/anna.rtf", "{\\rtf1}");
    PrepareResults();
    EXPECT_TRUE(QFile::exists(ChangeExtension(anna, ".zgn")));
    EXPECT_TRUE(QFile::exists(ChangeExtension(anna, ".rtf")));

    Program().currentProfilePath = ben;
    PrepareResults();
    EXPECT_FALSE(QFile::exists(ChangeExtension(ben, ".zgn")));
    Program().currentProfilePath = anna;
    PrepareResults();
    EXPECT_TRUE(QFile::exists(ChangeExtension(anna, ".zgn")));

    // A new run starts afresh.
    Program().firstStart = true;
    PrepareResults();
    EXPECT_FALSE(QFile::exists(ChangeExtension(anna, ".zgn")));
    Program().firstStart = true;
}

TEST(ExerciseStart, UncoveringModeByName)
{
    for (const char* name : {"2a", "AUFDECK"}) {
        EXPECT_EQ(ExerciseByName(name), ExerciseKind::WelchesWortStimmt) << name;
        EXPECT_TRUE(ExerciseOptionsByName(name).uncover) << name;
    }
    EXPECT_FALSE(ExerciseOptionsByName("2").uncover);
    EXPECT_TRUE(ExerciseAvailable(ExerciseKind::WelchesWortStimmt));
    EXPECT_TRUE(ExerciseNamesHelp().contains("2a, aufdeck"));
}
