#include "app/command_line.h"

#include "app/exercise_start.h"
#include "data/program_state.h"

namespace {

// "--name value" or "--name=value"; true when a is that option. A missing
// value is reported in cl.error.
bool TakeValue(const QStringList& arguments, qsizetype& i, const QString& name, QString& value,
               CommandLine& cl)
{
    const QString& a = arguments[i];
    if (a.startsWith(name + u'=')) {
        value = a.mid(name.size() + 1);
        return true;
    }
    if (a != name)
        return false;
    if (i + 1 < arguments.size()) {
        value = arguments[++i];
    } else {
        cl.error = QStringLiteral("Zu %1 fehlt der Wert.").arg(name);
    }
    return true;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine cl;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (TakeValue(arguments, i, QStringLiteral("--exercise"), cl.exercise, cl)) {
            const ExerciseKind kind = ExerciseByName(cl.exercise);
            if (cl.error.isEmpty() && kind == ExerciseKind::None)
                cl.error = QStringLiteral("Unbekannte \u00dcbung: %1").arg(cl.exercise);
            else if (cl.error.isEmpty() && !ExerciseAvailable(kind))
                cl.error = QStringLiteral("Die \u00dcbung %1 gibt es in diesem Programm noch nicht.").arg(cl.exercise);
        } else if (TakeValue(arguments, i, QStringLiteral("--pupil"), cl.pupil, cl)) {
        } else if (a == u"--help" || a == u"-h" || a == u"/?" || a == u"-?")
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
                          "  --exercise NAME   startet gleich die \u00dcbung NAME; wird sie geschlossen,\n"
                          "                    endet das Programm. NAME ist eine von:\n") +
           ExerciseNamesHelp() +
           QStringLiteral("  --pupil NAME      f\u00fcr den angemeldeten Sch\u00fcler NAME (sonst der erste der\n"
                          "                    Namensliste)\n"
                          "  /debug, -debug    schreibt beim Start das Diagnoseprotokoll der Hilfe\n"
                          "                    (wo die Hilfeseiten und die Anleitung gesucht und ob\n"
                          "                    sie gefunden wurden) in \"hilfe-diagnose.txt\" im\n"
                          "                    Datenordner\n"
                          "  --help, -h, /?    zeigt diese \u00dcbersicht und beendet das Programm\n"
                          "\n"
                          "Optionen von Qt (zum Beispiel -platform offscreen) werden ebenfalls angenommen.\n"
                          "Der Programmordner ist der Ordner des Programms (als Paket installiert:\n"
                          "/usr/share/lirabo); die Sch\u00fclerdaten liegen in dessen Ordner \"protokoll\",\n"
                          "im Ordner aus \"netzwerkpfad.txt\" oder, wenn der Programmordner\n"
                          "schreibgesch\u00fctzt ist, unter $LIRABO_SHARED_DOCUMENTS bzw.\n"
                          "/var/lib/lirabo/KORVANT/<Programmordner>/protokoll/ (f\u00fcr Konten au\u00dferhalb\n"
                          "der Gruppe lirabo unter ~/.local/share/lirabo/KORVANT/...).\n");
}
