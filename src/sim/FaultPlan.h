#pragma once
// The faults the simulated radio shows on demand. All off by default.
#include <cstdint>
#include <string>

namespace velmora::sim {

struct FaultPlan {
    // Silence: no output at all once this many commands have arrived (negative: never), for
    // silenceForMs milliseconds (0: for good). The radio still obeys what it hears.
    int silenceAfterCommands = -1;
    int64_t silenceForMs = 0;
    // Each command is refused with "?;" (and not carried out) with this probability.
    double refuseFraction = 0;
    // Every command with this two-letter code is refused with "?;" (empty: none). Unlike the
    // fraction above it is the same on every run, so a test can aim at one command.
    std::string refuseCode;
    // The first this many identification queries ("ID;") are refused with "?;", as a radio still
    // busy starting up does.
    int refuseIdentifications = 0;
    // Random bytes put on the line between answers, on average this many per second.
    double noiseBytesPerSecond = 0;
    // Every answer is written in this many pieces with splitGapMs between them.
    int splitPieces = 1;
    int splitGapMs = 0;
    // The line is closed this long after the transport starts (negative: never).
    int64_t disconnectAfterMs = -1;
    // Seed of every random choice, so that a run can be repeated.
    uint64_t seed = 1;
};

// A small, fast generator whose sequence is the same on every platform for a given seed.
class SimRandom {
  public:
    explicit SimRandom(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Uniform in [0, n).
    uint64_t below(uint64_t n) { return n == 0 ? 0 : next() % n; }

  private:
    uint64_t state_;
};

}  // namespace velmora::sim
