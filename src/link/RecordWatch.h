#pragma once
// What the records of the store did since the last look, for the console's line per
// notification: the same changes as diffSnapshots over two snapshotRecords, but a look compares
// raw values and makes text only for the records that differ. A whole snapshot per answer was
// most of the console's cost while the radio reports many changes a second.
//
// Used on one thread.
#include <cstdint>
#include <string>
#include <vector>

#include "link/RecordValues.h"
#include "link/StoreDump.h"

namespace velmora {

class RadioStateStore;

class RecordWatch {
  public:
    // The store as it is now becomes what the next look compares with.
    void reset(RadioStateStore& store);
    // The records that changed since the last look (or reset), in snapshot order; the store as
    // it is now becomes the base of the next look.
    std::vector<RecordChange> look(RadioStateStore& store);

  private:
    struct Raw {
        RecordRef ref;
        RecordValue::Kind kind = RecordValue::Kind::Whole;
        int64_t whole = 0;
        double real = 0;
        std::string text;

        static Raw of(const RecordRef& ref, const RecordValue& v);
        RecordValue view() const { return {kind, whole, real, text}; }
        // The fixed keys are the tables' own strings: the same record comes with the same one.
        bool names(const RecordRef& other) const {
            return ref.menuItem == other.menuItem && ref.key.data() == other.key.data();
        }
    };

    // Walks the store once: each text shown and the raw value behind it come from one reading.
    void takeAll(RadioStateStore& store, RecordSnapshot& shown, std::vector<Raw>& raws) const;

    RecordSnapshot shown_;   // key and text of every record as the last look saw it
    std::vector<Raw> raws_;  // the raw values behind shown_, index by index
};

}  // namespace velmora
