#pragma once
// How every worker thread is stopped at shutdown: WM_THREAD_QUIT, then up to 100 ms for it to
// go, repeated while it still runs, at most 52 times.
#include <chrono>

namespace velmora {

class ThreadHandle;

inline constexpr int kStopThreadPosts = 52;
inline constexpr std::chrono::milliseconds kStopThreadWait{100};

// Returns whether the thread has ended. The wait after each post ends as soon as the thread
// has, rather than always sleeping the whole 100 ms.
bool StopThread(ThreadHandle& thread);

}  // namespace velmora
