#pragma once
// The sound output: one device with three channels that sound at the same
// time and are mixed by the device.
//
//   Button  the sound of a drawn button (one at a time in the whole program)
//   Simple  feedback and preview sounds; a new one cuts off the previous
//   Range   a part of a recording played on its own
//
// Sounds are converted once to the device format (Convert) and can then be
// played any number of times. When a clip has been played to its end, the
// callback given to Play runs on the thread that created the device (the UI
// thread), after the current handler has returned; it never runs for a clip
// that was stopped or replaced first. The device is opened on first use; when
// there is none, Open() fails at once and every later call fails at once too.
#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QObject;

enum class AudioChannel { Button = 0, Simple = 1, Range = 2 };
inline constexpr int kAudioChannelCount = 3;

// The PCM layout of a sound. Playable: format tag 1, 8 bits unsigned or 16 bits
// signed little endian, 1 to 8 channels.
struct PcmFormat {
    int formatTag = 1;
    int channels = 0;
    int samplesPerSecond = 0;
    int bitsPerSample = 0;

    int BytesPerFrame() const { return channels * (bitsPerSample / 8); }
    bool IsPlayable() const;
};

// A sound in the device format.
class AudioClip {
public:
    AudioClip(PcmFormat format, QByteArray bytes);
    const PcmFormat& Format() const { return format_; }
    const QByteArray& Bytes() const { return bytes_; }
    qint64 Frames() const;
    qint64 DurationUs() const;

private:
    PcmFormat format_;
    QByteArray bytes_;
};
using AudioClipPtr = std::shared_ptr<const AudioClip>;

enum class PlayResult { Started, NotOpen, Refused };

class AudioDevice {
public:
    AudioDevice();
    virtual ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Opens the device on the first call; false when there is no device.
    virtual bool Open() = 0;
    virtual bool IsOpen() const = 0;
    // True while the device still plays a clip on the channel.
    virtual bool IsSounding(AudioChannel channel) const = 0;
    // Text of the last refused request, for the message shown to the user.
    virtual QString LastError() const { return {}; }

    // The PCM data (whole frames are taken) in the device format; nullptr when
    // the device is not open or the format is not playable.
    AudioClipPtr Convert(const PcmFormat& format, const char* data, qint64 bytes);
    // Starts the clip on the channel, cutting off what the channel played.
    PlayResult Play(AudioChannel channel, AudioClipPtr clip, std::function<void()> onEnd);
    // Silences the channel; its end callback is dropped.
    void Stop(AudioChannel channel);
    // A clip was started on the channel and neither its end has been handled
    // nor was it stopped.
    bool HasPendingEnd(AudioChannel channel) const;

protected:
    virtual AudioClipPtr ConvertPcm(const PcmFormat& format, const char* data, qint64 bytes) = 0;
    virtual PlayResult Start(AudioChannel channel, AudioClipPtr clip, quint64 token) = 0;
    virtual void Halt(AudioChannel channel) = 0;
    // Called by implementations, from any thread, when the clip started with
    // token has run out; the end is handled on the device's thread.
    void ReportEnd(AudioChannel channel, quint64 token);

private:
    void HandleEnd(AudioChannel channel, quint64 token);

    struct Pending {
        quint64 token = 0;
        std::function<void()> onEnd;
    };
    std::array<Pending, kAudioChannelCount> pending_;
    quint64 lastToken_ = 0;
    std::unique_ptr<QObject> receiver_;
};

// The program's device (the SDL device unless a test installed another).
AudioDevice& ProgramAudio();
// Installs a device (tests); nullptr restores the real one. Not owned.
void SetProgramAudio(AudioDevice* device);
