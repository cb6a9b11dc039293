// Spelling out: units, their sound files and UnitLength.
#include "sound/spelling.h"

#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

// Spells text from the first character to the end; each unit as "unit=file".
QStringList SpellAll(const QString& text, SpellKind kind, bool sounds, const QStringList& groups)
{
    QStringList out;
    int pos = 0;
    while (pos < text.size()) {
        const SpellUnit u = ChooseSpellUnit(text, pos, kind, sounds, groups);
        EXPECT_TRUE(u.valid);
        EXPECT_GT(u.next, pos);
        out << (u.pause ? QStringLiteral("<pause>") : u.unit + u'=' + u.file);
        pos = u.next;
    }
    return out;
}

struct SpellCase {
    const char* text;
    SpellKind kind;
    bool sounds;
    QStringList groups;
    QStringList expected;
};

TEST(Spelling, UnitsAndFiles)
{
    TempProgram prog;
    const QString L = QStringLiteral("ABC\\Lautiert\\");
    const QString W = QStringLiteral("ABC\\w\\");
    const std::vector<SpellCase> cases = {
        // Longest group first: "sch" wins over "ch".
        {"Schule", SpellKind::Groups, true, {"ch", "sch"},
         {"sch=" + L + "sch_.wav", "u=" + L + "u_.wav", "l=" + L + "l_.wav", "e=" + L + "e_.wav"}},
        // "st" at the word beginning has its own file, inside a word only the s is spoken.
        {"Stein", SpellKind::Groups, true, {"st"},
         {"st=" + L + "st_vorne_.wav", "e=" + L + "e_.wav", "i=" + L + "i_.wav", "n=" + L + "n_.wav"}},
        {"Fenster", SpellKind::Groups, true, {"st"},
         {"F=" + L + "F_.wav", "e=" + L + "e_.wav", "n=" + L + "n_.wav", "s=" + L + "s_ende_.wav",
          "t=" + L + "t_.wav", "e=" + L + "e_.wav", "r=" + L + "r_.wav"}},
        {"ein Spiel", SpellKind::Groups, true, {"sp", "ei", "ie"},
         {"ei=" + L + "ei_.wav", "n=" + L + "n_.wav", "<pause>", "sp=" + L + "sp_vorne_.wav",
          "ie=" + L + "ie_.wav", "l=" + L + "l_.wav"}},
        // Final s with letter sounds; an s between vowels is ordinary.
        {"Haus", SpellKind::Letters, true, {},
         {"H=" + L + "H_.wav", "a=" + L + "a_.wav", "u=" + L + "u_.wav", "s=" + L + "s_ende_.wav"}},
        {"Hose", SpellKind::Letters, true, {},
         {"H=" + L + "H_.wav", "o=" + L + "o_.wav", "s=" + L + "s_.wav", "e=" + L + "e_.wav"}},
        {"Tasse", SpellKind::Letters, true, {},
         {"T=" + L + "T_.wav", "a=" + L + "a_.wav", "s=" + L + "s_ende_.wav", "s=" + L + "s_ende_.wav",
          "e=" + L + "e_.wav"}},
        // Letter names know no final s; groups are ignored with letter names.
        {"Haus", SpellKind::Groups, false, {"au"},
         {"H=" + W + "H_.wav", "a=" + W + "a_.wav", "u=" + W + "u_.wav", "s=" + W + "s_.wav"}},
        {"Haus", SpellKind::Names, true, {"au"},
         {"H=" + W + "H_.wav", "a=" + W + "a_.wav", "u=" + W + "u_.wav", "s=" + W + "s_.wav"}},
        // Sharp s, umlauts and punctuation have names of their own.
        {"Straße", SpellKind::Letters, true, {},
         {"S=" + L + "S_.wav", "t=" + L + "t_.wav", "r=" + L + "r_.wav", "a=" + L + "a_.wav",
          QString::fromUtf8("ß=") + L + "Sz_.wav", "e=" + L + "e_.wav"}},
        {"Käse!", SpellKind::Letters, false, {},
         {"K=" + W + "K_.wav", QString::fromUtf8("ä=") + W + "ae_.wav", "s=" + W + "s_.wav",
          "e=" + W + "e_.wav", "!=" + W + "ausrufezeichen_.wav"}},
        {"Ü-Ö.", SpellKind::Letters, false, {},
         {QString::fromUtf8("Ü=") + W + "ue_.wav", "-=" + W + "bindestrich_.wav",
          QString::fromUtf8("Ö=") + W + "oe_.wav", ".=" + W + "punkt_.wav"}},
    };
    for (const SpellCase& c : cases)
        EXPECT_EQ(SpellAll(QString::fromUtf8(c.text), c.kind, c.sounds, c.groups), c.expected)
            << c.text;
}

TEST(Spelling, PositionOutsideTheTextSpeaksNothing)
{
    for (int pos : {-1, 5, 6})
        EXPECT_FALSE(ChooseSpellUnit(QStringLiteral("Hallo"), pos, SpellKind::Letters, true, {}).valid);
    EXPECT_FALSE(ChooseSpellUnit(QStringLiteral("Hallo"), 0, SpellKind::CapitalHint, true, {}).valid);
    EXPECT_EQ(HintSoundFile(SpellKind::CapitalHint), QStringLiteral("Fun\\grossschreiben.wav"));
    EXPECT_EQ(HintSoundFile(SpellKind::SmallHint), QStringLiteral("Fun\\kleinschreiben.wav"));
}

TEST(Spelling, MissingLetterFileFallsBackToSpokenWords)
{
    TempProgram prog;
    prog.Write("ABC\\Lautiert\\a_.wav", "x");
    prog.Write("pronomen\\x.wav", "x");
    prog.Write("sprache\\y\\y.wav", "x");
    const QStringList groups;
    // An existing letter file is kept as it is.
    EXPECT_EQ(ChooseSpellUnit("a", 0, SpellKind::Letters, true, groups).file,
              QStringLiteral("ABC\\Lautiert\\a_.wav"));
    // Missing: "pronomen" first, then "sprache" by first letter.
    EXPECT_TRUE(ChooseSpellUnit("x", 0, SpellKind::Letters, true, groups).file.endsWith("pronomen/x.wav"));
    EXPECT_TRUE(ChooseSpellUnit("y", 0, SpellKind::Letters, true, groups).file.endsWith("sprache/y/y.wav"));
    // Found nowhere: the letter file name stays.
    EXPECT_EQ(ChooseSpellUnit("z", 0, SpellKind::Letters, true, groups).file,
              QStringLiteral("ABC\\Lautiert\\z_.wav"));
}

TEST(Spelling, UnitLengthFollowsTheGroupRules)
{
    const QStringList st = {"st", "sch"};
    EXPECT_EQ(UnitLength("Fenster", 3, true, st), 1);
    EXPECT_EQ(UnitLength("Stein", 0, true, st), 2);
    EXPECT_EQ(UnitLength("ein Stein", 4, true, st), 2);
    EXPECT_EQ(UnitLength("Schule", 0, true, st), 3);
    EXPECT_EQ(UnitLength("Schule", 0, false, st), 1);
    EXPECT_EQ(UnitLength("Schule", 1, true, st), 1);
    EXPECT_EQ(UnitLength("Schule", 9, true, st), 1);
    EXPECT_EQ(UnitLength("Schule", -1, true, st), 1);
}

TEST(Spelling, LetterGroupsAreReadFromTheTable)
{
    TempProgram prog;
    EXPECT_TRUE(ReadLetterGroups().isEmpty());
    prog.Write("intern\\lautauswahl.txt", "ch\r\nSCH\r\n\r\nei\r\n");
    EXPECT_EQ(ReadLetterGroups(), (QStringList{"ch", "sch", "ei"}));
}

} // namespace
