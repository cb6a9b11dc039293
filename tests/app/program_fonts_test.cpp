#include "app/program_fonts.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(ProgramFonts, AddedForTheRunAndRemovedAtTheEnd)
{
    const QString system = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Regular.ttf");
    if (!QFile::exists(system))
        GTEST_SKIP() << "fonts-sil-andika is not installed";
    TempProgram prog;
    QDir().mkpath(prog.Path("TTF"));
    QFile::copy(system, prog.Path("TTF/Schrift.TTF"));
    prog.Write("TTF/kaputt.ttf", "no font");      // skipped
    prog.Write("TTF/liesmich.txt", "matches *.t*"); // tried, skipped
    prog.Write("TTF/alt.fon", "");                  // does not match

    ProgramFonts fonts;
    EXPECT_EQ(fonts.Install(prog.Root() + "ttf\\"), 1);
    EXPECT_EQ(fonts.InstalledCount(), 1);
    const int id = fonts.Ids().value(0, -1);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains("Andika"));
    fonts.RemoveAll();
    EXPECT_EQ(fonts.InstalledCount(), 0);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).isEmpty());
    EXPECT_EQ(fonts.Install(prog.Path("missing/")), 0);
}

TEST(ProgramFonts, WindowsFaceNamesAreMapped)
{
    ProgramFonts::InsertSubstitutions();
    ProgramFonts::InsertSubstitutions();   // twice does not add twice
    const struct {
        const char* face;
        const char* free;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Comic Sans MS", "Comic Neue"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"KV_Druckschrift", "Andika"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(QFont::substitutes(c.face).join(',').toLower(), QString(c.free).toLower());
        if (QFontDatabase::families().contains(c.free))
            EXPECT_EQ(QFontInfo(QFont(c.face, 12)).family(), QString(c.free));
    }
}
