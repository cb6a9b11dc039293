#pragma once
// The word a choice field shows for an entry: with "mitArtikel" the word as
// loaded, without it a leading article taken off.
#include <QChar>
#include <QString>

class tmoiel;

// "der Hund" without its article: "Hund". Only a text of exactly two words
// whose first is "der", "die", "das", "ein" or "eine" (any case) loses it.
QString WithoutLeadingArticle(const QString& text);
// Prepares field 5 of every entry of list: field 0 again (mitArtikel on), or
// field 5 without its leading article (off).
void PrepareDisplayedWords(tmoiel& list, bool mitArtikel);
// The alignment character of a word field's style string (position 6) for
// the setting Textausrichtung.
QChar WordAlignmentCode(int textausrichtung);
