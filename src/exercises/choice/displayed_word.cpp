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

QChar WordAlignmentCode(int textausrichtung)
{
    switch (textausrichtung) {
    case 0: return u'1';
    case 2: return u'7';
    case 3: return u'3';
    case -1: return u'0';
    case 6: return u'6';
    default: return u'4';
    }
}
