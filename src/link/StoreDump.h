#pragma once
// Every record of the store under a stable key, for dumps and for showing what an answer changed:
// the radio-state records ("FA", "MD.main", "IF.clarifier", "KM1"), the link flags
// ("link.aiOnSent") and the menu item values ("EX001" ...). The radio-state keys are the ones the
// simulated radio uses in its state dump, so that the two dumps compare key by key.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

class RadioStateStore;

// key and the value as text ("14195000", "-120.5", a keyer text as is).
using RecordVisitor = std::function<void(std::string_view key, std::string_view value)>;

void forEachRecord(RadioStateStore& store, const RecordVisitor& visit);

using RecordSnapshot = std::vector<std::pair<std::string, std::string>>;
RecordSnapshot snapshotRecords(RadioStateStore& store);

// The entries whose value differs between two snapshots, as {key, before, after}; keys present
// in only one (menu items after a count change) count with "" on the other side.
struct RecordChange {
    std::string key, before, after;
};
std::vector<RecordChange> diffSnapshots(const RecordSnapshot& before, const RecordSnapshot& after);

// The whole store as one JSON object in the simulated radio's format: numbers bare, texts quoted,
// menu items as their EX field carries them (the beacon time as the radio's code, not seconds),
// as the simulated radio keeps them.
std::string storeDumpJson(RadioStateStore& store);

}  // namespace velmora
