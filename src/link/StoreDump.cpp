#include "link/StoreDump.h"

#include <map>

#include "files/JsonString.h"
#include "link/RecordDefaults.h"
#include "link/RecordValues.h"

namespace velmora {

namespace {

bool isTextKey(std::string_view key) {
    for (const auto& row : textRecordDefaults())
        if (row.key == key) return true;
    return false;
}

void visitRecords(RadioStateStore& store, MenuUnits units, const RecordVisitor& visit) {
    forEachRecordValue(store, units, [&](const RecordRef& ref, const RecordValue& value) {
        visit(recordKey(ref), recordText(value));
    });
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
