#pragma once
// The program's command line.
#include <QString>
#include <QStringList>

struct CommandLine {
    bool help = false;    // "--help", "-h", "/?": print the options and stop
    bool debug = false;   // "/debug" or "-debug": diagnostic log of the help viewer
    QString exercise;     // "--exercise NAME": start this exercise directly
    QString pupil;        // "--pupil NAME": for this pupil (else the first one)
    QString error;        // what was wrong with the command line, if anything
    QStringList ignored;  // anything else (options of Qt are taken by Qt)
};

CommandLine ParseCommandLine(const QStringList& arguments);   // without the program name
CommandLine ParseCommandLine(int argc, char** argv);
QString HelpText();
