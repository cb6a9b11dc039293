#pragma once
// The word table (content/woerter.txt) and the list sources
// (content/listen/*.txt) the word lists are made from, and the program paths
// of every file that belongs to a word.
//
// woerter.txt: one word a line, "|"-separated columns:
//   text | emoji | noise word | pronunciation
// text is the German word as shown ("der Hund", "Ball spielen"); emoji the
// picture (empty: no picture; "=Name": our own drawing, own_drawings.h); noise word what the thing says ("wau wau",
// empty: no noise); pronunciation an optional text for the speech synthesiser
// when it reads the word wrongly ("[[...]]" gives phonemes).
//
// A list source: line 1 the title, line 2 the second header line, then one
// word of the table a line.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct Word {
    QString text;      // "der Hund"
    QString article;   // "der", or empty
    QString noun;      // "Hund" (the text without its article)
    QString emoji;
    QString noise;
    QString spoken;    // what the synthesiser reads for the noun

    QString FileBase() const;      // "Hund", "Baer" for Bär: ASCII file name
    QString PicturePath() const;   // "Bilder\Hund.png", empty without emoji
    QString SpeechPath() const;    // "Sounds\Hund der.wav" (noun, then article)
    QString NoisePath() const;     // "Sounds\Geraeusche\Hund.wav", empty without noise
    QString SprachePath() const;   // "sprache\h\Hund.wav": the noun alone
};

struct ListSource {
    QString fileName;   // "tiere.txt"
    QString title;
    QString subtitle;
    QStringList words;  // texts of the word table
};

class WordTable {
public:
    // Throws ContentError on a malformed row or a duplicate word.
    static WordTable Load(const QString& path);

    const Word& Find(const QString& text) const;   // throws when unknown
    const QList<Word>& Words() const { return words_; }

private:
    QList<Word> words_;
    QMap<QString, int> index_;
};

// Every content/listen/*.txt in file name order; throws when a list names a
// word that is not in the table.
QList<ListSource> LoadListSources(const QString& folder, const WordTable& table);

// The first letter folder of the spoken-word look-up: "sprache\h\".
QString SpracheFolderOf(const QString& word);
