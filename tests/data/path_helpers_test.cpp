#include "data/path_helpers.h"
#include "data/program_state.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* in;
    const char* out;
};

} // namespace

TEST(PathHelpers, ResolvePathAgainstProgramFolder)
{
    TempProgram prog;
    // A program folder two levels below the drive root.
    Program().programFolder = QStringLiteral("C:\\Schule\\Lirabo\\");
    const PathCase cases[] = {
        {"Bilder\\Hund.png", "C:\\Schule\\Lirabo\\Bilder\\Hund.png"},
        {"\\Bilder\\Hund.png", "C:\\Schule\\Lirabo\\Bilder\\Hund.png"},
        {"..\\Daten\\a.txt", "C:\\Schule\\Daten\\a.txt"},
        {"..\\..\\Daten\\a.txt", "C:\\Daten\\a.txt"},
        {"..\\..\\..\\a.txt", "C:\\a.txt"},           // cannot go above the root
        {"../Daten/a.txt", "C:\\Schule\\Daten/a.txt"}, // "/" works as separator too
        {"Bilder\\..\\x.png", "C:\\Schule\\Lirabo\\Bilder\\..\\x.png"}, // only leading steps
        {"D:\\Listen\\a.txt", "D:\\Listen\\a.txt"},
        {"\\\\server\\share\\a.txt", "\\\\server\\share\\a.txt"},
        {"listen\\\\a.txt", "listen\\\\a.txt"},         // holds two backslashes
        {"", "C:\\Schule\\Lirabo\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(ResolvePath(c.in), QString(c.out));
    }

    Program().programFolder = QStringLiteral("/opt/lirabo/");
    EXPECT_EQ(ResolvePath("..\\..\\x.wav"), "/x.wav");
    EXPECT_EQ(ResolvePath("/usr/share/x.wav"), "/usr/share/x.wav");
}

TEST(PathHelpers, FolderParts)
{
    const struct {
        const char* in;
        const char* folder;
        const char* parent;
        const char* bare;
        const char* name;
        const char* ext;
    } cases[] = {
        {"C:\\a\\b\\c.txt", "C:\\a\\b\\", "C:\\a\\b\\", "C:\\a\\b\\c.txt", "c.txt", ".txt"},
        {"C:\\a\\b\\", "C:\\a\\b\\", "C:\\a\\", "C:\\a\\b", "", ""},
        {"/a/b", "/a/", "/a/", "/a/b", "b", ""},
        {"C:x.wav", "C:", "C:x.wav", "C:x.wav", "x.wav", ".wav"},
        {"name.tar.gz", "name.tar.gz", "name.tar.gz", "name.tar.gz", "name.tar.gz", ".gz"},
        {"\\", "\\", "\\", "", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(FolderPart(c.in), QString(c.folder));
        EXPECT_EQ(ParentFolder(c.in), QString(c.parent));
        EXPECT_EQ(WithoutTrailingSeparator(c.in), QString(c.bare));
        EXPECT_EQ(FileNamePart(c.in), QString(c.name));
        EXPECT_EQ(ExtensionPart(c.in), QString(c.ext));
    }
    EXPECT_EQ(ChangeExtension("protokoll\\jeder1.ini", ".fhl"), "protokoll\\jeder1.fhl");
    EXPECT_EQ(ChangeExtension("protokoll\\jeder", ".txt"), "protokoll\\jeder.txt");
    EXPECT_EQ(JoinPath("a\\", "\\b"), "a\\b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("a", "b"), "a\\b");
}

TEST(PathHelpers, ExistsWithWildcardsAndFolders)
{
    TempProgram prog;
    prog.Write("Sounds/Hund.WAV", "x");
    const QString root = prog.Root();
    EXPECT_TRUE(Exists(root + "sounds\\hund.wav"));
    EXPECT_TRUE(Exists(root + "sounds\\h*.wav"));
    EXPECT_TRUE(Exists(root + "sounds\\H?nd.*"));
    EXPECT_TRUE(Exists(root + "SOUNDS"));  // a folder counts
    EXPECT_FALSE(Exists(root + "sounds\\k*.wav"));
    EXPECT_FALSE(Exists(root + "bilder\\*"));
    EXPECT_FALSE(Exists(""));
    EXPECT_TRUE(FileExists(root + "sounds\\hund.wav"));
    EXPECT_FALSE(FileExists(root + "sounds"));
    EXPECT_TRUE(FolderExists(root + "sounds\\"));
}

TEST(PathHelpers, UniqueFileNameNumbersFromOne)
{
    TempProgram prog;
    const QString folder = prog.Path("protokoll/");
    CreateFolders(folder);
    EXPECT_EQ(UniqueFileName(folder, "jeder", ".ini"), folder + "jeder.ini");
    prog.Write("protokoll/jeder.ini", "");
    prog.Write("protokoll/JEDER1.INI", "");  // names compare ignoring case
    EXPECT_EQ(UniqueFileName(folder, "jeder", ".ini"), folder + "jeder2.ini");
    prog.Write("protokoll/jeder2.ini", "");
    prog.Write("protokoll/jeder10.ini", "");
    EXPECT_EQ(UniqueFileName(folder, "jeder", ".ini"), folder + "jeder3.ini");
    // A relative folder is resolved against the program folder.
    EXPECT_EQ(UniqueFileName("protokoll\\", "jeder", ".ini"), prog.Root() + "protokoll\\jeder3.ini");
}

TEST(PathHelpers, DeleteMatchingDeletesFilesOnly)
{
    TempProgram prog;
    prog.Write("p/jeder1.ini", "");
    prog.Write("p/jeder1.TXT", "");
    prog.Write("p/jeder12.ini", "");
    prog.Write("p/jeder1.d/keep", "");
    EXPECT_TRUE(DeleteMatching(prog.Root() + "P\\jeder1.*"));
    EXPECT_FALSE(FileExists(prog.Path("p/jeder1.ini")));
    EXPECT_FALSE(FileExists(prog.Path("p/jeder1.TXT")));
    EXPECT_TRUE(FileExists(prog.Path("p/jeder12.ini")));
    EXPECT_TRUE(FileExists(prog.Path("p/jeder1.d/keep")));
    EXPECT_FALSE(DeleteMatching(prog.Root() + "p\\jeder1.*"));
    EXPECT_TRUE(DeleteMatching(prog.Root() + "p\\jeder12.ini"));
    EXPECT_FALSE(DeleteMatching(prog.Root() + "p\\missing.ini"));
}

TEST(PathHelpers, RelativeTo)
{
    TempProgram prog;
    prog.Write("protokoll/jeder1.ini", "");
    const QString root = prog.Root();
    const struct {
        QString base;
        QString path;
        QString out;
    } cases[] = {
        {root, root + "protokoll/jeder1.ini", "protokoll/jeder1.ini"},
        {root.toUpper(), root + "protokoll\\jeder1.ini", "protokoll\\jeder1.ini"},
        {root, root + "protokoll/", "protokoll"},
        {root + "protokoll\\", root + "protokoll/jeder1.ini", "jeder1.ini"},
        {root, root + "protokoll/jeder9.ini", root + "protokoll/jeder9.ini"}, // missing
        {"/elsewhere/", root + "protokoll/jeder1.ini", root + "protokoll/jeder1.ini"},
        {"", root + "protokoll/jeder1.ini", root + "protokoll/jeder1.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(RelativeTo(c.base, c.path), c.out);
    }
}

TEST(PathHelpers, SamePathCopyAndCreate)
{
    TempProgram prog;
    EXPECT_TRUE(SamePath("C:\\A\\b.ini", "c:/a/B.INI"));
    EXPECT_FALSE(SamePath("C:\\A\\b.ini", "C:\\A\\b1.ini"));
    ASSERT_TRUE(CreateFolders(prog.Root() + "x\\y\\z\\"));
    EXPECT_TRUE(FolderExists(prog.Root() + "X\\Y\\Z"));
    prog.Write("a.ini", "new");
    prog.Write("b.ini", "old");
    EXPECT_FALSE(CopyFile(prog.Path("a.ini"), prog.Path("b.ini")));
    EXPECT_EQ(prog.Read("b.ini"), "old");
    EXPECT_TRUE(CopyFile(prog.Path("a.ini"), prog.Path("b.ini"), true));
    EXPECT_EQ(prog.Read("b.ini"), "new");
    EXPECT_TRUE(CopyFile(prog.Root() + "A.INI", prog.Root() + "x\\c.ini"));
    EXPECT_EQ(prog.Read("x/c.ini"), "new");
    EXPECT_FALSE(CopyFile(prog.Path("missing.ini"), prog.Path("d.ini")));
}
