#include "framework/error_list.h"

#include "data/path_helpers.h"
#include "framework/unsaved_results.h"
#include "platform/text_codec.h"

namespace {

// The error list holds this entry, or one for the same word: an entry whose
// field 3 equals the word (the long-standing rule) or whose word is the same.
bool HoldsEntry(const tmoiel& errors, const WordEntry& entry)
{
    const QString& word = entry.fields[FieldWord];
    for (int i = 0; i < errors.Count(); ++i) {
        const WordEntry* held = errors.Entry(i);
        if (!held)
            continue;
        if (held == &entry || FindInFields(*held, word, FindFieldEqualsText, FieldSpeech, FieldSpeech, true) != kNotFound ||
            (!word.isEmpty() && held->fields[FieldWord] == word))
            return true;
    }
    return false;
}

} // namespace

bool AddToErrorList(std::unique_ptr<tmoiel>& errorList, const tmoiel& currentList, const WordEntryPtr& entry)
{
    if (!errorList)
        errorList = std::make_unique<tmoiel>(QStringLiteral("Fehlerliste"));
    if (!entry || errorList.get() == &currentList || HoldsEntry(*errorList, *entry))
        return false;
    entry->ClearAnswer();
    errorList->Insert(0, entry);
    return true;
}

void CollectAnswers(const tmoiel& list, std::unique_ptr<tmoiel>& errorList, AnswerLists& answers,
                    const AnswerNormaliser& normalise)
{
    static const QString ok = QStringLiteral("-OK-");
    for (int i = 0; i < list.Count(); ++i) {
        const WordEntryPtr entry = list.SharedEntry(i);
        if (!entry || entry->Answer().isEmpty())
            continue;
        const QString record = normalise ? normalise(entry->Answer()) : entry->Answer();
        if (record.isEmpty())
            continue;
        const QString& word = entry->fields[FieldWord];
        answers.AddAnswer(record == ok ? ok : record, word.isEmpty() ? QStringLiteral("nicht vorhanden ") : word,
                          entry->typedAttempts);
        if (record != ok)
            AddToErrorList(errorList, list, entry);
    }
}

void SaveErrorList(const tmoiel* errorList, const QString& profilePath)
{
    if (!errorList)
        return;
    const QString path = ChangeExtension(profilePath, QStringLiteral(".fhl"));
    if (FolderRefusesWrites(path))
        return;
    const QStringList lines = errorList->Lines();
    WriteOrKeepResults(path, [path, lines] { return WriteTextLines(ResolvePath(path), lines, true); }, true);
}
