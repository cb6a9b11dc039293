#include "app/command_line.h"
#include "data/program_state.h"

#include <gtest/gtest.h>

TEST(CommandLine, Options)
{
    const struct {
        QStringList args;
        bool help;
        bool debug;
        QStringList ignored;
    } cases[] = {
        {{}, false, false, {}},
        {{"/debug"}, false, true, {}},
        {{"-DEBUG"}, false, true, {}},
        {{"--help"}, true, false, {}},
        {{"/?", "-debug"}, true, true, {}},
        {{"-platform", "offscreen", "x"}, false, false, {"-platform", "offscreen", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.help, c.help);
        EXPECT_EQ(cl.debug, c.debug);
        EXPECT_EQ(cl.ignored, c.ignored);
    }
    EXPECT_TRUE(HelpText().startsWith("Lirabo " + ProgramVersion()));
    EXPECT_TRUE(HelpText().contains("/debug, -debug"));
}

TEST(CommandLine, ExerciseAndPupil)
{
    const struct {
        QStringList args;
        QString exercise;
        QString pupil;
        bool error;
    } cases[] = {
        {{"--exercise", "1", "--pupil", "Anna Maria"}, "1", "Anna Maria", false},
        {{"--exercise=LAUTIER", "--pupil=Tom"}, "LAUTIER", "Tom", false},
        {{"--pupil", "Tom"}, "", "Tom", false},
        {{"--exercise", "9"}, "9", "", true},
        {{"--exercise"}, "", "", true},
        {{"--pupil"}, "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.exercise, c.exercise);
        EXPECT_EQ(cl.pupil, c.pupil);
        EXPECT_EQ(!cl.error.isEmpty(), c.error);
        EXPECT_TRUE(cl.ignored.isEmpty());
    }
    EXPECT_TRUE(HelpText().contains("--exercise NAME"));
    EXPECT_TRUE(HelpText().contains("1l, lautier"));
}
