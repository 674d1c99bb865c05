#pragma once
// Monotonic time and sleeping, the stand-ins for the system tick count and Sleep.
#include <cstdint>

namespace velmora {

// Milliseconds of a monotonic clock since an arbitrary start.
int64_t monotonicMillis();
void sleepMillis(int ms);

}  // namespace velmora
