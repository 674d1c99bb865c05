#include "link/RecordValues.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "link/MenuValueCodec.h"
#include "link/RadioStateStore.h"
#include "link/RecordDefaults.h"

namespace velmora {

namespace {

void visitLinkFlags(const LinkFlags& f, const RecordValueVisitor& visit) {
    auto word = [&](std::string_view key, int64_t v) {
        visit(RecordRef::named(key), RecordValue::ofWhole(v));
    };
    word("link.commandFlagA", f.commandFlagA.load());
    word("link.watchdogArmed", f.watchdogArmed.load());
    word("link.commandFlagB", f.commandFlagB.load());
    word("link.aiOnSent", f.aiOnSent.load());
    word("link.memoryTextPosition", f.memoryTextPosition.load());
    word("link.answerPending", f.answerPending.load());
    word("link.commGate", f.commGate.load());
    word("link.reEnablePending", f.reEnablePending.load());
    word("link.savedAutoInfoWanted", f.savedAutoInfoWanted.load());
    word("link.autoInfoWanted", f.autoInfoWanted.load());
    word("link.lastKnownPower", f.lastKnownPower.load());
}

// An item's value as its EX field carries it, which is what the simulated radio keeps: the
// stored value itself for every kind but the beacon time, kept in seconds, whose seconds above
// 240 the field carries as 30-second codes.
double menuFieldValue(const MenuTable& menus, int n) {
    const double value = menus.value(n).value_or(0);
    if (menus.valueKind(n) != kBeaconTimeKind) return value;
    return static_cast<double>(beaconFieldNumber(wholeMenuValue(value)));
}

}  // namespace

std::string recordKey(const RecordRef& ref) {
    if (ref.menuItem == 0) return std::string(ref.key);
    char key[16];
    std::snprintf(key, sizeof key, "EX%03d", ref.menuItem);
    return key;
}

bool RecordValue::sameAs(const RecordValue& other) const {
    if (kind != other.kind) return false;
    switch (kind) {
        case Kind::Whole:
            return whole == other.whole;
        case Kind::Real:
            return std::memcmp(&real, &other.real, sizeof real) == 0;
        case Kind::Text:
            return text == other.text;
    }
    return false;
}

std::string recordText(const RecordValue& value) {
    switch (value.kind) {
        case RecordValue::Kind::Whole:
            return std::to_string(value.whole);
        case RecordValue::Kind::Real: {
            char text[64];
            std::snprintf(text, sizeof text, "%.10g", value.real);
            return text;
        }
        case RecordValue::Kind::Text:
            return std::string(value.text);
    }
    return {};
}

void forEachRecordValue(RadioStateStore& store, MenuUnits units, const RecordValueVisitor& visit) {
    RadioRecords& r = store.records;
    for (const auto& row : intRecordDefaults()) {
        visit(RecordRef::named(row.key), RecordValue::ofWhole(row.record(r).get()));
    }
    for (const auto& row : doubleRecordDefaults()) {
        visit(RecordRef::named(row.key), RecordValue::ofReal(row.record(r).get()));
    }
    for (const auto& row : textRecordDefaults()) {
        std::array<char, BoundedText::kCapacity> text{};
        visit(RecordRef::named(row.key), RecordValue::ofText(row.record(r).copyInto(text)));
    }
    visitLinkFlags(store.link, visit);
    visit(RecordRef::named("EX.count"), RecordValue::ofWhole(store.menus.count()));
    if (units == MenuUnits::Field) {
        for (int n = 1; n <= store.menus.count(); ++n) {
            visit(RecordRef::item(n), RecordValue::ofReal(menuFieldValue(store.menus, n)));
        }
        return;
    }
    std::array<double, MenuTable::kCapacity> values;
    const int count = store.menus.copyValues(values);
    for (int n = 1; n <= count; ++n) {
        visit(RecordRef::item(n), RecordValue::ofReal(values[static_cast<size_t>(n - 1)]));
    }
}

}  // namespace velmora
