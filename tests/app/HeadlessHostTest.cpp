#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/HeadlessHost.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

TEST(HeadlessHost, PostedMessagesAreServedInOrderOnTheLoopThread) {
    HeadlessHost host;
    std::vector<uint32_t> seen;
    std::thread::id handlerThread;
    host.setMessageHandler([&](uint32_t id, uintptr_t, intptr_t) {
        seen.push_back(id);
        handlerThread = std::this_thread::get_id();
        if (id == 3) host.quit();
    });
    std::thread poster([&] {
        for (uint32_t id = 1; id <= 3; ++id) host.post(id, 0, 0);
    });
    poster.join();
    host.run(HeadlessHost::Clock::now() + 5s);
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
}

// Posts that come faster than the gathering time are served together; none may be left behind
// when the burst ends, and a lone post after it is served too.
TEST(HeadlessHost, APostBurstIsServedWholeAndInOrderAndALonePostAfterItToo) {
    HeadlessHost host;
    constexpr uint32_t kBurst = 100, kLone = 1000;
    std::vector<uint32_t> seen;
    std::atomic<uint32_t> served{0};
    host.setMessageHandler([&](uint32_t id, uintptr_t, intptr_t) {
        seen.push_back(id);
        served = served + 1;
        if (id == kLone) host.quit();
    });
    std::thread poster([&] {
        for (uint32_t id = 1; id <= kBurst; ++id) {
            host.post(id, 0, 0);
            std::this_thread::sleep_for(1ms);  // a radio reporting a change a millisecond
        }
        ASSERT_TRUE(test::waitFor([&] { return served.load() == kBurst; }));
        host.post(kLone, 0, 0);
    });
    host.run(HeadlessHost::Clock::now() + 20s);
    poster.join();
    std::vector<uint32_t> expected;
    for (uint32_t id = 1; id <= kBurst; ++id) expected.push_back(id);
    expected.push_back(kLone);
    EXPECT_EQ(seen, expected);
}

TEST(HeadlessHost, SendFromAnotherThreadReturnsAfterTheHandlerRan) {
    HeadlessHost host;
    std::atomic<bool> handled{false};
    std::atomic<bool> sawHandled{false};
    host.setMessageHandler([&](uint32_t id, uintptr_t, intptr_t) {
        if (id == 7) handled = true;
    });
    std::thread sender([&] {
        test::waitFor([&] { return host.isTimerActive(99); });
        host.send(7, 0, 0);
        sawHandled = handled.load();
        host.quit();
    });
    host.setTimer(99, 10000);  // tells the sender the loop is about to run
    host.run(HeadlessHost::Clock::now() + 10s);
    sender.join();
    EXPECT_TRUE(sawHandled);
}

TEST(HeadlessHost, SendWithoutARunningLoopIsKeptAsAPost) {
    HeadlessHost host;
    int served = 0;
    host.setMessageHandler([&](uint32_t id, uintptr_t, intptr_t) { served += id == 1; });
    std::thread loop([&] { host.run(HeadlessHost::Clock::now() + 1ms); });
    loop.join();
    std::thread sender([&] { host.send(1, 0, 0); });  // must not wait for the ended loop
    sender.join();
    EXPECT_EQ(served, 0);
    host.runPending();
    EXPECT_EQ(served, 1);
}

TEST(HeadlessHost, TimersRepeatUntilKilledAndRestartWhenSetAgain) {
    HeadlessHost host;
    int ticks = 0;
    host.setTimerHandler([&](int id) {
        ASSERT_EQ(id, 5);
        if (++ticks == 3) {
            host.killTimer(5);
            host.quit();
        }
    });
    host.setTimer(5, 1);
    host.run(HeadlessHost::Clock::now() + 5s);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(host.isTimerActive(5));
}

TEST(HeadlessHost, RunPendingServesOnlyWhatIsQueued) {
    HeadlessHost host;
    int served = 0;
    host.setMessageHandler([&](uint32_t, uintptr_t, intptr_t) {
        if (++served == 1) host.post(2, 0, 0);  // queued behind, not served in this round
    });
    host.post(1, 0, 0);
    EXPECT_EQ(host.runPending(), 1);
    EXPECT_EQ(served, 1);
    EXPECT_EQ(host.runPending(), 1);
    EXPECT_EQ(served, 2);
}

}  // namespace
}  // namespace velmora
