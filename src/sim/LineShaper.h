#pragma once
// The line faults that shape what the radio writes: answers split into pieces with gaps, and
// random noise bytes between answers. Times are microseconds of a monotonic clock.
#include <cstdint>
#include <deque>
#include <string>

#include "sim/FaultPlan.h"

namespace velmora::sim {

struct LineChunk {
    std::string bytes;
    int64_t notBeforeMicros;  // earliest time the chunk may be written
};

class LineShaper {
  public:
    explicit LineShaper(uint64_t seed) : random_(seed) {}

    void setPlan(const FaultPlan& plan) { plan_ = plan; }
    // Appends the answer, cut into the plan's number of pieces, to out.
    void addAnswer(const std::string& answer, int64_t nowMicros, std::deque<LineChunk>& out);
    // The noise bytes owed by now at the plan's rate (empty when none are due).
    std::string noiseDue(int64_t nowMicros);

  private:
    FaultPlan plan_;
    SimRandom random_;
    int64_t lastNoiseMicros_ = -1;
    double noiseOwed_ = 0;
};

}  // namespace velmora::sim
