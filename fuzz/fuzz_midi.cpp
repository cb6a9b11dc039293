// Measuring a Standard MIDI File.
#include "sound/midi_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto length = MidiLengthMs(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (length && *length < 0)
        std::abort();
    return 0;
}
