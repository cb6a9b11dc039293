#pragma once
// Recordings of list words made with the German voice of the sample content:
// the article, a short pause and the noun, saved as "Sounds\<noun> <article>.wav"
// (22050 Hz, 16-bit mono, the program's format). An existing recording is
// never replaced: the new one gets a free name.
#include <QString>

struct MadeSpeech {
    QString listPath;   // "Sounds\Hund der.wav" on success
    QString error;      // the German message otherwise; nothing was written
};

MadeSpeech MakeSpeechFile(const QString& germanWord);
// Writes a recording (made or from the microphone) under the same name rule.
struct Wave;
MadeSpeech SaveSpeechFile(const Wave& wave, const QString& germanWord);
