#include "app/program_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An installed layout: the executable in usr/lib/lirabo, the content in
// usr/share/lirabo; and a build folder with the content beside the program.
TEST(ProgramFolder, ContentBesideTheExecutableOrInstalled)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + "/usr/lib/lirabo");
    QDir().mkpath(root + "/usr/share/lirabo/Intern");   // case does not matter
    QDir().mkpath(root + "/build/program/intern");
    QDir().mkpath(root + "/bare");
    const QString lib = root + "/usr/lib/lirabo/";
    const QString share = root + "/usr/share/lirabo/";
    const struct {
        const char* name;
        QString executable;
        QString installed;
        QString expected;
    } cases[] = {
        {"installed", lib, "../../share/lirabo", share},
        {"installed, no separator", root + "/usr/lib/lirabo", "../../share/lirabo/", share},
        {"installed, absolute", lib, share, share},
        {"content beside wins", root + "/build/program/", "../../usr/share/lirabo", root + "/build/program/"},
        {"no content anywhere", root + "/bare/", "../usr/share/missing", root + "/bare/"},
        {"no installed folder known", lib, "", lib},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindProgramFolder(c.executable, c.installed), c.expected);
    }
}
