#pragma once
// The 22-character sound control string of a button and the processing it
// drives on a loaded recording: cut a part (possibly backwards), set volume and
// balance, shorten or lengthen, repeat.
//
//   0      start notice (any non-blank character)
//   1-3    repeat count           default 1
//   4-6    volume in percent      default 100
//   7-9    balance 0..50..100     default 50 (left only .. centre .. right only)
//   10-12  a number, unused       default 0
//   13-15  duration in percent    default 100
//   16-18  start in 1/8 percent   default 0
//   19-21  end in 1/8 percent     default 800 (an end before the start plays backwards)
#include "sound/wav_file.h"

#include <QByteArray>
#include <QString>

inline constexpr int kSoundControlLength = 22;
inline const QString kDefaultSoundControlString = QStringLiteral(" 1  10050             ");

struct SoundControl {
    bool startNotice = false;
    int repeat = 1;
    int volume = 100;
    int balance = 50;
    int number = 0;
    int duration = 100;
    int start = 0;
    int end = 800;
};

// A field read by the string's rule: from position to the end of the text, cut
// at the first blank, at most length characters, as a decimal integer with an
// optional sign; a one-character field may also be a hexadecimal digit;
// otherwise the default.
int ReadControlField(const QString& text, int position, int length, int fallback);
// The string's values; a text of any length but 22 counts as the default string.
SoundControl ReadSoundControlString(const QString& text);

// The values a MIDI file takes from the same positions: repeat (1-3), start and
// end in percent of the length (16-18, 19-21; defaults 0 and 100).
struct MidiControl {
    int repeat = 1;
    int startPercent = 0;
    int endPercent = 100;
};
MidiControl ReadMidiControl(const QString& text);

// Output frames per input frames for a duration in percent.
struct StretchRatio {
    int k = 1;
    int n = 1;
};
StretchRatio StretchRatioFor(int durationPercent);

// Gains from the volume and the balance, on the scales the scaling uses: v on
// 64 for mono, left and right on 4096 for stereo.
struct ChannelGains {
    int mono = 64;
    int left = 4096;
    int right = 4096;
};
ChannelGains GainsFor(int volume, int balance);

// What the button plays after processing: length bytes from start of block,
// and how many times it is written to the device.
struct ProcessedSound {
    WaveFormat format;
    QByteArray block;
    qint64 start = 0;
    qint64 length = 0;
    int repeat = 1;
    bool startNotice = false;
    bool stretchRefused = false; // lengthening found no memory: played unstretched

    const char* Data() const { return block.constData() + start; }
};

// The largest new block that lengthening or repeating may ask for.
inline constexpr qint64 kMaxSoundBlock = qint64(1) << 30;
// Largest sound that is repeated by copying; longer ones are written again.
inline constexpr qint64 kMaxRepeatCopy = 2097152;

// Applies the control string to the data of a loaded recording. Formats with
// fewer than 8 bits per sample are passed on unprocessed (after a message).
ProcessedSound ProcessSound(const QString& controlString, WavImage wav, qint64 maxBlock = kMaxSoundBlock);
