#include "link/RecordWatch.h"

#include <utility>

namespace velmora {

RecordWatch::Raw RecordWatch::Raw::of(const RecordRef& ref, const RecordValue& v) {
    return {ref, v.kind, v.whole, v.real, std::string(v.text)};
}

void RecordWatch::takeAll(RadioStateStore& store, RecordSnapshot& shown,
                          std::vector<Raw>& raws) const {
    shown.clear();
    raws.clear();
    forEachRecordValue(store, MenuUnits::Stored, [&](const RecordRef& ref, const RecordValue& v) {
        shown.emplace_back(recordKey(ref), recordText(v));
        raws.push_back(Raw::of(ref, v));
    });
}

void RecordWatch::reset(RadioStateStore& store) {
    takeAll(store, shown_, raws_);
}

std::vector<RecordChange> RecordWatch::look(RadioStateStore& store) {
    std::vector<RecordChange> changes;
    size_t i = 0;
    bool sameLayout = true;
    forEachRecordValue(store, MenuUnits::Stored, [&](const RecordRef& ref, const RecordValue& v) {
        if (!sameLayout || i >= raws_.size() || !raws_[i].names(ref)) {
            sameLayout = false;
            return;
        }
        Raw& raw = raws_[i];
        auto& [key, shown] = shown_[i++];
        if (raw.view().sameAs(v)) return;
        raw = Raw::of(ref, v);
        std::string now = recordText(v);
        if (now == shown) return;
        changes.push_back({key, shown, now});
        shown = std::move(now);
    });
    if (sameLayout && i == raws_.size()) return changes;
    // The menu table changed its size: the whole store against what was shown (with the
    // records reported above already at their new values).
    RecordSnapshot shown;
    std::vector<Raw> raws;
    takeAll(store, shown, raws);
    for (auto& c : diffSnapshots(shown_, shown)) changes.push_back(std::move(c));
    shown_ = std::move(shown);
    raws_ = std::move(raws);
    return changes;
}

}  // namespace velmora
