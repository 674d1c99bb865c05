#pragma once
// `velmora --headless`: the application shell on the headless window host, with the console as
// its onlooker and failure presenter, optionally against the simulated radio in-process.
#include <atomic>
#include <cstdio>

#include "app/HeadlessOptions.h"

namespace velmora {

inline constexpr long kExitAfterReadLimitMs =
    60000;  // a read that has not completed by then failed

// Runs until the duration passes, stop is set, or (with exitAfterRead) the reads are complete
// (every answer in), gave up with answers missing, or the link fails. Returns the exit code: 0,
// 1 for a start that failed, 2 for a failed link or an incomplete read.
int runHeadless(const HeadlessOptions& options, std::FILE* out, std::FILE* err,
                const std::atomic<bool>& stop);

}  // namespace velmora
