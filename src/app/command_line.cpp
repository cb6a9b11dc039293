#include "app/command_line.h"

#include "data/program_state.h"

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine cl;
    for (const QString& a : arguments) {
        if (a == u"--help" || a == u"-h" || a == u"/?" || a == u"-?")
            cl.help = true;
        else if (a.compare(u"/debug", Qt::CaseInsensitive) == 0 ||
                 a.compare(u"-debug", Qt::CaseInsensitive) == 0)
            cl.debug = true;
        else
            cl.ignored.append(a);
    }
    return cl;
}

CommandLine ParseCommandLine(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return ParseCommandLine(args);
}

QString HelpText()
{
    return QStringLiteral("Lirabo ") + ProgramVersion() +
           QStringLiteral(" \u2013 Lesen und Rechtschreiben \u00fcben\n"
                          "\n"
                          "Aufruf: lirabo [Optionen]\n"
                          "\n"
                          "Optionen:\n"
                          "  /debug, -debug    schreibt beim \u00d6ffnen der Hilfe ein Diagnoseprotokoll\n"
                          "  --help, -h, /?    zeigt diese \u00dcbersicht und beendet das Programm\n"
                          "\n"
                          "Optionen von Qt (zum Beispiel -platform offscreen) werden ebenfalls angenommen.\n"
                          "Der Programmordner ist der Ordner des Programms; die Sch\u00fclerdaten liegen in\n"
                          "dessen Ordner \"protokoll\", im Ordner aus \"netzwerkpfad.txt\" oder, wenn der\n"
                          "Programmordner schreibgesch\u00fctzt ist, unter $LIRABO_SHARED_DOCUMENTS bzw.\n"
                          "/var/lib/lirabo/KORVANT/<Programmordner>/protokoll/.\n");
}
