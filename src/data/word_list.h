#pragma once
// Word lists: the teacher's list files in "listen", the program tables
// ("intern\motiv.txt", "intern\hinweis.txt"), the feedback sound lists and a
// pupil's error list (".fhl") all share one format and one in-memory type.
//
// File: Windows-1252 text with CR LF. Line 1 is header 1 (the title), line 2
// header 2, every further line one entry of six fields separated by ";" (no
// quoting). Rows with fewer than six fields are dropped on loading; fields
// after the sixth are ignored and lost on saving.
#include <QString>
#include <QStringList>

#include <any>
#include <array>
#include <memory>
#include <vector>

// Field numbers of an entry, in file order.
enum WordField {
    FieldWritten = 0,   // the word in the list's own script (field 5 in exercise lists)
    FieldStyle = 1,     // drawn-button style string of the picture field
    FieldPicture = 2,   // picture file, or a text shown in place of a picture
    FieldSpeech = 3,    // recording of the spoken word
    FieldNoise = 4,     // recording of a noise that belongs to the thing
    FieldWord = 5,      // the German word: spoken, shown, typed and checked
};

// The picture style of the sample lists and of rows the list editor makes:
// white opaque face, 95 %, centred.
inline constexpr const char* kListPictureStyle = "7 95 x4 11";

// One entry of a word list. Entries are held through shared_ptr: a list owns
// its entries, and an entry moved into the error list is shared by both lists
// and lives as long as either of them holds it.
class WordEntry {
public:
    static constexpr int kFieldCount = 6;
    static constexpr const char* kDefaultPictureStyle = "8 100xx 11";

    WordEntry();

    std::array<QString, kFieldCount> fields;   // the row fields 0..5
    // Note 2: the font name given after "Schrift in: "; note 5: "Deutsches Wort".
    std::array<QString, kFieldCount> notes;
    // Third group: slots 1 and 2 hold style strings (from row field 1); slots 3
    // and 4 belong to the exercises; slot 5 is the answer slot.
    std::array<QString, kFieldCount> slots;
    QString spare;   // spare text, released with the entry

    QString& Field(int i) { return fields[size_t(i)]; }
    const QString& Field(int i) const { return fields[size_t(i)]; }
    // The pupil's answer record during an exercise (results protocol).
    QString& Answer() { return slots[FieldWord]; }
    const QString& Answer() const { return slots[FieldWord]; }
    // What the pupil typed where the record keeps only the wrong keys (the
    // pupil's history takes them as attempts; the protocol never shows them).
    QStringList typedAttempts;
    void ClearAnswer()
    {
        Answer().clear();
        typedAttempts.clear();
    }

    // Objects the exercises attach per field (pictures, sounds). They are
    // released with the entry; Attached<T> gives nothing for an empty slot, a
    // slot out of range or an object of another type.
    template <class T>
    void Attach(int i, std::shared_ptr<T> object)
    {
        if (i >= 0 && i < kFieldCount)
            objects_[size_t(i)] = std::move(object);
    }
    template <class T>
    std::shared_ptr<T> Attached(int i) const
    {
        if (i < 0 || i >= kFieldCount)
            return nullptr;
        const auto* p = std::any_cast<std::shared_ptr<T>>(&objects_[size_t(i)]);
        return p ? *p : nullptr;
    }
    bool HasAttached(int i) const { return i >= 0 && i < kFieldCount && objects_[size_t(i)].has_value(); }
    void Detach(int i)
    {
        if (i >= 0 && i < kFieldCount)
            objects_[size_t(i)].reset();
    }
    void DetachAll();

private:
    std::array<std::any, kFieldCount> objects_;
};

using WordEntryPtr = std::shared_ptr<WordEntry>;

// One item of a list: the row as read (empty for entries added in memory) and
// its entry. An item without an entry is written back as its text.
struct WordListItem {
    QString text;
    WordEntryPtr entry;
};

// A loaded word list with its two header lines.
class tmoiel {
public:
    explicit tmoiel(QString title = QStringLiteral("untitled"));
    // A list is not copied: a copy would share its entries unnoticed. Share
    // single entries through SharedEntry/Insert instead.
    tmoiel(const tmoiel&) = delete;
    tmoiel& operator=(const tmoiel&) = delete;
    tmoiel(tmoiel&&) = default;
    tmoiel& operator=(tmoiel&&) = default;

    QString title;     // header 1
    QString header2;
    QString fileName;  // the file the list was loaded from (resolved), empty if none

    int Count() const { return int(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool Valid(int i) const { return i >= 0 && i < Count(); }
    // The entry of item i; nullptr when i is out of range or the item has none.
    WordEntry* Entry(int i) const;
    WordEntryPtr SharedEntry(int i) const;
    const QString& Text(int i) const;
    // Index of the item holding exactly this entry object, or -1.
    int IndexOf(const WordEntry* entry) const;

    void Append(WordEntryPtr entry, const QString& text = QString());
    void Insert(int i, WordEntryPtr entry, const QString& text = QString());
    void Remove(int i);
    void Swap(int i, int j);
    void Clear() { items_.clear(); }

    // Fills the list from lines of a list file (headers and rows), replacing
    // what it held.
    void ReadLines(const QStringList& lines, bool exerciseMode);
    // The file's lines: headers, then one line per item.
    QStringList Lines() const;

    // Writes the list to fileName (resolved against the program folder),
    // creating missing folders; the file is replaced atomically. False when it
    // could not be written.
    bool Save(const QString& fileName) const;
    // Saves to the file the list was loaded from, when that file still exists.
    bool SaveBack() const;

private:
    std::vector<WordListItem> items_;
};

// Creates a new list titled "untitled" in slot and reads fileName (resolved
// against the program folder) into it. A missing file gives an empty list and
// true; a file that cannot be read (a folder, no permission) empties the slot
// and gives false. Exercise mode is on for exercise lists and error lists.
bool Load(std::unique_ptr<tmoiel>& slot, const QString& fileName, bool exerciseMode);

// True when list exists and 0 <= i < its count.
inline bool Valid(const tmoiel* list, int i) { return list && list->Valid(i); }

// Swiss spelling: every "ß" of fields 5 and 0 becomes "ss"; each converted
// word with "ss" is recorded in SpellingMap() with its original form.
void ToSwissSpelling(tmoiel* list);

// FindInFields modes.
enum FindMode { FindTextContainsField = -1, FindFieldContainsText = 0, FindFieldEqualsText = 1 };
constexpr int kNotFound = -1;

// The first of the fields first..last (clamped to 0..5; empty fields skipped)
// that matches text by mode, or kNotFound; also kNotFound when last < first or
// text is null. Without caseSensitive both sides are compared in lower case.
int FindInFields(const WordEntry& entry, const QString& text, int mode, int first, int last,
                 bool caseSensitive);
