#pragma once
// The recordings that make up a spoken word, shared by every exercise that
// speaks its entries: the text as spoken, the recordings found for it, and
// which of them plays first when a leading article is left out.
#include <QString>
#include <QStringList>

// The spoken text of an entry: trimmed, double blanks made single.
QString SpokenText(const QString& germanWord);
// The recordings of the spoken text: one file for the whole text from
// "sprache" (first in its initial letter's folder), else one per word, each
// from "pronomen" or else "sprache". Words without a recording are left out.
QStringList SpeechSequence(const QString& spokenText);

// The articles whose recording is skipped when the article does not count
// ("der.wav" ... "eine.wav"), and the three definite ones alone.
const QStringList& LeadingArticleFiles();
const QStringList& DefiniteArticleFiles();

// Which recording plays first and which one follows it.
struct SpeechStart {
    int play = -1;  // index into the sequence, -1: nothing
    int next = 0;   // the next-part index after it
};
// Without articleCounts a sequence of exactly two recordings whose first is
// one of articleFiles (file name, any case) starts with the second.
SpeechStart FirstSpeechPart(const QStringList& sequence, bool articleCounts,
                            const QStringList& articleFiles = LeadingArticleFiles());
