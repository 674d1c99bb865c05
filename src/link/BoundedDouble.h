#pragma once
// The double twin of BoundedInt (clarifier offsets and scale values), with the same setter rule.
#include <atomic>

namespace velmora {

struct BoundedDouble {
    std::atomic<double> value{0.0};
    double max = 0.0;
    double min = 0.0;

    double get() const { return value.load(std::memory_order_relaxed); }
    // A NaN fails both comparisons and is refused like any out-of-range value.
    bool inRange(double v) const { return v >= min && v <= max; }
    bool set(double v) {
        if (!inRange(v)) return false;
        value.store(v, std::memory_order_relaxed);
        return true;
    }
    void reset(double v, double hi, double lo) {
        max = hi;
        min = lo;
        value.store(v, std::memory_order_relaxed);
    }
};

}  // namespace velmora
