#pragma once
// The radio's own view of its setup menu items: how wide each EX value field is, how the value is
// encoded, its limits and its factory setting. Taken from the shared built-in menu definitions
// (constant data); everything in the simulator reads the menu through simMenuItems().
#include <cstdint>
#include <vector>

namespace velmora::sim {

struct SimMenuItem {
    int number;       // 1-based
    int64_t factory;  // the value the radio starts with
    int width;        // characters of the EX value field
    int kind;         // value kind (same numbering as the menu definitions)
    double max, min, step;
    int choiceCount;  // 0 for numeric items
};

// All items, index = number - 1.
const std::vector<SimMenuItem>& simMenuItems();
int simMenuItemCount();

}  // namespace velmora::sim
