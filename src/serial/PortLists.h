#pragma once
// The operator's choices of port and speed, as the COM Select and Baud rate dialogs list them.
// Each list ends with an empty record, as the dialogs expect.
#include <array>
#include <cstdint>

namespace velmora {

struct PortListEntry {
    char name[12];
    int32_t number;
};

struct BaudListEntry {
    char text[12];
    int32_t value;
};

// clang-format off
inline constexpr std::array<PortListEntry, 21> kPortList = {{
    {"COM1",   1}, {"COM2",   2}, {"COM3",   3}, {"COM4",   4}, {"COM5",   5},
    {"COM6",   6}, {"COM7",   7}, {"COM8",   8}, {"COM9",   9}, {"COM10", 10},
    {"COM11", 11}, {"COM12", 12}, {"COM13", 13}, {"COM14", 14}, {"COM15", 15},
    {"COM16", 16}, {"COM17", 17}, {"COM18", 18}, {"COM19", 19}, {"COM20", 20},
    {"",       0},
}};

inline constexpr std::array<BaudListEntry, 5> kBaudList = {{
    {"4800",   4800},
    {"9600",   9600},
    {"19200", 19200},
    {"38400", 38400},
    {"",          0},
}};
// clang-format on

// Entries before the closing empty record.
inline constexpr int kPortListCount = static_cast<int>(kPortList.size()) - 1;
inline constexpr int kBaudListCount = static_cast<int>(kBaudList.size()) - 1;

// The digit of the radio's baud-rate menu item for a speed: 0 for 4800 and for anything that is
// not one of the four.
constexpr int baudRateMenuDigit(int32_t baud) {
    switch (baud) {
        case 9600:
            return 1;
        case 19200:
            return 2;
        case 38400:
            return 3;
        default:
            return 0;
    }
}

}  // namespace velmora
