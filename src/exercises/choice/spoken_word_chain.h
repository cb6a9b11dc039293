#pragma once
// The spoken word of a choice task as a chain of sounds: the noise first when
// "Geräusch" is on, then the speech; the word itself from its recordings in
// "sprache" and "pronomen", part after part, each part started when the one
// before has ended (command 1000 from the button that played it).
//
// The chain decides what plays next and on which button; the window plays
// it, waits the pause, and reports every end back through Finished().
#include <QString>
#include <QStringList>

class WordEntry;

// One sound to play.
struct ChainPlay {
    int button = 0;          // the drawn button that plays it (0: nothing to play)
    QString file;            // relative to the program folder
    QString controlString;   // given to the button before playing (empty: none)
    int pauseMs = 0;         // to wait before playing, without running messages
    bool Valid() const { return button != 0 && !file.isEmpty(); }
};

struct ChainButtons {
    int noise = 100;   // plays the noise and the entry's speech recording
    int parts = 101;   // plays the recordings of the word and the article
    // The recordings skipped when the article does not count.
    QStringList articleFiles;
    // After the noise the word is spoken from its recordings as when there is
    // no noise (on parts), instead of the entry's own recording.
    bool recordingsAfterNoise = false;
};

class SpokenWordChain {
public:
    explicit SpokenWordChain(ChainButtons buttons);

    // Speaking the word (command 202): the noise when the entry has one and
    // noiseOn, else the first recording of the word (without a leading
    // article when mitArtikel is off).
    ChainPlay Begin(const WordEntry& entry, bool noiseOn, bool mitArtikel);
    // A sound of button ended. After the noise the speech follows when
    // speechOn: with mitArtikel off the entry's recording; with it on and an
    // article in the recording's name, the article alone and then the noun.
    ChainPlay Finished(int button, const WordEntry* entry, bool speechOn, bool mitArtikel, int soundpause);
    // Everything stopped: nothing follows.
    void Stop();

    int SoundNumber() const { return soundNumber_; }   // 1: the noise was chosen
    int Remaining() const { return remaining_; }       // sounds still to follow the noise
    const QStringList& Parts() const { return parts_; }
    int NextPart() const { return nextPart_; }

private:
    ChainPlay SpeechAfterNoise(const WordEntry& entry, bool mitArtikel, int soundpause);
    ChainPlay FirstRecording(const WordEntry& entry, bool mitArtikel);

    ChainButtons buttons_;
    int soundNumber_ = 0;
    int remaining_ = 0;
    QStringList parts_;
    int nextPart_ = 0;
};
