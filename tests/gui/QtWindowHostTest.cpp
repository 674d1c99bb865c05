#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

#include "WindowFixture.h"

namespace velmora::gui::test {
namespace {

class QtWindowHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        host.setMessageHandler([this](uint32_t id, uintptr_t, intptr_t) {
            ids.push_back(id);
            onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
        });
        host.setTimerHandler([this](int id) { ticks.push_back(id); });
    }
    QtWindowHost host;
    std::vector<uint32_t> ids;
    std::vector<int> ticks;
    bool onGuiThread = true;
};

// Posts from a worker arrive on the GUI thread in order; a send from a worker returns once the
// GUI thread has served it, and a send on the GUI thread is served at once.
TEST_F(QtWindowHostTest, MessagesFromWorkersArriveInOrderOnTheGuiThread) {
    std::atomic<bool> sent{false};
    std::thread worker([&] {
        host.post(1, 0, 0);
        host.post(2, 0, 0);
        host.send(3, 0, 0);
        sent.store(true);
    });
    ASSERT_TRUE(pumpUntil([&] { return sent.load(); }));
    worker.join();
    EXPECT_EQ(ids, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_TRUE(onGuiThread);
    host.send(4, 0, 0);
    EXPECT_EQ(ids.back(), 4u);
}

TEST_F(QtWindowHostTest, SendDuringShutdownDoesNotWait) {
    host.stopWaiting();
    std::atomic<bool> sent{false};
    std::thread worker([&] {
        host.send(5, 0, 0);
        sent.store(true);
    });
    worker.join();
    EXPECT_TRUE(sent.load());
    ASSERT_TRUE(pumpUntil([&] { return !ids.empty(); }));
    EXPECT_EQ(ids.front(), 5u);
}

// Timers set from a worker run on the GUI thread; re-setting restarts with the new period, killing
// stops; short periods are precise.
TEST_F(QtWindowHostTest, TimersSetFromWorkersTickOnTheGuiThread) {
    std::thread([&] { host.setTimer(4, 5); }).join();
    ASSERT_TRUE(pumpUntil([&] { return ticks.size() >= 2; }));
    EXPECT_EQ(ticks.front(), 4);
    EXPECT_TRUE(host.isTimerActive(4));
    host.setTimer(4, 1000);
    EXPECT_EQ(host.timerInterval(4), 1000);
    std::thread([&] { host.killTimer(4); }).join();
    ASSERT_TRUE(pumpUntil([&] { return !host.isTimerActive(4); }));
}

}  // namespace
}  // namespace velmora::gui::test
