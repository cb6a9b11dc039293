#pragma once
// The settings of the exercise loaded last. Every exercise has a section of
// its own in the pupil's profile, all with the same keys; LoadSettings reads
// one section into the process-wide record and SaveSettings writes it back.
// The text and background colours live in the colour table (ProgInfo()).
#include <QChar>
#include <QString>

// Profile sections, one per exercise (the first one ends with a blank).
namespace Section {
inline const QString kHoerenUndSchreiben = QStringLiteral("Hören und Schreiben ");
inline const QString kLautieruebung = QStringLiteral("Lautierübung");
inline const QString kWelchesWortStimmt = QStringLiteral("Welches Wort stimmt?");
inline const QString kBildZumWort = QStringLiteral("Bild zum Wort");
inline const QString kBildZumTon = QStringLiteral("Bild zum Ton");
inline const QString kBildMemory = QStringLiteral("Bild-Memory");
inline const QString kSoundMemory = QStringLiteral("Sound-Memory");
inline const QString kLesenLernen = QStringLiteral("Lesen lernen");
} // namespace Section

// Field names follow the profile keys. "Flag" keys are bool fields.
struct ExerciseSettingsRecord {
    // Typing control (exercise 1).
    int textcontrolle = 2;            // 0 on OK/Enter, 1 automatic with length shown, 2 automatic
    int auto3 = 1;                    // word length shown
    int blinken = 1;                  // wrong letter: 0 allowed, 1 blinks, 2 refused
    int textvorgabe = 0;              // what is typed: 0 all ... 6 from the second letter on
    bool mitArtikel = true;
    bool ohneArtikelabschreiben = true;
    int auto2 = 0;                    // capital letters only
    int auto4 = 0;                    // upper and lower case handled while typing
    bool tastaturLock = true;         // next letter only after the key was released
    int textcontrollnr = 0;
    bool maushilfe = false;
    // Presentation and sound.
    int mitSound = 2;
    int soundpause = 3;               // 0..100
    int hilfebild = 0;
    int soundnachEingabe = 0;
    int tippton = 1;
    // Spelling out.
    int buchstabieren = 3;            // 1 up to the cursor, 2 from it, 3 whole word
    int buchstabierpause = 3;         // 0..100, times 100 ms
    int stimme = 0;                   // 0..5: voice = Stimme mod 3; 3 and more: phonics
    // Feedback.
    int funsound = 1;
    int positivsound = 1;
    int ratter = -1;
    int beam = -1;
    bool zufallnegativ = false;
    bool zufallpositiv = false;
    int motivation = 0;               // praise: 0 every n-th word, 1 at the end, 2 none
    int motzahl = 2;                  // 1..6
    int mitTon = 1;
    // Display.
    QString schriftart = QStringLiteral("Arial");
    int schrift = 0;                  // position of Schriftart in FontList()
    int textausrichtung = 1;          // 0 left, 1 centred, 2 right
    QChar textfarbe = u'0';           // character of "0123456789ABCDEF"
    QChar hintergrundfarbe = u'7';    // character of "0123456789ABCDEFz" ("z": custom colour)
    QChar outfit = u' ';              // character of " 123456789ABCDEF"
    // Lists and pictures.
    int wuerfeln = 0;
    int felderanzahl = 6;             // 2..6
    int puzzelanzahl = 9;             // 9, 16, 25 or 36
    int aufdeckpause = 2;
    int aufdeckenmanuell = 1;
    int bilderanzahl = 0;
    int bedienung = 0;
    QString bildhinten = QStringLiteral("fun\\memory\\rueck2.wmf");
    QString bildhintenstapel = QStringLiteral("fun\\stapel2.wmf");
    int rueckseite = 1;
};

ExerciseSettingsRecord& ExerciseSettings();
// The section whose settings are loaded.
QString& CurrentSection();

// The characters that hold Textfarbe/Hintergrundfarbe and Outfit in memory.
inline const QString kColourCodes = QStringLiteral("0123456789ABCDEFz");
inline const QString kOutfitCodes = QStringLiteral(" 123456789ABCDEF");
constexpr int kCustomBackground = 16;   // Hintergrundfarbe of the custom colour

// Reads every key of section from the profile at CurrentProfilePath() into
// ExerciseSettings(), with the defaults and exceptions of the section, and
// sets the text and background colours of ProgInfo(). Numbers outside their
// ranges are clamped into them (Puzzelanzahl other than 9, 16, 25, 36 gives
// 9); a colour or outfit index outside its range, a value without a number
// and an unreadable Hintergrundbrush give the default.
void LoadSettings(const QString& section);
// Writes every key back to section (Buchstabieren always to "Hören und
// Schreiben "). Keys that cannot be written are skipped.
void SaveSettings(const QString& section);

// The settings summary of the typing control for results protocols.
QString DescribeTypingControl();

// "Standard wiederherstellen": replaces the profile by "Protokoll\standard.ini"
// (first making that from "Intern\standard.ini" when it is missing), or by
// "Intern\standard.ini" itself when the program folder cannot take the copy,
// and reloads CurrentSection(). True when the settings were reloaded.
bool RestoreStandardSettings();
