#pragma once
// A sound device for tests: it keeps the PCM data as given (no conversion),
// records every play, and lets time pass only when the test advances it, by
// hand or through a FakeClock. Ends are reported like the real device's: on
// the UI thread once queued events run.
#include "platform/audio_device.h"
#include "support/fake_clock.h"

#include <memory>
#include <vector>

class FakeAudioDevice final : public AudioDevice {
public:
    struct PlayRecord {
        AudioChannel channel;
        AudioClipPtr clip;
        qint64 atMs = 0;  // device time when it started
    };

    FakeAudioDevice() { SetProgramAudio(this); }
    // Follows the clock: every advance of the clock is an advance here.
    explicit FakeAudioDevice(FakeClock& clock) : FakeAudioDevice()
    {
        std::weak_ptr<bool> alive = alive_;
        clock.OnAdvance([this, alive, last = clock.NowMs()](qint64 now) mutable {
            if (alive.expired())
                return;
            Advance(now - last);
            last = now;
        });
    }
    ~FakeAudioDevice() override { SetProgramAudio(nullptr); }

    // Test controls.
    bool available = true;                       // false: there is no device
    PlayResult nextResult = PlayResult::Started; // answer to the next Play
    std::vector<PlayRecord> plays;               // every clip started, in order

    bool Open() override
    {
        opened_ = available;
        return opened_;
    }
    bool IsOpen() const override { return opened_; }
    bool IsSounding(AudioChannel channel) const override { return voices_[int(channel)].active; }
    QString LastError() const override { return QStringLiteral("Gerät verweigert"); }

    // Plays ms milliseconds on every channel; clips that run out report their end.
    void Advance(qint64 ms)
    {
        nowMs_ += ms;
        for (int c = 0; c < kAudioChannelCount; ++c) {
            Voice& v = voices_[c];
            if (!v.active)
                continue;
            v.leftUs -= ms * 1000;
            if (v.leftUs <= 0) {
                v.active = false;
                ReportEnd(AudioChannel(c), v.token);
            }
        }
    }
    // Plays so far on the channel.
    int PlayCount(AudioChannel channel) const
    {
        int n = 0;
        for (const auto& p : plays)
            n += p.channel == channel;
        return n;
    }
    // The PCM data of the last clip started on the channel (empty if none).
    QByteArray LastData(AudioChannel channel) const
    {
        for (auto it = plays.rbegin(); it != plays.rend(); ++it)
            if (it->channel == channel)
                return it->clip->Bytes();
        return {};
    }

protected:
    AudioClipPtr ConvertPcm(const PcmFormat& format, const char* data, qint64 bytes) override
    {
        return std::make_shared<AudioClip>(format, QByteArray(data, bytes));
    }
    PlayResult Start(AudioChannel channel, AudioClipPtr clip, quint64 token) override
    {
        const PlayResult result = nextResult;
        nextResult = PlayResult::Started;
        if (result != PlayResult::Started)
            return result;
        plays.push_back({channel, clip, nowMs_});
        voices_[int(channel)] = Voice{clip->DurationUs(), token, true};
        if (clip->DurationUs() == 0)
            Advance(0);
        return result;
    }
    void Halt(AudioChannel channel) override { voices_[int(channel)] = Voice{}; }

private:
    qint64 nowMs_ = 0;
    struct Voice {
        qint64 leftUs = 0;
        quint64 token = 0;
        bool active = false;
    };
    Voice voices_[kAudioChannelCount];
    bool opened_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
