// The command thread end to end: requests posted from another thread come out as commands in
// SendRing with one wake-up each, the start sets up the link flags and the keep-alive timer, and
// a stop ends the thread promptly even in the middle of a long pause.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/Anl_Send_Thread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

class CommandThread : public test::StoreFixture {
  protected:
    CommandThread() { store->threads.Sio_Send_Thread = &sendThread; }

    std::vector<std::string> taken() { return test::takeAll(store->sendRing); }
    // A request to the command thread, as the link posts it.
    bool request(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return store->mailbox.post(Thread::Anl_Send_Thread, id, wParam, lParam);
    }

    test::FakeThreadHandle sendThread;
    PortOpener opener = [] { return true; };
};

TEST_F(CommandThread, StartPreparesTheLinkFlagsAndTheKeepAlive) {
    store->link.commandFlagA = true;
    store->link.watchdogArmed = true;
    store->link.commandFlagB = true;
    store->link.memoryTextPosition = 4;
    auto thread = StartCommandThread(*store, opener);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(store->threads.Anl_Send_Thread.load(), &thread->thread());
    EXPECT_FALSE(store->link.commandFlagA.load());
    EXPECT_FALSE(store->link.watchdogArmed.load());
    EXPECT_FALSE(store->link.commandFlagB.load());
    EXPECT_EQ(store->link.memoryTextPosition.load(), 1);
    EXPECT_EQ(window.timers().at(timer::KEEP_ALIVE), 1000);
    EXPECT_TRUE(StopCommandThread(*thread));
    thread.reset();
    EXPECT_EQ(store->threads.Anl_Send_Thread.load(), nullptr);
}

TEST_F(CommandThread, PostedRequestsBecomeCommandsInOrder) {
    auto thread = StartCommandThread(*store, opener);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(request(req::FREQUENCY_A, 0x00100000, 14195000));
    EXPECT_TRUE(request(req::GT_CHOICE, 0x10100001, 1));
    EXPECT_TRUE(request(req::ROTATOR_READ));
    EXPECT_TRUE(request(req::IGNORED));  // taken, and ignored
    EXPECT_TRUE(request(req::IDENTIFY));
    ASSERT_TRUE(test::waitFor([&] { return sendThread.postedIds().size() == 5; }));
    EXPECT_EQ(taken(), (std::vector<std::string>{"FA14195000;", "GT14;", "RO;", "ID;", "ID2000;"}));
    EXPECT_TRUE(StopCommandThread(*thread));
}

TEST_F(CommandThread, StopEndsThePowerOnPausePromptly) {
    auto thread = StartCommandThread(*store, opener);
    ASSERT_NE(thread, nullptr);
    store->records.ps.set(0);
    EXPECT_TRUE(request(req::POWER_SWITCH));
    // The first PS1; is out: the thread is now in its first 800 ms pause.
    ASSERT_TRUE(test::waitFor([&] { return sendThread.postedIds().size() == 1; }));
    EXPECT_TRUE(StopCommandThread(*thread));
    EXPECT_FALSE(thread->thread().isRunning());
    // The pause was cut short: the second PS1; and the read timer never came.
    EXPECT_EQ(taken(), (std::vector<std::string>{"PS1;"}));
    EXPECT_FALSE(window.timerRunning(timer::POWER_ON_READ));
    EXPECT_FALSE(request(req::KEEP_ALIVE));
}

}  // namespace
}  // namespace velmora
