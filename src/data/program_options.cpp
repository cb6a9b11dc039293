#include "data/program_options.h"

#include "data/program_state.h"
#include "platform/ini_file.h"

namespace {

const QString kVersion = QStringLiteral("Version");
const QString kLand = QStringLiteral("Land");
const QString kVollbild = QStringLiteral("Vollbild");
const QString kTaskleiste = QStringLiteral("Taskleiste sichtbar");
const QString kProgrammstart = QStringLiteral("Programmstart");
const QString kBeiDatei = QStringLiteral("Bei Datei");

} // namespace

QString ProgramOptionsFile()
{
    return ProgramFolder() + QStringLiteral("vovu.ini");
}

void ReadProgramOptions()
{
    const QString file = ProgramOptionsFile();
    Program().swissMode =
        Ini::ReadString(file, kVersion, kLand, QStringLiteral("Deutschland"), 200)
            .contains(QLatin1String("Schweiz"));
    Program().startOnListChoice = Ini::ReadInt(file, kProgrammstart, kBeiDatei, 1) == 1;
}

bool CoverBackgroundOption()
{
    return Ini::ReadInt(ProgramOptionsFile(), kVollbild, kTaskleiste, 0) != 1;
}

void ApplyCoverBackgroundOption()
{
    Program().coverBackground = CoverBackgroundOption();
}

bool WriteProgramOptions(bool swissMode, bool coverBackground, bool startOnListChoice)
{
    const QString file = ProgramOptionsFile();
    bool ok = Ini::WriteString(file, kVersion, kLand,
                               swissMode ? QStringLiteral("Schweiz") : QStringLiteral("Deutschland"));
    ok = Ini::WriteString(file, kVollbild, kTaskleiste,
                          coverBackground ? QStringLiteral("0") : QStringLiteral("1")) && ok;
    ok = Ini::WriteString(file, kProgrammstart, kBeiDatei,
                          startOnListChoice ? QStringLiteral("1") : QStringLiteral("0")) && ok;
    return ok;
}
