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

TEST(StopThread, AsksAgainUntilTheThreadEnds) {
    StubbornThread thread;
    EXPECT_TRUE(StopThread(&thread));
    EXPECT_EQ(thread.asks(), 3);
}

TEST(StopThread, GivesUpAfterFiftyTwoAsks) {
    StubbornThread thread;
    thread.setEndAfter(1000);
    EXPECT_FALSE(StopThread(&thread));
    EXPECT_EQ(thread.asks(), kStopThreadMaxPosts);
}

TEST(StopThread, NullOrEndedThreadsNeedNothing) {
    EXPECT_TRUE(StopThread(nullptr));
    StubbornThread thread;
    thread.setEndAfter(1);
    thread.post(msg::WM_THREAD_QUIT, 0, 0);
    EXPECT_TRUE(StopThread(&thread));
    EXPECT_EQ(thread.asks(), 1);
}

}  // namespace
}  // namespace velmora
