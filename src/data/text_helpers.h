#pragma once
// Text helpers shared by the whole program: splitting, lenient comparison of
// typed answers, German articles, and the spoken-word look-up.
#include <QFont>
#include <QString>
#include <QStringList>

// Pieces between occurrences of separator; the rest after the last one is
// always added.
QStringList Split(const QString& text, const QString& separator);
// Splits at any of the separator characters, then cuts out the punctuation
// marks ":", "-", "!", "?", ".", "," as items of their own.
void SplitWords(const QString& text, const QString& separators, bool skipRepeats,
                bool clearFirst, QStringList& result);
QStringList SplitWords(const QString& text, const QString& separators = QStringLiteral(" "),
                       bool skipRepeats = false);
QString AfterFirstBlank(const QString& text);
QString Repeat(const QString& text, int n);
QString PadNumber(int n, int width, QChar fill);
// Equal ignoring case, or equal after mapping the two characters of one German
// key to one: "#"/"'", "+"/"*", ","/";", "-"/"_", "."/":".
bool SameAnswer(const QString& a, const QString& b);
QString ArticleOf(const QString& text);
QString ArticleSoundFile(const QString& text);
QString WithoutArticle(const QString& text);
QString NounOfPair(const QString& text);
QString TextAfter(const QString& text, const QString& marker);
// Name of the sound file of a punctuation mark ("." -> "punkt"), or empty.
QString PunctuationName(const QString& mark);
bool IsPunctuationMark(const QString& text);
// The font size at which text fits percent of the given height and width.
int FitFontSize(int maxHeight, int maxWidth, const QString& text, int percent, const QFont& font);
// The recording of a word in folder (searched depth first; with byFirstLetter
// the sub-folder named by the word's first character first), or empty.
QString SoundFileOfWord(const QString& word, const QString& folder, bool byFirstLetter);
