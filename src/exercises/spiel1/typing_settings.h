#pragma once
// The exercise settings the typing control reads. The window fills them from
// the exercise settings when it is shown and after the settings dialog; the
// typing control may change Textvorgabe and Blinken for one task.

struct TypingSettings {
    int textcontrolle = 2;      // 0 = check on Enter, 1 = automatic with word length, 2 = automatic
    int blinken = 1;            // wrong letters: 0 = allowed, 1 = blink, 2 = refused
    int textvorgabe = 0;        // 0 all, 1 word without article, 2 article only, 3 copying,
                                // 4 first letter only, 5 every second letter, 6 from the second letter on
    int auto2 = 0;              // 1 = capitals only
    int auto3 = 1;              // 1 = word-length template of underscores
    int auto4 = 0;              // 1 = upper and lower case handled automatically
    bool mitArtikel = true;     // Textvorgabe 1: the article is given
    bool ohneArtikelabschreiben = true;  // copying without the article
    bool tastaturLock = true;   // next letter only after the key was released
    int tippton = 1;            // key sound: 0 none, 1 click, 2 letter name, 3 as spelling out
    int funsound = 1;           // error sound: 0 off, 1 sound, 2 say letter name, 3 sound out
    int stimme = 0;             // voice (modulo 3); 3 and more: letter sounds

    bool Copying() const { return textvorgabe == 3; }
    bool Automatic() const { return textcontrolle > 0; }
};
