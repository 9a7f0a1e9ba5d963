// libFuzzer target: the decoder on arbitrary packet lists.
#include "NmeaFuzz.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString failure = hb::fuzz::checkDecode(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
