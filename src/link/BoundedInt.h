#pragma once
// A radio-state record {value, max, min}: the value follows the radio, the range is the radio's.
// The value is read by the painting and command threads while the analysis thread writes it, so
// it is atomic; max and min are written only by InitRadioState, before any worker thread runs.
#include <atomic>
#include <cstdint>

namespace velmora {

struct BoundedInt {
    std::atomic<int32_t> value{0};
    int32_t max = 0;
    int32_t min = 0;

    int32_t get() const { return value.load(std::memory_order_relaxed); }
    bool inRange(int32_t v) const { return v >= min && v <= max; }
    // Stores v only within [min, max]; a refused value leaves the record as it was.
    bool set(int32_t v) {
        if (!inRange(v)) return false;
        value.store(v, std::memory_order_relaxed);
        return true;
    }
    void reset(int32_t v, int32_t hi, int32_t lo) {
        max = hi;
        min = lo;
        value.store(v, std::memory_order_relaxed);
    }
};

}  // namespace velmora
