#include "link/StoreDump.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "files/JsonString.h"
#include "link/MenuValueCodec.h"
#include "link/RadioStateStore.h"
#include "link/RecordDefaults.h"

namespace velmora {

namespace {

std::string formatDouble(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

void visitLinkFlags(const LinkFlags& f, const RecordVisitor& visit) {
    auto flag = [&](std::string_view key, bool v) { visit(key, v ? "1" : "0"); };
    auto word = [&](std::string_view key, int32_t v) { visit(key, std::to_string(v)); };
    flag("link.commandFlagA", f.commandFlagA.load());
    flag("link.watchdogArmed", f.watchdogArmed.load());
    flag("link.commandFlagB", f.commandFlagB.load());
    flag("link.aiOnSent", f.aiOnSent.load());
    word("link.memoryTextPosition", f.memoryTextPosition.load());
    flag("link.answerPending", f.answerPending.load());
    flag("link.commGate", f.commGate.load());
    flag("link.reEnablePending", f.reEnablePending.load());
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

bool isTextKey(std::string_view key) {
    for (const auto& row : textRecordDefaults())
        if (row.key == key) return true;
    return false;
}

// Menu items in the store's units (beacon times in seconds), or as their EX field carries them.
enum class MenuUnits { Stored, Field };

void visitRecords(RadioStateStore& store, MenuUnits units, const RecordVisitor& visit) {
    RadioRecords& r = store.records;
    for (const auto& row : intRecordDefaults()) {
        visit(row.key, std::to_string(row.record(r).get()));
    }
    for (const auto& row : doubleRecordDefaults()) {
        visit(row.key, formatDouble(row.record(r).get()));
    }
    for (const auto& row : textRecordDefaults()) {
        std::array<char, BoundedText::kCapacity> text{};
        visit(row.key, row.record(r).copyInto(text));
    }
    visitLinkFlags(store.link, visit);
    visit("EX.count", std::to_string(store.menus.count()));
    for (int n = 1; n <= store.menus.count(); ++n) {
        char key[16];
        std::snprintf(key, sizeof key, "EX%03d", n);
        const double value = units == MenuUnits::Field ? menuFieldValue(store.menus, n)
                                                       : store.menus.value(n).value_or(0);
        visit(key, formatDouble(value));
    }
}

}  // namespace

void forEachRecord(RadioStateStore& store, const RecordVisitor& visit) {
    visitRecords(store, MenuUnits::Stored, visit);
}

RecordSnapshot snapshotRecords(RadioStateStore& store) {
    RecordSnapshot snapshot;
    forEachRecord(store, [&](std::string_view key, std::string_view value) {
        snapshot.emplace_back(std::string(key), std::string(value));
    });
    return snapshot;
}

std::vector<RecordChange> diffSnapshots(const RecordSnapshot& before, const RecordSnapshot& after) {
    std::map<std::string_view, std::string_view> old;
    for (const auto& [key, value] : before) old.emplace(key, value);
    std::vector<RecordChange> changes;
    for (const auto& [key, value] : after) {
        const auto it = old.find(key);
        const std::string_view was = it == old.end() ? std::string_view{} : it->second;
        if (it != old.end()) old.erase(it);
        if (was != value) changes.push_back({key, std::string(was), value});
    }
    for (const auto& [key, value] : old) {
        changes.push_back({std::string(key), std::string(value), std::string()});
    }
    return changes;
}

std::string storeDumpJson(RadioStateStore& store) {
    std::string out = "{\n";
    bool first = true;
    visitRecords(store, MenuUnits::Field, [&](std::string_view key, std::string_view value) {
        if (!first) out += ",\n";
        first = false;
        out += "  ";
        appendJsonString(out, key);
        out += ": ";
        if (isTextKey(key)) {
            appendJsonString(out, value);
        } else {
            out += value;
        }
    });
    out += "\n}\n";
    return out;
}

}  // namespace velmora
