#include "dazidazud/list_check.h"

#include "controls/picture.h"
#include "dazidazud/entry_lookup.h"
#include "dazidazud/list_changes.h"
#include "data/path_helpers.h"
#include "sound/pcm_sound.h"

namespace {

void CheckSound(const QString& field, const QString& what, QStringList& problems)
{
    if (field.isEmpty())
        return;
    if (!FileExists(ResolvePath(field)))
        problems << QStringLiteral("%1 fehlt: %2").arg(what, field);
    else if (!LoadPcmSound(ResolvePath(field)))
        problems << QStringLiteral("%1 ist nicht abspielbar: %2").arg(what, field);
}

} // namespace

QStringList CheckRow(const std::array<QString, WordEntry::kFieldCount>& fields)
{
    QStringList problems;
    if (IsEmptyRow(fields))
        return {QStringLiteral("Leere Zeile: ein Wort eintragen oder die Zeile löschen")};
    if (fields[FieldWord].trimmed().isEmpty())
        problems << QStringLiteral("Deutsches Wort fehlt");
    const QString& picture = fields[FieldPicture];
    if (NamesPictureFile(picture)) {
        const QString path = PictureFieldPath(picture);
        Picture decoded;
        if (path.isEmpty())
            problems << QStringLiteral("Bild fehlt: %1").arg(picture);
        else if (!decoded.Load(path))
            problems << QStringLiteral("Bild lässt sich nicht lesen: %1").arg(picture);
    }
    CheckSound(fields[FieldSpeech], QStringLiteral("Sprache"), problems);
    CheckSound(fields[FieldNoise], QStringLiteral("Geräusch"), problems);
    return problems;
}
