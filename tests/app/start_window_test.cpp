#include "app/pupil_box.h"
#include "app/start_window.h"
#include "data/program_state.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(StartWindow, ShowingReadsRegistryAndOptions)
{
    TempProgram prog;
    prog.Write("protokoll/jeder.ini", "");
    prog.Write("protokoll/namen.txt", "=versteckt.ini\r\nAnna=protokoll\\anna.ini\r\nName=PROTOKOLL\\JEDER.INI\r\n");
    prog.Write("vovu.ini", "[Version]\r\nLand=Schweiz\r\n[Programmstart]\r\nBei Datei=0\r\n");
    Program().swissMode = false;
    Program().startOnListChoice = true;
    StartWindow window;
    window.CenterOnMouseMonitor();
    window.show();
    EXPECT_EQ(window.windowTitle(), "Lirabo " + ProgramVersion());
    EXPECT_EQ(window.Box()->currentText(), "Anna");
    EXPECT_EQ(CurrentProfilePath(), DataRoot() + "anna.ini");
    EXPECT_TRUE(SwissMode());
    EXPECT_FALSE(StartOnListChoice());
}
