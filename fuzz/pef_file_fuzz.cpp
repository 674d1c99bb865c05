// The equalizer's setting-file reader fed arbitrary file contents: it must never crash, every
// file it accepts must hold nine values within their ranges, and writing those values and
// reading them again must give the same nine values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "equalizer/PefFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velmora::equalizer;
    const auto values = parsePef(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!values) return 0;
    if (!allInRange(*values)) std::abort();
    if (parsePef(formatPef(*values)) != values) std::abort();
    return 0;
}
