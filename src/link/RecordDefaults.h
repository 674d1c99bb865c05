#pragma once
// The default-record table: every radio-state record with its stable key name, its start value
// and its range. InitRadioState applies it; dumps, the fuzz check and the feed driver walk it.
#include <cstdint>
#include <span>
#include <string_view>

#include "link/RadioRecords.h"

namespace velmora {

struct IntRecordDefault {
    std::string_view key;  // "FA", "MD.main", "BP.sub.level", "PE210"
    BoundedInt& (*record)(RadioRecords&);
    int32_t value, max, min;
};

struct DoubleRecordDefault {
    std::string_view key;
    BoundedDouble& (*record)(RadioRecords&);
    double value, max, min;
};

struct TextRecordDefault {
    std::string_view key;
    BoundedText& (*record)(RadioRecords&);
};

std::span<const IntRecordDefault> intRecordDefaults();
std::span<const DoubleRecordDefault> doubleRecordDefaults();
std::span<const TextRecordDefault> textRecordDefaults();

// Overwrites every record (value, max and min) from the tables; texts become empty.
void applyRecordDefaults(RadioRecords& records);

}  // namespace velmora
