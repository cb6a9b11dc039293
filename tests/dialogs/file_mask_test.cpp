#include "dialogs/file_mask.h"

#include "dialogs/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(FileMask, MatchesNamesAgainstSingleMasksAndLists)
{
    struct Case {
        const char* mask;
        const char* name;
        bool listed;
    } const cases[] = {
        {"*.*", "README", true},          // "*.*" is every name
        {"", "liste.txt", true},          // no mask: everything
        {"*.txt", "Liste.TXT", true},
        {"*.txt", "liste.txt.bak", false},
        {"*.jpg,*.gif,*.bmp", "a.GIF", true},
        {"*.jpg,*.gif,*.bmp", "a.wav", false},
        {"*.jpg,*.gif,*.bmp", "a.jp", false},   // a part of an extension is not one
        {"*.jpg,*.gif", "jpg", false},          // nor is a name without extension
        {" *.jpg ; *.wav ", "ton.wav", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MaskMatches(QString::fromUtf8(c.mask), QString::fromUtf8(c.name)), c.listed)
            << c.mask << " / " << c.name;
}

TEST(FileMask, ListsMatchingFilesSortedWithoutRegardToCaseAndNeverFolders)
{
    TempProgram prog;
    prog.Write("f/b.txt", "");
    prog.Write("f/A.txt", "");
    prog.Write("f/c.wav", "");
    prog.Write("f/ordner.txt/x.txt", "");
    EXPECT_EQ(MatchingFileNames(prog.Path("f"), "*.txt"), (QStringList{"A.txt", "b.txt"}));
    EXPECT_EQ(MatchingFileNames(prog.Path("f/"), "*.*"), (QStringList{"A.txt", "b.txt", "c.wav"}));
    EXPECT_TRUE(MatchingFileNames(prog.Path("fehlt"), "*.*").isEmpty());
}

TEST(FileMask, AFolderIsEmptyOnlyForANarrowSingleMask)
{
    TempProgram prog;
    prog.Write("bilder/a.png", "");
    QDir().mkpath(prog.Path("leer"));
    EXPECT_TRUE(FolderHasMatch(prog.Path("leer"), "*.*"));          // "." and ".."
    EXPECT_TRUE(FolderHasMatch(prog.Path("leer"), "*.jpg,*.gif"));   // a list searches "*.*"
    EXPECT_FALSE(FolderHasMatch(prog.Path("leer"), "*.txt"));
    EXPECT_FALSE(FolderHasMatch(prog.Path("bilder"), "*.txt"));
    EXPECT_TRUE(FolderHasMatch(prog.Path("bilder"), "*.PNG"));
    EXPECT_FALSE(FolderHasMatch(prog.Path("fehlt"), "*.*"));
}
