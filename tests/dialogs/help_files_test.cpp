// The help diagnostic log ("/debug") on a program folder with one page and
// the manual missing and names in another case than the program asks for.
#include "app/command_line.h"
#include "app/program_start.h"
#include "dialogs/help_files.h"
#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace {

void WriteHelpFolder(const TempProgram& prog)
{
    for (const char* page : {"html/INDEX.HTM", "html/LRB Programm 1.html", "html/LRB Programm 2.html",
                             "html/lrb programm 3.html", "html/LRB Programm 5 und 6.html"})
        prog.Write(page, "<html><title>x</title></html>");
}

} // namespace

TEST(HelpDiagnosis, NamesEveryFileWithItsPathAndWhetherItIsThere)
{
    TempProgram prog;
    WriteHelpFolder(prog);
    const QStringList lines = HelpDiagnosisLines(QDateTime(QDate(2026, 3, 4), QTime(8, 5, 9)));
    EXPECT_TRUE(lines.contains("Zeit: 04.03.2026 08:05:09"));
    EXPECT_TRUE(lines.contains("Programmordner: " + prog.Root()));
    EXPECT_TRUE(lines.contains("Datenordner: " + prog.Root() + "protokoll/"));

    const struct {
        QString programPath;
        QString resolved;
        bool found;
    } cases[] = {
        {"Html", "html", true},
        {"Html\\index.htm", "html/INDEX.HTM", true},
        {"Html\\LRB Programm 1.html", "html/LRB Programm 1.html", true},
        {"Html\\LRB Programm 3.html", "html/lrb programm 3.html", true},
        {"Html\\LRB Programm 4.html", "html/LRB Programm 4.html", false},
        {"Html\\LRB Programm 5 und 6.html", "html/LRB Programm 5 und 6.html", true},
        {"Anleitung-lrb.pdf", "Anleitung-lrb.pdf", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programPath.toStdString());
        const QString line = QStringLiteral("\"%1\": %2 - %3")
                                 .arg(c.programPath, prog.Path(c.resolved), c.found ? "gefunden" : "fehlt");
        EXPECT_EQ(lines.filter(line).size(), 1) << lines.join('\n').toStdString();
    }
    EXPECT_EQ(lines.filter("fehlt").size(), 2);
    EXPECT_EQ(lines.last(), "Es fehlen 2 Hilfedateien.");
}

TEST(HelpDiagnosis, DebugOnTheCommandLineWritesTheLogAtStart)
{
    for (const QStringList& args : {QStringList{"/debug"}, QStringList{"-DEBUG"}, QStringList{}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        TempProgram prog;
        WriteHelpFolder(prog);
        prog.Write("protokoll/jeder.ini", "");
        {
            ProgramRun run{ParseCommandLine(args)};
            run.Create(prog.Root());
        }
        const QStringList log = ReadTextLines(prog.Path("protokoll/hilfe-diagnose.txt"));
        if (!args.isEmpty()) {
            ASSERT_FALSE(log.isEmpty());
            EXPECT_TRUE(log.first().startsWith("Lirabo "));
            EXPECT_EQ(log.filter("\"Html\\LRB Programm 4.html\"").value(0).endsWith(" - fehlt"), true);
        } else {
            EXPECT_TRUE(log.isEmpty());
        }
    }
    EXPECT_TRUE(HelpText().contains("hilfe-diagnose.txt"));
}
