#include "app/program_fonts.h"

#include "platform/file_paths.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

int ProgramFonts::Install(const QString& folder)
{
    QString pattern = folder;
    if (!pattern.isEmpty() && !IsSeparator(pattern.back()))
        pattern += u'/';
    pattern += QStringLiteral("*.t*");
    int added = 0;
    for (const QString& file : MatchingPaths(pattern)) {
        if (!QFileInfo(file).isFile())
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0)
            continue;
        ids_.append(id);
        ++added;
    }
    return added;
}

void ProgramFonts::RemoveAll()
{
    for (int id : ids_)
        QFontDatabase::removeApplicationFont(id);
    ids_.clear();
}

void ProgramFonts::InsertSubstitutions()
{
    static const struct {
        const char* face;
        const char* free;
    } map[] = {
        {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Comic Sans MS", "Comic Neue"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"KV_Druckschrift", "Andika"},
    };
    for (const auto& m : map)
        if (!QFont::substitutes(QLatin1String(m.face)).contains(QLatin1String(m.free), Qt::CaseInsensitive))
            QFont::insertSubstitution(QLatin1String(m.face), QLatin1String(m.free));
}
