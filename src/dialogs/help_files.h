#pragma once
// The program's help files: the pages of the "Html" folder, the manual, how a
// link of a page finds its file, and the help diagnostic log ("/debug"). No
// widgets here: the help window and the tests use the same lookups.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

inline const QString kHelpFolder = QStringLiteral("Html");
inline const QString kHelpIndexPage = QStringLiteral("Html\\index.htm");
inline const QString kManualFile = QStringLiteral("Anleitung-lrb.pdf");
inline const QString kHelpDiagnosisFile = QStringLiteral("hilfe-diagnose.txt");

// The help page of each exercise window. Exercise 7 ("Lesen lernen") shows
// that of exercise 3, exercise 6 ("Sound-Memory") that of exercise 5.
inline const QString kHelpPageExercise1 = QStringLiteral("Html\\LRB Programm 1.html");
inline const QString kHelpPageExercise2 = QStringLiteral("Html\\LRB Programm 2.html");
inline const QString kHelpPageExercise3 = QStringLiteral("Html\\LRB Programm 3.html");
inline const QString kHelpPageExercise4 = QStringLiteral("Html\\LRB Programm 4.html");
inline const QString kHelpPageMemory = QStringLiteral("Html\\LRB Programm 5 und 6.html");

// One help file looked for: what it is, its program path, the native path it
// resolved to and whether it is there.
struct HelpFileCheck {
    QString what;
    QString programPath;
    QString resolved;
    bool found = false;
};

// The "Html" folder, the index page, every exercise page and the manual, in
// this order, looked for below the program folder.
QList<HelpFileCheck> CheckHelpFiles();

// The lines of the diagnostic log: the time, the program and data folders and
// one line per help file with its resolved path and "gefunden" or "fehlt".
QStringList HelpDiagnosisLines(const QDateTime& when);

// Writes the log to DataRoot + "hilfe-diagnose.txt"; false when that fails.
bool WriteHelpDiagnosis(const QDateTime& when = QDateTime::currentDateTime());

// The native path of a program path (either separator, any case).
QString HelpFilePath(const QString& programPath);
// The native path of a local file URL as a page links it: each component
// matched without regard to case; empty for a URL that is no local file.
QString HelpFileOfUrl(const QUrl& url);
// True for links the desktop opens (web pages, mail addresses).
bool IsExternalLink(const QUrl& url);
