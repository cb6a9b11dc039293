// The start sequence of the program, run on a program folder of the test's own.
#include "app/program_start.h"

#include "app/tfenster.h"
#include "controls/tproginfo.h"
#include "data/program_state.h"
#include "sound/fun_sounds.h"
#include "support/qt_printers.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QFile>
#include <QFontDatabase>
#include <gtest/gtest.h>

TEST(ProgramStart, CreatingTheMainWindowLoadsColoursSoundsFontsAndOptions)
{
    TempProgram prog;
    prog.Write("protokoll/jeder.ini", "");
    prog.Write("protokoll/namen.txt", "Name=PROTOKOLL\\JEDER.INI\r\n");
    prog.Write("vovu.ini", "[Version]\r\nLand=Schweiz\r\n");
    prog.Write("intern/colors.txt", "Farben\r\n$00123456\r\nclLime\r\n");
    const QByteArray wav = wavbytes::Wav(1, 8000, 16, QByteArray(160, '\0'));
    prog.Write("fun/positiv/prima.wav", wav);
    prog.Write("fun/positiv/super.wav", wav);
    prog.Write("fun/negativ/oh.wav", wav);
    const QString andika = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Regular.ttf");
    const bool withFont = QFile::exists(andika);
    if (withFont) {
        QDir().mkpath(prog.Path("TTF"));
        QFile::copy(andika, prog.Path("TTF/schul.ttf"));
    }
    Program().swissMode = false;
    ProgInfo().ResetColors();
    FunSounds() = FunSoundList{};

    int fontId = -1;
    {
        ProgramRun run{CommandLine{}};
        run.Create(prog.Root());
        run.Window().Begin();   // what showing the window does first
        EXPECT_EQ(ProgramFolder(), prog.Root());
        EXPECT_EQ(DataRoot(), prog.Root() + "protokoll/");
        EXPECT_EQ(ProgInfo().colors[1], 0x123456u);
        EXPECT_EQ(ProgInfo().colors[17], 0x123456u);
        EXPECT_EQ(ProgInfo().colors[2], 0x00FF00u);
        EXPECT_EQ(FunSounds().praiseCount, 2);
        EXPECT_EQ(FunSounds().errorCount, 1);
        EXPECT_TRUE(SwissMode());
        EXPECT_EQ(run.Window().windowTitle(), "Lirabo " + ProgramVersion());
        if (withFont) {
            ASSERT_EQ(run.Fonts().InstalledCount(), 1);
            fontId = run.Fonts().Ids().value(0);
            EXPECT_TRUE(QFontDatabase::applicationFontFamilies(fontId).contains("Andika"));
        }
    }
    // The end of the run removes the fonts it added.
    if (withFont)
        EXPECT_TRUE(QFontDatabase::applicationFontFamilies(fontId).isEmpty());
    ProgInfo().ResetColors();
    FunSounds() = FunSoundList{};
}
