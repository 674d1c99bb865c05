#pragma once
// Ending a worker thread at shutdown: it is asked with WM_THREAD_QUIT and given 100 ms per ask,
// at most 52 asks; a thread that will not end is left running and shutdown goes on.
#include "link/ThreadHandle.h"

namespace velmora {

inline constexpr int kStopThreadMaxPosts = 52;
inline constexpr int kStopThreadWaitMs = 100;

// Returns whether the thread has ended (true also for a null or already ended thread). Between
// two asks it watches the thread every millisecond, so a thread that ends at once costs no more
// than that.
bool StopThread(ThreadHandle* thread);

}  // namespace velmora
