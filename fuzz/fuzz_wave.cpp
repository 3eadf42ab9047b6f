// Any bytes at all must parse to an error or to data inside the file.
#include <cstdint>
#include <cstdlib>

#include "platform/sound/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::WaveFile w = platform::ParseWave({data, size});
    if (w.error == platform::kWaveOk && w.data.size() > size) std::abort();
    if (w.error != platform::kWaveOk && !w.data.empty()) std::abort();
    return 0;
}
