#pragma once
// The pupil's error list: the profile path with ".fhl", a word list of the
// words not yet mastered, practised with "Lernkartei". Entries moved into it
// are the same WordEntry objects as in the word list (shared ownership).
#include "data/word_list.h"
#include "framework/results_files.h"

#include <functional>
#include <memory>

// Turns an entry's answer record into what the results files get (an
// exercise's own rule, such as "typed right at the first try is -OK-").
using AnswerNormaliser = std::function<QString(const QString& record)>;

// For each entry of list with an answer record, taken through normalise when
// one is given: "-OK-" rows, or the record with the entry moved into the
// error list; the word (or "nicht vorhanden ") goes into words.
void CollectAnswers(const tmoiel& list, std::unique_ptr<tmoiel>& errorList, AnswerLists& answers,
                    const AnswerNormaliser& normalise = {});

// Puts entry at the top of the error list (created as "Fehlerliste" when
// missing) and clears its answer slot. Nothing is added while the error list
// is the list being worked on, nor when it already holds the entry or its
// word. True when the entry was added.
bool AddToErrorList(std::unique_ptr<tmoiel>& errorList, const tmoiel& currentList, const WordEntryPtr& entry);

// Saves the error list beside the profile; kept and saved later when the
// folder is busy or away (framework/unsaved_results.h).
void SaveErrorList(const tmoiel* errorList, const QString& profilePath);
