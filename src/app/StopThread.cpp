#include "app/StopThread.h"

#include <thread>

#include "link/MessageIds.h"
#include "link/ThreadHandle.h"

namespace velmora {

namespace {

constexpr std::chrono::milliseconds kPollStep{1};

void waitWhileRunning(const ThreadHandle& thread, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (thread.isRunning() && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kPollStep);
    }
}

}  // namespace

bool StopThread(ThreadHandle& thread) {
    for (int posts = 0; posts < kStopThreadPosts && thread.isRunning(); ++posts) {
        thread.post(msg::WM_THREAD_QUIT, 0, 0);
        waitWhileRunning(thread, kStopThreadWait);
    }
    return !thread.isRunning();
}

}  // namespace velmora
