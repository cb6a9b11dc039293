// The pause search on any file image, with the start frame, the minimum gap
// and the threshold taken from the first four bytes.
#include "sound/twav.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const int start = (data[0] << 8 | data[1]) * 8;
    int gap = data[2] % 100;
    const int threshold = data[3] % 20;
    const QByteArray image(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    (void)FindPauseInWav(image, start, data[2] & 0x80, gap, threshold);
    return 0;
}
