#include "dialogs/help_files.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QFileInfo>

namespace {

HelpFileCheck Check(const QString& what, const QString& programPath, bool folder)
{
    HelpFileCheck c;
    c.what = what;
    c.programPath = programPath;
    c.resolved = HelpFilePath(programPath);
    const QFileInfo info(c.resolved);
    c.found = folder ? info.isDir() : info.isFile();
    return c;
}

} // namespace

QString HelpFilePath(const QString& programPath)
{
    return NativePath(ResolvePath(programPath));
}

QString HelpFileOfUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    return NativePath(url.toLocalFile());
}

bool IsExternalLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto";
}

QList<HelpFileCheck> CheckHelpFiles()
{
    return {
        Check(QStringLiteral("Hilfe-Ordner"), kHelpFolder, true),
        Check(QStringLiteral("Übersicht"), kHelpIndexPage, false),
        Check(QStringLiteral("Übung 1 (Hören und Schreiben, Lautierübung)"), kHelpPageExercise1, false),
        Check(QStringLiteral("Übung 2 (Welches Wort stimmt?)"), kHelpPageExercise2, false),
        Check(QStringLiteral("Übung 3 und 7 (Bild zum Wort, Lesen lernen)"), kHelpPageExercise3, false),
        Check(QStringLiteral("Übung 4 (Bild zum Ton)"), kHelpPageExercise4, false),
        Check(QStringLiteral("Übung 5 und 6 (Bild-Memory, Sound-Memory)"), kHelpPageMemory, false),
        Check(QStringLiteral("Anleitung"), kManualFile, false),
    };
}

QStringList HelpDiagnosisLines(const QDateTime& when)
{
    QStringList lines = {
        QStringLiteral("Lirabo %1 - Diagnose der Hilfe").arg(ProgramVersion()),
        QStringLiteral("Zeit: ") + when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
        QStringLiteral("Programmordner: ") + ProgramFolder(),
        QStringLiteral("Datenordner: ") + DataRoot(),
        QString(),
    };
    int missing = 0;
    for (const HelpFileCheck& c : CheckHelpFiles()) {
        lines << QStringLiteral("%1 \"%2\": %3 - %4")
                     .arg(c.what, c.programPath, c.resolved,
                          c.found ? QStringLiteral("gefunden") : QStringLiteral("fehlt"));
        if (!c.found)
            ++missing;
    }
    lines << QString()
          << (missing == 0   ? QStringLiteral("Alle Hilfedateien wurden gefunden.")
              : missing == 1 ? QStringLiteral("Es fehlt eine Hilfedatei.")
                             : QStringLiteral("Es fehlen %1 Hilfedateien.").arg(missing));
    return lines;
}

bool WriteHelpDiagnosis(const QDateTime& when)
{
    return WriteTextLines(JoinPath(DataRoot(), kHelpDiagnosisFile), HelpDiagnosisLines(when), true);
}
