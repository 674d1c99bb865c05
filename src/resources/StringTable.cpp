#include "resources/StringTable.h"

#include <array>

namespace velmora {

namespace {

struct StringRow {
    int id;
    std::string_view text;
};

// One row per id, 101 to 118 in order. 101 (the system-menu entry of the version window), 114
// (the line under the version number) and 116-118 (the equalizer's file failures) are this
// program's own wording; 113 carries the build's version, the same that --version prints.
constexpr std::array<StringRow, 18> kStrings{{
    {101, "Version information..."},
    {102, "Please enter the operating frequency."},
    {103, "The entry range is 30000 - 60000000."},
    {104, "The input range is incorrect."},
    {105, "Please enter the TX command."},
    {106, "Failed to open the port.\nPlease confirm the port connection."},
    {107,
     "Failed to read the menu configuration file.\n"
     "Execute the control program with the default settings."},
    {108,
     "Failed to read the COM port configuration file.\n"
     "Execute the control program with the default settings."},
    {109, "Reading the menu setting data now."},
    {110, "Connecting the COM port now."},
    {111, "Failed to connect the COM port."},
    {112, "Update the menu setting.\nPlease close and open the menu window."},
    {113, "Velmora Version  " VELMORA_VERSION},
    {114, "Remote control of the Aldren transceiver over its CAT port."},
    {115, "Failed to open the port."},
    {116, "The file could not be saved."},
    {117, "The file could not be read."},
    {118, "Some equalizer values are unknown or out of range.\nNothing was saved."},
}};

}  // namespace

std::string_view stringText(int id) {
    if (id < kFirstStringId || id > kLastStringId) return {};
    return kStrings[static_cast<size_t>(id - kFirstStringId)].text;
}

}  // namespace velmora
