#include "sound/midi_file.h"

#include <gtest/gtest.h>

namespace {

QByteArray Header(int format, int tracks, int division)
{
    QByteArray h("MThd\0\0\0\x06", 8);
    for (int v : {format, tracks, division}) {
        h += char(v >> 8);
        h += char(v & 0xff);
    }
    return h;
}

QByteArray Track(const QByteArray& events)
{
    QByteArray t("MTrk");
    const int n = int(events.size());
    t += char(n >> 24);
    t += char(n >> 16);
    t += char(n >> 8);
    t += char(n);
    return t + events;
}

// Tempo 500000 us per quarter, a note of 480 ticks after 480 ticks (running
// status for its end), end at tick 960.
const QByteArray kTempoTrack("\x00\xff\x51\x03\x07\xa1\x20\x83\x60\x90\x3c\x40\x83\x60\x3c\x00\x00\xff\x2f\x00", 20);
// A program change, a note-off at 960, a system exclusive message, end at 1060.
const QByteArray kLongTrack("\x00\xc0\x05\x87\x40\x80\x40\x00\x00\xf0\x03\x01\x02\xf7\x64\xff\x2f\x00", 18);

} // namespace

TEST(MidiFile, LengthFollowsTheTempoAndTheLongestTrack)
{
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 480) + Track(kTempoTrack)), 1000);
    EXPECT_EQ(MidiLengthMs(Header(1, 2, 480) + Track(kTempoTrack) + Track(kLongTrack)), 1104);
    // Twice as fast from tick 480 on.
    const QByteArray faster("\x00\xff\x51\x03\x07\xa1\x20\x83\x60\xff\x51\x03\x03\xd0\x90\x83\x60\xff\x2f\x00", 20);
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 480) + Track(faster)), 750);
    // Time code: 25 frames of 40 ticks per second.
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 0xE728) + Track(kLongTrack)), 1060);
    // A track cut short still measures what is there.
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 480) + Track(kTempoTrack).left(20)), 500);
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 480) + Track(kTempoTrack).left(16)), 0);

    EXPECT_EQ(MidiLengthMs(QByteArray("RIFF....WAVE")), std::nullopt);
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 0) + Track(kTempoTrack)), std::nullopt);
    EXPECT_EQ(MidiLengthMs(Header(0, 1, 480)), std::nullopt);
}
