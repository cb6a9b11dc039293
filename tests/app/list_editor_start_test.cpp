// How the main menu starts the list editor.
#include "app/list_editor_start.h"

#include <gtest/gtest.h>

namespace {

TEST(ListEditorStart, MainMenuStartsTheEditorFromTheProgramFolderWithTheDataRoot)
{
    const ListEditorLaunch l = ListEditorLaunchOf(QStringLiteral("/opt/lirabo/"), QStringLiteral("/srv/daten/protokoll/"));
    EXPECT_EQ(l.program, QStringLiteral("/opt/lirabo/Dazidazud"));
    EXPECT_EQ(l.arguments, QStringList{QStringLiteral("/srv/daten/protokoll/")});
    EXPECT_EQ(l.workingFolder, QStringLiteral("/opt/lirabo"));
}

} // namespace
