#pragma once
// The sound side of a drawn button: it plays one sound file at a time on the
// button channel and tells its owner window when the sound has ended, as the
// command SoundFinished (1000) with the button's number as code.
//
// The whole program plays at most one button sound at a time: PlayingButton()
// names the player that sounds. A play request while any button sounds is
// dropped; SoundStopRequest() silences the playing button without a
// SoundFinished. A request for a file that does not exist stops whatever
// sounds and answers with SoundFinished at once, so windows use it to get
// silence and a command in one step.
#include "sound/sound_control_string.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

inline constexpr int kSoundFinished = 1000;

class ButtonSoundPlayer {
public:
    // owner receives the commands; number is sent as their code.
    ButtonSoundPlayer(QObject* owner, int number);
    ~ButtonSoundPlayer();
    ButtonSoundPlayer(const ButtonSoundPlayer&) = delete;
    ButtonSoundPlayer& operator=(const ButtonSoundPlayer&) = delete;

    QObject* Owner() const { return owner_; }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }

    // The button's own sound and its control string, set by the windows.
    const QString& SoundName() const { return soundName_; }
    void SetSoundName(const QString& name) { soundName_ = name; }
    const QString& SoundControlString() const { return controlString_; }
    void SetSoundControlString(const QString& text) { controlString_ = text; }

    // Set before a word's play request: the sound kept from the previous play
    // is freed first, and freed after the end if set again meanwhile.
    bool ReleaseFlag() const { return release_; }
    void SetReleaseFlag(bool release) { release_ = release; }

    // True from the start of a sound until it ends or is stopped; windows draw
    // the button pressed meanwhile and may set it to mark a button as sounding.
    bool IsPlaying() const { return playing_; }
    void SetPlaying(bool playing) { playing_ = playing; }

    // How many times the current sound has been written to the device.
    int RepeatCounter() const { return repeatCounter_; }
    // The sound prepared by the last load (empty when freed).
    const ProcessedSound& Loaded() const { return loaded_; }

    // Plays a file (absolute, or relative to the program folder) and returns at
    // once; true only when the sound was handed to the device.
    bool PlaySoundFile(const QString& name);
    // The same for a Windows-1252 name.
    bool PlaySoundFile(const QByteArray& name);

    // The stop notice: silences this player if it is the playing one; no
    // SoundFinished follows.
    void StopRequest();

private:
    bool PlayWave(const QString& path);
    bool PlayMidi(const QString& path);
    bool Load(const QString& path);
    void BufferEnded();
    void Free();

    QPointer<QObject> owner_;
    int number_;
    QString soundName_;
    QString controlString_ = QString(kSoundControlLength, u' ');
    bool release_ = false;
    bool playing_ = false;
    bool opened_ = false;
    int repeatCounter_ = 0;
    int repeatCount_ = 1;
    ProcessedSound loaded_;
    AudioClipPtr clip_;
};

// The player whose sound is on the device, or null.
ButtonSoundPlayer* PlayingButton();
// Sends the stop notice to the playing button, if any.
void SoundStopRequest();
bool IsSoundPlaying();
// While a button sounds, waits in steps of 100 ms keeping the window responsive
// (the end arrives as a queued event). maxRounds < 0: no limit. True when no
// sound plays any more.
bool WaitForSoundEnd(int maxRounds = -1);

// The 8.3 form a name without extension is tried under: the first eight
// characters in lower case, "." as "_", umlauts and sharp s spelled out, cut
// to eight, leading blanks dropped (empty when nothing is left).
QString ShortSoundName(const QString& name);
