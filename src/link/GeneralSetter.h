#pragma once
// The store's general setter: three alternative {value, record} pairs; the first pair whose
// record is given is applied with the record's range rule.
#include <cstdint>

#include "link/BoundedDouble.h"
#include "link/BoundedInt.h"

namespace velmora {

inline bool setGeneral(int32_t first, BoundedInt* firstRecord, int32_t second,
                       BoundedInt* secondRecord, double third, BoundedDouble* thirdRecord) {
    if (firstRecord) return firstRecord->set(first);
    if (secondRecord) return secondRecord->set(second);
    if (thirdRecord) return thirdRecord->set(third);
    return false;
}

}  // namespace velmora
