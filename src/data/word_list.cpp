#include "data/word_list.h"

#include "data/file_presence.h"
#include "data/path_helpers.h"
#include "data/spelling_map.h"
#include "data/text_helpers.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace {

const QString kFontMarker = QStringLiteral("Schrift in: ");
const QString kPictureFolder = QStringLiteral("Bilder\\");

// A picture field that names no file of its own but one in "Bilder\" gets that
// folder in front. One lookup serves all rows of a list.
class PictureLookup {
public:
    QString Field(const QString& picture)
    {
        const bool plainName = !picture.contains(u'\\') && !picture.contains(u'/') && !picture.contains(u':');
        if (plainName ? files_.IsFileIn(programFolder_, picture) : files_.IsFile(ResolvePath(picture)))
            return picture;
        const bool found = plainName ? files_.IsFileIn(pictureFolder_, picture)
                                     : files_.IsFile(ResolvePath(kPictureFolder + picture));
        return found ? kPictureFolder + picture : picture;
    }

private:
    FilePresence files_;
    const QString programFolder_ = ResolvePath(QString());
    const QString pictureFolder_ = ResolvePath(kPictureFolder);
};

// The entry of one row, or nullptr for a row with fewer than six fields.
WordEntryPtr EntryOfRow(const QString& row, bool exerciseMode, PictureLookup& pictures)
{
    // Start of each of the first six fields and the end of the sixth.
    std::array<qsizetype, WordEntry::kFieldCount + 1> bounds{};
    int found = 1;
    for (qsizetype i = 0; i < row.size() && found <= WordEntry::kFieldCount; ++i)
        if (row[i] == u';')
            bounds[size_t(found++)] = i + 1;
    if (found < WordEntry::kFieldCount)
        return nullptr;
    if (found == WordEntry::kFieldCount)
        bounds[WordEntry::kFieldCount] = row.size() + 1;
    auto entry = std::make_shared<WordEntry>();
    auto& f = entry->fields;
    for (size_t i = 0; i < f.size(); ++i)
        f[i] = row.mid(bounds[i], bounds[i + 1] - bounds[i] - 1);
    f[FieldPicture] = pictures.Field(f[FieldPicture]);
    if (exerciseMode) {
        f[FieldWritten] = f[FieldWord];
        if (f[FieldNoise] == f[FieldSpeech])
            f[FieldNoise].clear();
    }
    entry->slots[FieldStyle] = entry->slots[FieldPicture] = f[FieldStyle];
    const qsizetype marker = f[FieldPicture].indexOf(kFontMarker);
    if (marker >= 0) {
        entry->notes[FieldPicture] = f[FieldPicture].mid(marker + kFontMarker.size());
        f[FieldPicture].truncate(marker);
    }
    entry->notes[FieldWord] = QStringLiteral("Deutsches Wort");
    if (exerciseMode)
        entry->ClearAnswer();
    return entry;
}

// Converts one field to Swiss spelling and records the converted words.
void ConvertField(QString& field)
{
    if (!field.contains(QChar(0xDF)))
        return;
    const QString original = field;
    field.replace(QChar(0xDF), QLatin1String("ss"));
    const QStringList before = Split(original, QStringLiteral(" "));
    const QStringList after = Split(field, QStringLiteral(" "));
    for (qsizetype i = 0; i < after.size() && i < before.size(); ++i)
        if (after[i].contains(QLatin1String("ss")))
            SpellingMap().Add(after[i], before[i]);
}

bool Matches(const QString& field, const QString& text, int mode)
{
    switch (mode) {
    case FindFieldEqualsText: return field == text;
    case FindFieldContainsText: return field.contains(text);
    case FindTextContainsField: return text.contains(field);
    default: return false;
    }
}

} // namespace

WordEntry::WordEntry()
{
    static const QString style = QLatin1String(kDefaultPictureStyle);
    slots[FieldPicture] = style;
}

void WordEntry::DetachAll()
{
    for (auto& o : objects_)
        o.reset();
}

tmoiel::tmoiel(QString title) : title(std::move(title)) {}

WordEntry* tmoiel::Entry(int i) const
{
    return Valid(i) ? items_[size_t(i)].entry.get() : nullptr;
}

WordEntryPtr tmoiel::SharedEntry(int i) const
{
    return Valid(i) ? items_[size_t(i)].entry : nullptr;
}

const QString& tmoiel::Text(int i) const
{
    static const QString none;
    return Valid(i) ? items_[size_t(i)].text : none;
}

int tmoiel::IndexOf(const WordEntry* entry) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (entry && items_[i].entry.get() == entry)
            return int(i);
    return -1;
}

void tmoiel::Append(WordEntryPtr entry, const QString& text)
{
    items_.push_back({text, std::move(entry)});
}

void tmoiel::Insert(int i, WordEntryPtr entry, const QString& text)
{
    i = std::clamp(i, 0, Count());
    items_.insert(items_.begin() + i, WordListItem{text, std::move(entry)});
}

void tmoiel::Remove(int i)
{
    if (Valid(i))
        items_.erase(items_.begin() + i);
}

void tmoiel::Swap(int i, int j)
{
    if (Valid(i) && Valid(j))
        std::swap(items_[size_t(i)], items_[size_t(j)]);
}

void tmoiel::ReadLines(const QStringList& lines, bool exerciseMode)
{
    items_.clear();
    qsizetype first = 0;
    if (first < lines.size())
        title = lines[first++];
    if (first < lines.size())
        header2 = lines[first++];
    // Rows are built from the last line up, as the lists have always been read.
    PictureLookup pictures;
    items_.reserve(size_t(lines.size() - first));
    for (qsizetype i = lines.size() - 1; i >= first; --i)
        if (WordEntryPtr entry = EntryOfRow(lines[i], exerciseMode, pictures))
            items_.push_back({lines[i], std::move(entry)});
    std::reverse(items_.begin(), items_.end());
}

QStringList tmoiel::Lines() const
{
    QStringList lines;
    lines.reserve(qsizetype(items_.size()) + 2);
    lines << title << header2;
    for (const WordListItem& item : items_) {
        if (!item.entry) {
            lines << item.text;
            continue;
        }
        const auto& f = item.entry->fields;
        lines << f[0] + u';' + f[1] + u';' + f[2] + u';' + f[3] + u';' + f[4] + u';' + f[5];
    }
    return lines;
}

bool tmoiel::Save(const QString& fileName) const
{
    return WriteTextLines(ResolvePath(fileName), Lines(), true);
}

bool tmoiel::SaveBack() const
{
    return !fileName.isEmpty() && FileExists(ResolvePath(fileName)) && Save(fileName);
}

bool Load(std::unique_ptr<tmoiel>& slot, const QString& fileName, bool exerciseMode)
{
    slot = std::make_unique<tmoiel>();
    const QString path = ResolvePath(fileName);
    ReadStatus status = ReadStatus::Ok;
    const QStringList lines = ReadTextLines(path, &status);
    if (status == ReadStatus::Unreadable) {
        slot.reset();
        return false;
    }
    if (status == ReadStatus::Ok) {
        slot->fileName = path;
        slot->ReadLines(lines, exerciseMode);
    }
    return true;
}

void ToSwissSpelling(tmoiel* list)
{
    if (!list)
        return;
    for (int i = 0; i < list->Count(); ++i)
        if (WordEntry* e = list->Entry(i)) {
            ConvertField(e->fields[FieldWord]);
            ConvertField(e->fields[FieldWritten]);
        }
}

int FindInFields(const WordEntry& entry, const QString& text, int mode, int first, int last,
                 bool caseSensitive)
{
    first = std::clamp(first, 0, WordEntry::kFieldCount - 1);
    last = std::clamp(last, 0, WordEntry::kFieldCount - 1);
    if (last < first || text.isNull())
        return kNotFound;
    const QString t = caseSensitive ? text : text.toLower();
    for (int i = first; i <= last; ++i) {
        const QString& field = entry.fields[size_t(i)];
        if (field.isEmpty())
            continue;
        if (Matches(caseSensitive ? field : field.toLower(), t, mode))
            return i;
    }
    return kNotFound;
}
