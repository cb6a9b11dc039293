#pragma once
// Standard MIDI Files: their playing time, from the tracks' events and the
// tempo changes.
#include <QByteArray>
#include <optional>

// Milliseconds from the first event to the last end of a track; nothing when
// the bytes are not a Standard MIDI File ("MThd" header, "MTrk" tracks).
std::optional<qint64> MidiLengthMs(const QByteArray& bytes);
