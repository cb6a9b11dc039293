// Fuzz target: the EMF record player.
#include "fuzz_metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzMetafile(data, size);
    return 0;
}
