#pragma once
// One panel-state value. Some carry a range of their own (the display frequencies, the knob
// values): a value outside it is ignored without a word, because the display keeps showing the
// last good one. Values without a range accept anything.
#include <atomic>
#include <cstdint>
#include <limits>

namespace velmora {

struct PanelValue {
    std::atomic<int32_t> value{0};
    int32_t max = std::numeric_limits<int32_t>::max();
    int32_t min = std::numeric_limits<int32_t>::min();

    int32_t get() const { return value.load(std::memory_order_relaxed); }
    void set(int32_t v) {
        if (v >= min && v <= max) value.store(v, std::memory_order_relaxed);
    }
    void reset(int32_t v, int32_t hi, int32_t lo) {
        max = hi;
        min = lo;
        value.store(v, std::memory_order_relaxed);
    }
    void reset(int32_t v) {
        reset(v, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min());
    }
};

}  // namespace velmora
