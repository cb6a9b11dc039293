#include "exercises/choice/displayed_word.h"

#include "data/text_helpers.h"
#include "data/word_list.h"

QString WithoutLeadingArticle(const QString& text)
{
    return NounOfPair(text);
}

void PrepareDisplayedWords(tmoiel& list, bool mitArtikel)
{
    for (int i = 0; i < list.Count(); ++i) {
        WordEntry* entry = list.Entry(i);
        if (!entry)
            continue;
        if (mitArtikel)
            entry->Field(FieldWord) = entry->Field(FieldWritten);
        else
            entry->Field(FieldWord) = WithoutLeadingArticle(entry->Field(FieldWord));
    }
}
