#include "platform/ini_file.h"
#include "data/profile_section.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

#include <climits>

TEST(IniFile, ReadsCaseInsensitivelyWithDefaults)
{
    TempProgram prog;
    const QString f = prog.Write("p.ini", QByteArray("junk line\r\nkey=outside\r\n[Hören und Schreiben ]\r\nMotzahl = 3 \r\n"
                                          "Name=\"quoted\"\r\n[hören und schreiben ]\r\nMotzahl=9\r\n").replace("\xC3\xB6", "\xF6"));
    EXPECT_EQ(Ini::ReadInt(f, "HÖREN UND SCHREIBEN ", "motzahl", 1), 3);
    EXPECT_EQ(Ini::ReadString(f, "Hören und Schreiben ", "Name", "d"), "quoted");
    EXPECT_EQ(Ini::ReadString(f, "Hören und Schreiben ", "Name", "d", 3), "quo");
    EXPECT_EQ(Ini::ReadInt(f, "x", "y", 7), 7);
    EXPECT_EQ(Ini::ReadInt(prog.Path("none.ini"), "x", "y", -2), -2);
}

TEST(IniFile, WritesKeepEverythingElse)
{
    TempProgram prog;
    const QString f = prog.Write("p.ini", "; comment\r\n[A]\r\nx=1\r\nunknown=keep\r\n\r\n[B]\r\nz=2\r\n");
    ASSERT_TRUE(Ini::WriteString(f, "a", "X", "5"));
    ASSERT_TRUE(Ini::WriteString(f, "A", "new", "n"));
    ASSERT_TRUE(Ini::WriteString(f, "C", "k", "v"));
    EXPECT_EQ(prog.Read("p.ini"),
              QByteArray("; comment\r\n[A]\r\nX=5\r\nunknown=keep\r\nnew=n\r\n\r\n[B]\r\nz=2\r\n[C]\r\nk=v\r\n"));
    ASSERT_TRUE(Ini::WriteInt(prog.Path("fresh.ini"), "S", "k", 4));
    EXPECT_EQ(Ini::ReadInt(prog.Path("fresh.ini"), "s", "K", 0), 4);
}

TEST(IniFile, SetValueInEditsLinesLikeAWrite)
{
    QStringList lines = {"; comment", "[A]", "x=1", "unknown=keep", "", "[B]", "z=2"};
    EXPECT_TRUE(Ini::SetValueIn(lines, "a", "X", "5"));
    EXPECT_TRUE(Ini::SetValueIn(lines, "A", "new", "n"));
    EXPECT_TRUE(Ini::SetValueIn(lines, "C", "k", "v"));
    EXPECT_FALSE(Ini::SetValueIn(lines, "c", "k", "v"));   // unchanged
    EXPECT_EQ(lines, (QStringList{"; comment", "[A]", "X=5", "unknown=keep", "new=n", "", "[B]", "z=2",
                                  "[C]", "k=v"}));
}

TEST(IniFile, NeverReplacesAFileItCannotRead)
{
    TempProgram prog;
    QDir().mkpath(prog.Path("blocked.ini"));
    EXPECT_FALSE(Ini::WriteString(prog.Path("blocked.ini"), "A", "k", "v"));
    EXPECT_FALSE(Ini::DeleteKey(prog.Path("blocked.ini"), "A", "k"));
    EXPECT_TRUE(QFileInfo(prog.Path("blocked.ini")).isDir());
}

// Profiles and program options read integers by one rule: the leading
// decimal number, the default when the value does not begin with one.
TEST(IniFile, IntegersByOneRuleForProfilesAndOptions)
{
    const struct {
        const char* value;
        int expected;   // with the default 7
    } cases[] = {
        {"3", 3},       {" 12abc", 12}, {"-4", -4},  {"+5", 5},       {"", 7},
        {"abc", 7},     {"-", 7},       {"x1", 7},   {"0x10", 0},     {"007", 7},
        {"99999999999", INT_MAX},       {"-99999999999", INT_MIN},    {"- 3", 7},
    };
    TempProgram prog;
    QByteArray ini = "[S]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        ini += "k" + QByteArray::number(qulonglong(i)) + "=" + cases[i].value + "\r\n";
    const QString f = prog.Write("p.ini", ini);
    const ProfileSection section(f, "S");
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QString key = "k" + QString::number(i);
        SCOPED_TRACE(cases[i].value);
        EXPECT_EQ(Ini::ReadInt(f, "S", key, 7), cases[i].expected);
        EXPECT_EQ(section.Int(key, 7), cases[i].expected);
    }
}
