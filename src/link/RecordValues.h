#pragma once
// Every record of the store as its raw value, in the order and under the keys the dumps use:
// the radio-state records, the link flags, "EX.count" and the menu items. Comparing raw values
// is cheap; the text a dump shows is made only for the ones that differ (recordText).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

class RadioStateStore;

// A record's name: a fixed key, or a menu item's number (key "EX001"...).
struct RecordRef {
    std::string_view key;  // empty for a menu item
    int menuItem = 0;

    static RecordRef named(std::string_view key) { return {key, 0}; }
    static RecordRef item(int n) { return {{}, n}; }
};
std::string recordKey(const RecordRef& ref);

struct RecordValue {
    enum class Kind : uint8_t { Whole, Real, Text };
    Kind kind = Kind::Whole;
    int64_t whole = 0;
    double real = 0;
    std::string_view text;  // valid while the visit runs

    static RecordValue ofWhole(int64_t v) { return {Kind::Whole, v, 0, {}}; }
    static RecordValue ofReal(double v) { return {Kind::Real, 0, v, {}}; }
    static RecordValue ofText(std::string_view v) { return {Kind::Text, 0, 0, v}; }

    // Same bits, hence the same text; values that differ may still read alike (0 and -0 do not).
    bool sameAs(const RecordValue& other) const;
};
// The value as the dumps write it: "14195000", "-120.5", a keyer text as is.
std::string recordText(const RecordValue& value);

// Menu items in the store's units (beacon times in seconds), or as their EX field carries them.
enum class MenuUnits { Stored, Field };

using RecordValueVisitor = std::function<void(const RecordRef&, const RecordValue&)>;
void forEachRecordValue(RadioStateStore& store, MenuUnits units, const RecordValueVisitor& visit);

}  // namespace velmora
