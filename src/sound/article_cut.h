#pragma once
// Playing a recording without the article spoken in it. A recording named
// after its noun with the article behind it ("Hund der.wav") says the article,
// a pause and the noun; the noun alone is the part from the first pause after
// the beginning to the end.
#include <QString>
#include <optional>

class TWAV;

// The recording's name holds " der.", " die." or " das.".
bool NamesTrailingArticle(const QString& recording);

// How to play a recording.
struct RecordingPlay {
    bool whole = true;  // on the word field's button, start to end
    int fromMs = 0;     // else the range channel from fromMs to toMs
    int toMs = 0;
};

// The choice from what is known of the file: a missing file or one without a
// trailing article in its name plays whole; else the pause (25 ms when it
// could not be found) up to the length, or whole when nothing of the file
// lies after the pause.
RecordingPlay ChooseRecordingPlay(bool exists, bool trailingArticle, std::optional<int> pauseMs, int lengthMs);

// The same for a file relative to the program folder, measured by wav
// (FindPauseAfter from frame 2048 in milliseconds, gap 25 ms, threshold 1 %).
RecordingPlay ChooseRecordingPlay(const TWAV& wav, const QString& recording);
