#pragma once
// The sound component of an exercise window: measures WAV files, finds the
// first pause in a recording, and plays a part of a recording on the range
// channel with an end notice (a MediaNoticeEvent) to a window.
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <optional>

// FindPauseAfter on a file image already in memory.
std::optional<int> FindPauseInWav(QByteArray bytes, int startFrame, bool asMs, int& gap, int thresholdPercent);

class TWAV {
public:
    TWAV() = default;
    // Closes the devices and silences the simple sound player.
    ~TWAV();
    TWAV(const TWAV&) = delete;
    TWAV& operator=(const TWAV&) = delete;

    // Playing time in milliseconds, or -1 when the file cannot be read as WAV.
    int GetLengthMs(const QString& file) const;

    // The first pause after startFrame (callers pass 2048, milliseconds, gap 25
    // ms, threshold 1 %): a position inside it, in milliseconds when asMs; gap
    // then holds the length in frames of the quiet stretch. Without a pause the
    // result is the end of the recording in the same unit (its length as
    // GetLengthMs measures it, or its frame count). Nothing when the file
    // cannot be read.
    std::optional<int> FindPauseAfter(const QString& file, int startFrame, bool asMs, int& gap,
                                      int thresholdPercent) const;

    // Plays the file from fromMs to toMs; notify gets a MediaNoticeEvent when
    // the part has been played. False while busy, for a missing or unplayable
    // file, or an empty part.
    bool PlayRange(QObject* notify, const QString& file, int fromMs, int toMs);
    // Stops the part being played.
    void Stop();
    // Stops the range playing of the program, clears the busy flag
    // and the remembered device.
    bool CloseAllDevices();

    bool Busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }
    // Number of the last device opened by PlayRange (0: none).
    int LastDevice() const { return device_; }

private:
    bool busy_ = false;
    int device_ = 0;
};
