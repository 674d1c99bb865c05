#pragma once
// A few menu items so that EX answers can be sized and analysed before the radio's built-in
// menu table is part of the program. Replace with the built-in table when it lands.
#include <vector>

#include "menulist/MenuTable.h"

namespace velmora::feed {

inline void installStandInMenuTable(MenuTable& menus) {
    constexpr int kCount = 40;
    struct Row {
        int number, width, kind;
    };
    // Items not listed have a three-digit decimal field.
    const Row rows[] = {
        {5, 4, 12},   // also shown by the break-in display
        {10, 1, 11},  // also shown by the contour display
        {12, 8, 14},  // bit string
        {20, 2, 15},  // also shown by the S-meter
        {24, 3, 16},  // beacon time
        {32, 1, 0},   // CAT baud rate
    };
    std::vector<MenuItemDef> items(kCount);
    for (int n = 1; n <= kCount; ++n) {
        items[n - 1].number = n;
        items[n - 1].width = 3;
    }
    for (const Row& r : rows) {
        items[r.number - 1].width = r.width;
        items[r.number - 1].valueKind = r.kind;
    }
    menus.install(items.data(), kCount);
    menus.setCount(kCount);
}

}  // namespace velmora::feed
