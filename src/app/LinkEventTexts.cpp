#include "app/LinkEventTexts.h"

#include <cstdio>

#include "link/ReadLedger.h"

namespace velmora::link_text {

namespace {
constexpr int kOurIdentification = 362;
}

std::string portOpened(std::string_view description) {
    return "port opened: " + std::string(description);
}

std::string portNotOpened(std::string_view why) {
    return "port not opened: " + std::string(why);
}

std::string portClosed() {
    return "port closed";
}

std::string radioIdentified(int value) {
    char text[64];
    std::snprintf(text, sizeof text, "radio identified: %04d%s", value,
                  value == kOurIdentification ? "" : " (not the radio this program controls)");
    return text;
}

std::string autoInformation(bool on) {
    return on ? "auto-information on" : "auto-information off";
}

std::string initialReadProgress(int steps, int total) {
    return "initial read: " + std::to_string(steps) + " of " + std::to_string(total) + " steps";
}

std::string menuReadStarted() {
    return "initial read complete; menu read started";
}

std::string menuReadProgress(int steps, int items) {
    if (steps > items) return "menu read: asking again for the answers still missing";
    return "menu read: " + std::to_string(steps) + " of " + std::to_string(items) + " items";
}

std::string linkLost(std::string_view why) {
    return "link lost: " + std::string(why) + "; connecting again when the radio is back";
}

std::string linkRestored() {
    return "link up again";
}

std::string menuReadComplete() {
    return "menu read complete";
}

std::string menuReadIncomplete(const std::vector<std::string>& missing) {
    return "menu read incomplete: " + std::to_string(missing.size()) +
           " answers missing: " + missingList(missing);
}

std::string commSettingSetAside(std::string_view path, std::string_view setAside) {
    return "settings saved in " + std::string(path) +
           "; the file that could not be read is kept as " + std::string(setAside);
}

}  // namespace velmora::link_text
