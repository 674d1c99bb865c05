#include "equalizer/EqualizerCommands.h"

#include <cstdio>
#include <cstdlib>

namespace velmora::equalizer {

namespace {

std::string itemDigits(int item) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03d", item % 1000);
    return buffer;
}

std::string twoDigits(int32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(v % 100));
    return buffer;
}

}  // namespace

std::string readCommand(int item) {
    return "EX" + itemDigits(item) + ";";
}

std::string setCommand(int item, Param q, int32_t v) {
    std::string field;
    if (q == Param::Level) {
        field = (v < 0 ? "-" : "+") + twoDigits(std::abs(v));
    } else {
        field = twoDigits(v);
    }
    return "EX" + itemDigits(item) + field + ";";
}

}  // namespace velmora::equalizer
