#include "app/StopThread.h"

#include <chrono>
#include <thread>

#include "link/MessageIds.h"

namespace velmora {

namespace {
bool waitForEnd(const ThreadHandle& thread, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (thread.isRunning()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
}  // namespace

bool StopThread(ThreadHandle* thread) {
    if (!thread) return true;
    for (int posts = 0; posts < kStopThreadMaxPosts && thread->isRunning(); ++posts) {
        thread->post(msg::WM_THREAD_QUIT, 0, 0);
        if (waitForEnd(*thread, std::chrono::milliseconds(kStopThreadWaitMs))) return true;
    }
    return !thread->isRunning();
}

}  // namespace velmora
