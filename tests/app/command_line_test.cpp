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
