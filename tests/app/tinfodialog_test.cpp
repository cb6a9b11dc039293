#include "app/tinfodialog.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(Tinfodialog, InformationLinesAndVersion)
{
    TempProgram prog;
    prog.Write("INTERN/lirabo.txt",
               EncodeCp1252("[Info]\r\n1=Lesen üben\r\n2=Für die Grundschule\r\n3=Mehr: www.example.org/lirabo\r\n"));
    Tinfodialog dialog(nullptr, QStringLiteral("lirabo"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Info für Lirabo"));
    EXPECT_EQ(dialog.InfoLine(1), QStringLiteral("Version ") + ProgramVersion() + QStringLiteral("    Lesen üben  "));
    EXPECT_EQ(dialog.InfoLine(2), QStringLiteral("  Für die Grundschule  "));
    EXPECT_EQ(dialog.LineAddress(3), QStringLiteral("https://www.example.org/lirabo"));
    EXPECT_TRUE(dialog.LineAddress(2).isEmpty());
    EXPECT_TRUE(dialog.InfoLine(4).isEmpty());

    Tinfodialog bare(nullptr, QStringLiteral("anders"));   // no information file
    EXPECT_EQ(bare.InfoLine(1), QStringLiteral("  Version ") + ProgramVersion());
}

TEST(Tinfodialog, OkTakesAndWritesTheOptions)
{
    TempProgram prog;
    Program().swissMode = false;
    Program().coverBackground = true;
    Program().startOnListChoice = true;
    Tinfodialog dialog(nullptr, QStringLiteral("lirabo"));
    SetModalHook([&](QDialog&) {
        EXPECT_TRUE(dialog.RB_deutschland->isChecked());
        EXPECT_TRUE(dialog.CK_hintergrund->isChecked());
        EXPECT_TRUE(dialog.CK_dateistart->isChecked());
        dialog.RB_schweiz->setChecked(true);
        dialog.CK_hintergrund->setChecked(false);
        dialog.CK_dateistart->setChecked(false);
        dialog.B_ok->click();
        EXPECT_TRUE(SwissMode());   // at once, before the dialog has closed
        return int(QDialog::Accepted);
    });
    dialog.Present();
    SetModalHook({});
    const QString ini = prog.Path("vovu.ini");
    EXPECT_EQ(Ini::ReadString(ini, "Version", "Land", ""), QStringLiteral("Schweiz"));
    EXPECT_EQ(Ini::ReadString(ini, "Vollbild", "Taskleiste sichtbar", ""), QStringLiteral("1"));
    EXPECT_EQ(Ini::ReadString(ini, "Programmstart", "Bei Datei", ""), QStringLiteral("0"));
    EXPECT_TRUE(SwissMode());
    EXPECT_FALSE(CoverBackground());
    EXPECT_FALSE(StartOnListChoice());

    // Closed without OK: the background follows what the file says.
    Ini::WriteString(ini, "Vollbild", "Taskleiste sichtbar", "2");
    SetModalHook([&](QDialog&) {
        EXPECT_TRUE(dialog.RB_schweiz->isChecked());
        EXPECT_FALSE(dialog.CK_hintergrund->isChecked());
        return int(QDialog::Rejected);
    });
    dialog.Present();
    SetModalHook({});
    EXPECT_TRUE(CoverBackground());
}

} // namespace
