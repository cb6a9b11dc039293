// Steps "ttf", "html" and "protokoll": files taken over from the system and
// the repository, and the pupil files of a first start.
#include "file_set.h"
#include "font_names.h"
#include "steps.h"

#include <QDir>
#include <QFile>

namespace {

// The school print font the program asks for, and the free font it is made of.
const QString kSchoolFontName = QStringLiteral("KV_Druckschrift");
const QString kSchoolFontSource = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Regular.ttf");

QByteArray ReadSystemFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("missing %1 (is the font package installed?)").arg(path));
    return f.readAll();
}

} // namespace

void MakeFont(const ContentPaths& paths)
{
    const auto renamed = RenameFontFamily(ReadSystemFile(kSchoolFontSource), kSchoolFontName);
    if (!renamed)
        Fail(QStringLiteral("cannot rename the font %1").arg(kSchoolFontSource));
    FileSet files(paths);
    files.Add(QStringLiteral("TTF\\") + kSchoolFontName + QStringLiteral(".ttf"), *renamed);
    files.WriteAll();
}

void MakeHelp(const ContentPaths& paths)
{
    FileSet files(paths);
    const QDir html(paths.In(QStringLiteral("Html")));
    for (const QString& name : html.entryList(QDir::Files, QDir::Name))
        files.Add(QStringLiteral("Html\\") + name, ReadSourceFile(html.filePath(name)));
    files.Add(QStringLiteral("LIZENZEN.txt"), Cp1252CopyOf(paths.In(QStringLiteral("LIZENZEN.txt"))));
    files.Add(QStringLiteral("netzwerk-info"), Cp1252CopyOf(paths.In(QStringLiteral("netzwerk-info.txt"))));
    files.WriteAll();
}

// The lines of an INI text with the keys of overlay added to their sections
// (sections missing in base are appended).
static QStringList MergedIni(QStringList base, const QStringList& overlay)
{
    QString section;
    for (const QString& line : overlay) {
        if (line.startsWith(u'[')) {
            section = line;
            if (!base.contains(section))
                base << section;
            continue;
        }
        qsizetype at = base.indexOf(section) + 1;
        while (at < base.size() && !base[at].startsWith(u'['))
            ++at;
        base.insert(at, line);
    }
    return base;
}

// The pupil files are the teacher's once the program has run: they are made
// only when missing and never overwritten. The shared profile starts with the
// standard settings and a fitting list for some exercises.
void MakeProfiles(const ContentPaths& paths)
{
    const QStringList profile = MergedIni(SourceLines(paths.In(QStringLiteral("intern/standard.ini"))),
                                          SourceLines(paths.In(QStringLiteral("protokoll/jeder.ini"))));
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("protokoll\\jeder.ini"), Cp1252Text(profile)},
        {QStringLiteral("protokoll\\namen.txt"), Cp1252Text({QStringLiteral("Name=protokoll\\jeder.ini")})},
    };
    for (const auto& [path, bytes] : files)
        if (!QFile::exists(paths.Out(path)))
            WriteIfChanged(paths.Out(path), bytes);
}
