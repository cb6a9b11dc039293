// INI reader and writer: arbitrary bytes as a profile. Reading never fails;
// after a write the written key reads back, and every other section is kept.
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Files live in memory where possible: every write syncs to disk.
QString FuzzTempTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/lirabo-fuzz-XXXXXX");
}

const QString& ProfilePath()
{
    static QTemporaryDir dir(FuzzTempTemplate());
    static const QString path = dir.path() + QStringLiteral("/p.ini");
    return path;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    bool found = false;
    Ini::ValueIn(lines, QStringLiteral("Version"), QStringLiteral("Land"), &found);
    Ini::ValueIn(lines, QStringLiteral("H\u00f6ren und Schreiben "), QStringLiteral("Motzahl"), &found);

    const QString file = ProfilePath();
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    Ini::ReadString(file, QStringLiteral("Version"), QStringLiteral("Land"), QStringLiteral("x"), 200);
    Ini::ReadInt(file, QStringLiteral("Vollbild"), QStringLiteral("Taskleiste sichtbar"), 0);
    Ini::ReadInt(file, QStringLiteral("Programmstart"), QStringLiteral("Bei Datei"), 1);

    // A section named by the input itself, when it has a usable first line.
    QString section = QStringLiteral("Programmstart");
    if (!lines.isEmpty() && size % 3 == 0)
        section = lines.first().left(20).remove(u'[').remove(u']').trimmed();
    if (section.isEmpty())
        section = QStringLiteral("S");
    const QStringList sectionsBefore = Ini::SectionNames(file);
    if (!Ini::WriteString(file, section, QStringLiteral("Bei Datei"), QStringLiteral("wert")))
        return 0;
    Check(Ini::ReadString(file, section, QStringLiteral("Bei Datei"), QString()) == QStringLiteral("wert"));
    const QStringList sectionsAfter = Ini::SectionNames(file);
    Check(sectionsAfter.mid(0, sectionsBefore.size()) == sectionsBefore);
    Check(sectionsAfter.size() - sectionsBefore.size() <= 1);
    Ini::DeleteKey(file, section, QStringLiteral("Bei Datei"));
    Ini::KeyNames(file, section);
    return 0;
}
