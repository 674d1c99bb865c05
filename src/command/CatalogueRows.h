#pragma once
// The row types of the command catalogue: each family of requests is a table of rows, one row
// per listed request (or group of requests that share a handler), so the tables can be read
// against the protocol listing line by line. Parameter texts may hold 'r', which stands for the
// request's target digit ("0" MAIN, "1" SUB).
#include <array>
#include <cstdint>
#include <string_view>

#include "link/RadioRecords.h"

namespace velmora {

// The request ids one row serves: one id, a pair, or a contiguous range.
struct RequestIds {
    uint32_t first = 0;
    uint32_t last = 0;
    uint32_t also = 0;  // a second id outside the range; 0 for none

    constexpr bool contains(uint32_t id) const {
        return (id >= first && id <= last) || (also != 0 && id == also);
    }
};
constexpr RequestIds one(uint32_t id) {
    return {id, id, 0};
}
constexpr RequestIds two(uint32_t a, uint32_t b) {
    return {a, a, b};
}
constexpr RequestIds range(uint32_t first, uint32_t last) {
    return {first, last, 0};
}

// Where a row finds the value the radio last reported for its setting.
struct StoredValue {
    using Single = BoundedInt RadioRecords::*;
    using Pair = std::array<BoundedInt, 2> RadioRecords::*;
    static constexpr int kTargetReceiver = -1;

    Single single = nullptr;
    Pair pair = nullptr;
    int element = 0;  // of the pair: kMain, kSub, or kTargetReceiver

    int32_t read(const RadioRecords& records, int receiver) const {
        if (single) return (records.*single).get();
        if (pair) return (records.*pair)[element == kTargetReceiver ? receiver : element].get();
        return 0;
    }
};
constexpr StoredValue stored(StoredValue::Single record) {
    return {record, nullptr, 0};
}
constexpr StoredValue storedOf(StoredValue::Pair records, int element) {
    return {nullptr, records, element};
}
constexpr StoredValue storedOfTarget(StoredValue::Pair records) {
    return {nullptr, records, StoredValue::kTargetReceiver};
}

// Family A: always the same command; wParam and lParam are ignored.
struct FixedRow {
    uint32_t id;
    std::string_view code;
    std::string_view params;
    bool query = false;  // a query of the read table instead of a set command
};

// Family B: the opposite of the stored on/off value: code + prefix + "1" when it is 0,
// code + prefix + "0" when it is 1, nothing otherwise.
struct ToggleRow {
    uint32_t id;
    std::string_view code;
    std::string_view prefix;
    StoredValue stored;
};

// Variants of family B: the parameters chosen by the stored value 0 .. 3; an empty choice falls
// back to `otherwise`, and an empty `otherwise` sends nothing.
struct StoredChoiceRow {
    uint32_t id;
    std::string_view code;
    StoredValue stored;
    std::array<std::string_view, 4> byValue;
    std::string_view otherwise;
};

// Family C: code + prefix + v written over width characters + suffix.
struct ValueFieldRow {
    RequestIds ids;
    std::string_view code;
    std::string_view prefix;
    int width;
    std::string_view suffix = {};
};

// Family D: code + r + a character chosen from v, then suffix.
struct TargetChoiceRow {
    enum Kind : uint8_t {
        Mapped,  // the character at position v of `choices`; v outside it sends nothing
        Direct,  // v written over width characters
        Fixed,   // `choices` as they are; v is ignored
    };
    RequestIds ids;
    std::string_view code;
    Kind kind;
    std::string_view choices;
    int width = 1;
    std::string_view suffix = {};
};

// Family F: "EU" + p + v(2) for v > 0, "ED" + p + |v|(2) for v < 0; nothing for 0 and |v| >= 100.
struct DialStepRow {
    RequestIds ids;
    char p;
};

// Family G: one command for a long press (v != 0), another (or nothing) for a short one.
struct PressRow {
    uint32_t id;
    std::string_view code;
    std::string_view whenNonZero;
    std::string_view whenZero;  // empty: nothing
};

}  // namespace velmora
