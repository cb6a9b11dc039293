#include "dazidazud/list_file.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Control characters other than tab and line ends mean a binary file.
bool LooksBinary(const QByteArray& bytes)
{
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n')
            return true;
    }
    return false;
}

QString Quoted(const QString& name)
{
    return QStringLiteral("\u201E%1\u201C").arg(name);
}

QString NotAList(const QString& name, const QString& reason)
{
    return QStringLiteral("Die Datei %1 ist keine Wortliste: %2").arg(Quoted(name), reason);
}

const QString kTooLarge = QStringLiteral("sie ist zu groß.");

} // namespace

QStringList RowFields(const QString& row)
{
    return row.split(u';');
}

ListFileReading ParseListBytes(const QByteArray& bytes, const QString& name)
{
    ListFileReading r;
    if (bytes.size() > kMaxListFileBytes) {
        r.error = NotAList(name, kTooLarge);
        return r;
    }
    if (LooksBinary(bytes)) {
        r.error = NotAList(name, QStringLiteral("sie enthält keinen Text."));
        return r;
    }
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    auto list = std::make_unique<tmoiel>(QString());
    list->title = lines.value(0);
    list->header2 = lines.value(1);
    int rows = 0;
    int complete = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;   // an empty line is no row; the exercises skip it too
        ++rows;
        QStringList fields = RowFields(lines[i]);
        if (fields.size() >= WordEntry::kFieldCount)
            ++complete;
        if (fields.size() < WordEntry::kFieldCount)
            ++r.paddedRows;
        if (fields.size() > WordEntry::kFieldCount)
            ++r.cutRows;
        auto entry = std::make_shared<WordEntry>();
        for (int f = 0; f < WordEntry::kFieldCount; ++f)
            entry->Field(f) = fields.value(f);
        entry->slots[FieldStyle] = entry->slots[FieldPicture] = entry->Field(FieldStyle);
        list->Append(std::move(entry), lines[i]);
    }
    if (rows > 0 && complete == 0) {
        r.error = NotAList(name, QStringLiteral("keine Zeile hat die sechs Felder einer Liste."));
        return r;
    }
    r.list = std::move(list);
    return r;
}

ListFileReading ReadListFile(const QString& path)
{
    const QString native = NativePath(ResolvePath(path));
    const QFileInfo info(native);
    ListFileReading r;
    if (!info.isFile()) {
        r.error = QStringLiteral("Die Liste %1 gibt es nicht.").arg(Quoted(path));
        return r;
    }
    if (info.size() > kMaxListFileBytes) {
        r.error = NotAList(info.fileName(), kTooLarge);
        return r;
    }
    QFile file(native);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("Die Liste %1 kann nicht gelesen werden.").arg(Quoted(path));
        return r;
    }
    ListFileReading parsed = ParseListBytes(file.readAll(), info.fileName());
    if (parsed.list)
        parsed.list->fileName = native;
    return parsed;
}

QString FieldProblem(const QString& text)
{
    if (text.contains(u';'))
        return QStringLiteral("Ein Feld darf kein Semikolon (;) enthalten.");
    if (text.contains(u'\n') || text.contains(u'\r'))
        return QStringLiteral("Ein Feld darf keinen Zeilenumbruch enthalten.");
    for (const char32_t u : text.toUcs4())
        if (u > 0xFFFF || u < 0x20 || !HasCp1252Code(QChar(char16_t(u))))
            return QStringLiteral("Das Zeichen %1 kann in einer Liste nicht gespeichert werden.")
                .arg(Quoted(QString::fromUcs4(&u, 1)));
    return QString();
}

bool WriteListFile(const tmoiel& list, const QString& path, QString* error)
{
    const QStringList lines = list.Lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString problem = FieldProblem(lines[i].split(u';').join(QString()));
        if (!problem.isEmpty()) {
            if (error)
                *error = QStringLiteral("Zeile %1: %2 Die Liste wurde nicht gespeichert.").arg(i + 1).arg(problem);
            return false;
        }
    }
    if (!list.Save(path)) {
        if (error)
            *error = QStringLiteral("Die Liste %1 kann nicht gespeichert werden. Die alte Datei bleibt unverändert.")
                         .arg(Quoted(path));
        return false;
    }
    return true;
}
