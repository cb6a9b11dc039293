#pragma once
// Where the list editor finds the files of a word in the content folders: the
// recordings by the exercises' own rule (SoundFileOfWord), the names by the
// convention of the sample content. For "der Hund":
//   picture  "Bilder\Hund.png" (any picture type, searched below "Bilder")
//   speech   "Sounds\Hund der.wav" (noun, blank, article), else
//            "Sounds\der Hund.wav"; a word without article also
//            "sprache\<first letter>\<word>.wav"
//   noise    "Sounds\Geraeusche\Hund.wav"
// The noun is tried as written and with umlauts written out ("Baer" for Bär).
// Results are program paths relative to the program folder, with "\".
#include <QString>

struct FoundFiles {
    QString picture;
    QString speech;
    QString noise;
};

FoundFiles LookUpFiles(const QString& germanWord);
QString LookUpPicture(const QString& germanWord);
QString LookUpSpeech(const QString& germanWord);
QString LookUpNoise(const QString& germanWord);

// The word split into its article ("der", or empty) and the rest.
struct WordParts {
    QString article;
    QString noun;
};
WordParts SplitArticle(const QString& germanWord);

// File base names for files the editor makes for a word: "Hund der" for the
// speech, "Hund" for picture and noise ("Baer" for Bär); "Wort" when the word
// gives no usable name.
QString SpeechFileBase(const QString& germanWord);
QString NounFileBase(const QString& germanWord);

// A found or made file as it is written into a list: relative to the program
// folder with "\" separators; a file outside the program folder keeps its
// full path.
QString ListPathOf(const QString& path);

// Whether a file field names an existing file: speech and noise resolved
// against the program folder, a picture also below "Bilder\" as the exercises
// look for it. Empty fields count as present.
bool SoundFieldPresent(const QString& field);
bool PictureFieldPresent(const QString& field);
// A picture field that names a picture file (by its extension) rather than a
// text shown in place of a picture.
bool NamesPictureFile(const QString& field);
// The existing file a picture field names (program path), or empty.
QString PictureFieldPath(const QString& field);
