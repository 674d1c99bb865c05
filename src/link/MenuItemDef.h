#pragma once
// One item of the radio's setup menu: how it is named, shown, encoded in the EX command, and the
// value the radio last reported. The record is copied as one block between the store and the
// menu editor.
#include <cstdint>

namespace velmora {

inline constexpr int kMenuNameSize = 21;
inline constexpr int kMenuRangeTextSize = 103;
inline constexpr int kMenuUnitSize = 11;
inline constexpr int kMenuChoiceSize = 21;
inline constexpr int kMenuMaxChoices = 70;

struct MenuItemDef {
    int32_t number = 0;  // 1-based, equal to its position in the table
    char name[kMenuNameSize] = {};
    char rangeText[kMenuRangeTextSize] = {};
    double value = 0;   // as the radio holds it
    int32_t width = 0;  // characters of the value field in the EX command
    uint8_t hasUnit = 0;
    char unit[kMenuUnitSize] = {};
    int32_t valueKind = 0;
    double max = 0;
    double min = 0;
    double step = 0;
    int32_t choiceCount = 0;
    char choices[kMenuMaxChoices][kMenuChoiceSize] = {};
    uint8_t changed = 0;  // a new value was entered and not yet written
    double newValue = 0;
};

}  // namespace velmora
