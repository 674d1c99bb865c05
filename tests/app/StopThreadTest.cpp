#include <gtest/gtest.h>

#include <atomic>

#include "app/StopThread.h"
#include "link/MessageIds.h"
#include "link/ThreadHandle.h"

namespace velmora {
namespace {

// A thread that ignores the first asks to end: it counts them and only ends on the third.
class StubbornThread : public ThreadHandle {
  public:
    bool post(uint32_t id, uintptr_t, intptr_t) override {
        if (id == msg::WM_THREAD_QUIT && ++asks_ >= endAfter_) running_ = false;
        return true;
    }
    bool isRunning() const override { return running_; }
    int asks() const { return asks_; }
    void setEndAfter(int n) { endAfter_ = n; }

  private:
    std::atomic<int> asks_{0};
    std::atomic<bool> running_{true};
    int endAfter_ = 3;
};

// Asked again until it ends, at most kStopThreadMaxPosts times; an ended thread, or none, needs
// no more than the one ask that found it ended.
TEST(StopThread, AsksAgainUntilTheThreadEndsOrGivesUp) {
    EXPECT_TRUE(StopThread(nullptr));
    const struct {
        int endAfter;
        bool endedBefore, stopped;
        int asks;
    } rows[] = {{3, false, true, 3}, {1000, false, false, kStopThreadMaxPosts}, {1, true, true, 1}};
    for (const auto& r : rows) {
        StubbornThread thread;
        thread.setEndAfter(r.endAfter);
        if (r.endedBefore) thread.post(msg::WM_THREAD_QUIT, 0, 0);
        EXPECT_EQ(StopThread(&thread), r.stopped) << r.endAfter;
        EXPECT_EQ(thread.asks(), r.asks) << r.endAfter;
    }
}

}  // namespace
}  // namespace velmora
