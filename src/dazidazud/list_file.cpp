#include "dazidazud/list_file.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString Quoted(const QString& name)
{
    return QStringLiteral("\u201E%1\u201C").arg(name);
}

} // namespace

QStringList RowFields(const QString& row)
{
    return row.split(u';');
}

ListFileReading ParseListBytes(const QByteArray& bytes, const QString& name)
{
    ListFileReading r;
    r.error = WordListRefusal(bytes, name);
    if (!r.error.isEmpty())
        return r;
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    auto list = std::make_unique<tmoiel>(QString());
    list->title = lines.value(0);
    list->header2 = lines.value(1);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;   // an empty line is no row; the exercises skip it too
        QStringList fields = RowFields(lines[i]);
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
        r.error = WordListTooLarge(info.fileName());
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
