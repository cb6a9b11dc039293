#include "dialogs/tform_lautauswahl.h"

#include "dialogs/qt_printers.h"
#include "support/temp_program.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList Checked(const TForm_lautauswahl& dialog)
{
    QStringList groups;
    for (const char* g : {"ch", "ck", "pf", "ph", "qu", "sch", "sp", "st", "tz", "ai", "au", "äu", "ei", "eu", "ie", "oi"})
        if (dialog.Box(QString::fromUtf8(g))->isChecked())
            groups.append(QString::fromUtf8(g));
    return groups;
}

} // namespace

TEST(PhonicsDialog, ShowsTheGroupsOfTheFileAndWritesThemInTheDialogOrder)
{
    TempProgram prog;
    prog.Write("intern/lautauswahl.txt", "SCH \r\nei\r\nxyz\r\n");
    TForm_lautauswahl dialog;
    dialog.Box("ch")->setChecked(true);   // not in the file: unchecked on show
    dialog.FormShow();
    EXPECT_EQ(Checked(dialog), (QStringList{"sch", "ei"}));

    for (const char* g : {"qu", "äu", "st", "ch"})
        dialog.Box(QString::fromUtf8(g))->setChecked(true);
    dialog.Box("ei")->setChecked(false);
    dialog.B_ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prog.Read("intern/lautauswahl.txt"), QByteArray("ch\r\nst\r\n\xe4u\r\nqu\r\nsch\r\n"));
}

TEST(PhonicsDialog, AMissingFileKeepsTheBoxesAndAbbruchKeepsTheFile)
{
    TempProgram prog;
    TForm_lautauswahl dialog;
    dialog.Box("au")->setChecked(true);
    dialog.FormShow();
    EXPECT_EQ(Checked(dialog), QStringList{"au"});

    prog.Write("intern/lautauswahl.txt", "ie\r\n");
    dialog.FormShow();
    dialog.Box("pf")->setChecked(true);
    dialog.B_abbruch->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(prog.Read("intern/lautauswahl.txt"), QByteArray("ie\r\n"));
}
