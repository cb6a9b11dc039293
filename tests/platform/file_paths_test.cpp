#include "platform/file_paths.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(FilePaths, AbsoluteRule)
{
    EXPECT_TRUE(IsAbsolutePath("/usr/x"));
    EXPECT_TRUE(IsAbsolutePath("C:\\x"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_FALSE(IsAbsolutePath("\\Bilder\\x.png"));
    EXPECT_FALSE(IsAbsolutePath("listen\\a.txt"));
}

TEST(FilePaths, MatchesComponentsIgnoringCase)
{
    TempProgram prog;
    prog.Write("Fun/Memory/Rueck2.WMF", "x");
    EXPECT_EQ(NativePath(prog.Root() + "fun\\memory\\rueck2.wmf"), prog.Root() + "Fun/Memory/Rueck2.WMF");
    // Missing tail components are kept as written so new files can be made.
    EXPECT_EQ(NativePath(prog.Root() + "fun\\neu\\a.txt"), prog.Root() + "Fun/neu/a.txt");
}

TEST(FilePaths, Wildcards)
{
    TempProgram prog;
    prog.Write("a/x1.wav", "");
    prog.Write("a/x22.WAV", "");
    prog.Write("a/y.txt", "");
    EXPECT_EQ(MatchingPaths(prog.Root() + "A\\x?.wav").size(), 1);
    EXPECT_EQ(MatchingPaths(prog.Root() + "a\\*.wav").size(), 2);
    EXPECT_TRUE(WildcardMatch("*.t*", "andika.ttf"));
    EXPECT_FALSE(WildcardMatch("*.t*", "readme"));
}
