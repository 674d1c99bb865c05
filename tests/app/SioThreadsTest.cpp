// The receive and send threads on a fake device: answers reach RecvRing in order, commands
// leave SendRing in order, a silent line costs no ticks, and both threads end at once when
// asked - also while the receive thread is blocked on the device.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "app/Sio_Recv_Thread.h"
#include "app/Sio_Send_Thread.h"
#include "app/StopThread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"
#include "support/FakeSerialDevice.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

class SerialThreads : public test::StoreFixture {
  protected:
    SerialThreads() {
        store->link.commGate = true;
        store->threads.Anl_Recv_Thread = &analysis;
        ports.assignInOrder({"/dev/fake0"});
    }
    int answersPosted() const { return analysis.answersQueued(); }
    std::string takeAnswer() {
        uint8_t buf[512];
        const uint16_t n = store->recvRing.tryGet(buf);
        return n == CommRing::kEmpty ? "<none>" : std::string(reinterpret_cast<char*>(buf), n);
    }
    void send(const std::string& command) {
        store->sendRing.Put(command.size(), command.data());
        store->mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
    }

    test::FakeThreadHandle analysis;
    test::FakeSerialDevice device, probe;
    PortDirectory ports;
    SerialPort port{*store, {device, probe, ports, ".", [](int) {}, nullptr}};
};

TEST_F(SerialThreads, AnswersArriveInRecvRingInOrderAndAreAllAnnounced) {
    ASSERT_TRUE(port.OpenPort());
    store->recvRing.Put(3, "old");
    auto thread = StartReceiveThread(*store, port);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(store->threads.Sio_Recv_Thread.load(), thread.get());
    EXPECT_EQ(store->recvRing.unreadCount(), 0);  // emptied at start
    device.queueRead("FA14195000;FB0700");
    device.queueRead("0000;AI1;");
    ASSERT_TRUE(test::waitFor([&] { return answersPosted() == 3; }));
    EXPECT_EQ(takeAnswer(), "FA14195000");
    EXPECT_EQ(takeAnswer(), "FB07000000");
    EXPECT_EQ(takeAnswer(), "AI1");
    EXPECT_EQ(device.rts(), true);
}

TEST_F(SerialThreads, TheReceiveThreadRaisesRtsWhenThePortOpensLater) {
    auto thread = StartReceiveThread(*store, port);
    ASSERT_NE(thread, nullptr);
    ASSERT_TRUE(port.OpenPort());  // opens with RTS low and wakes the waiting thread
    ASSERT_TRUE(test::waitFor([&] { return device.rts() == true; }));
    device.queueRead("FA14195000;");
    ASSERT_TRUE(test::waitFor([&] { return answersPosted() == 1; }));
}

TEST_F(SerialThreads, TheReceiveThreadWaitsForTheGateWithoutTouchingTheDevice) {
    store->link.commGate.store(false);
    ASSERT_TRUE(port.OpenPort());
    device.queueRead("FA14195000;");
    auto thread = StartReceiveThread(*store, port);
    const int statusCalls = device.statusCalls();
    ASSERT_TRUE(test::waitFor([&] { return thread->isRunning(); }));
    std::this_thread::sleep_for(20ms);  // observing that nothing happens
    EXPECT_EQ(device.statusCalls(), statusCalls);
    store->link.commGate.store(true);
    ASSERT_TRUE(test::waitFor([&] { return answersPosted() == 1; }));
}

// A silent line must not wake the thread every millisecond: it blocks on the device.
TEST_F(SerialThreads, ASilentLineCostsNoTicks) {
    ASSERT_TRUE(port.OpenPort());
    auto thread = StartReceiveThread(*store, port);
    device.queueRead("FA14");  // a partial answer with nothing more to come is silence too
    ASSERT_TRUE(test::waitFor([&] { return thread->tickCount() >= 2; }));
    const uint64_t settled = thread->tickCount();
    std::this_thread::sleep_for(100ms);  // observing that nothing happens
    EXPECT_LE(thread->tickCount(), settled + 2);
    device.queueRead("195000;");
    ASSERT_TRUE(test::waitFor([&] { return answersPosted() == 1; }));
}

TEST_F(SerialThreads, TheReceiveThreadEndsPromptlyWhileBlocked) {
    ASSERT_TRUE(port.OpenPort());
    auto thread = StartReceiveThread(*store, port);
    ASSERT_TRUE(test::waitFor([&] { return thread->tickCount() >= 1; }));
    // Blocked on the device for up to a minute: only the wake-up lets it see the quit.
    ASSERT_TRUE(thread->post(msg::WM_THREAD_QUIT, 0, 0));
    EXPECT_TRUE(test::waitFor([&] { return !thread->isRunning(); }, 2s));
    EXPECT_TRUE(StopThread(thread.get()));
    EXPECT_FALSE(thread->post(msg::WM_RECEIVE_POLL, 0, 0));
    thread.reset();
    EXPECT_EQ(store->threads.Sio_Recv_Thread.load(), nullptr);
}

TEST_F(SerialThreads, TheReceiveThreadSeesALostLineAndClosesThePort) {
    ASSERT_TRUE(port.OpenPort());
    auto thread = StartReceiveThread(*store, port);
    ASSERT_TRUE(test::waitFor([&] { return thread->tickCount() >= 1; }));
    device.loseLine();
    ASSERT_TRUE(test::waitFor([&] { return !port.IsPortOpen(); }));
    EXPECT_TRUE(StopThread(thread.get()));
}

TEST_F(SerialThreads, CommandsLeaveInPutOrderAfterTheAutoInformationCommand) {
    store->link.autoInfoWanted.store(1);
    store->sendRing.Put(3, "old");
    auto thread = StartSendThread(*store, port);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(store->threads.Sio_Send_Thread.load(), &thread->thread());
    EXPECT_EQ(store->sendRing.unreadCount(), 0);  // emptied at start
    for (const char* c : {"FA;", "FB;", "IF;", "MD0;"}) send(c);
    ASSERT_TRUE(test::waitFor([&] { return device.writes().size() == 5; }));
    EXPECT_EQ(device.written(), "AI1;FA;FB;IF;MD0;");
    EXPECT_TRUE(store->link.answerPending.load());
    EXPECT_TRUE(StopThread(&thread->thread()));
    thread.reset();
    EXPECT_EQ(store->threads.Sio_Send_Thread.load(), nullptr);
}

TEST_F(SerialThreads, ASendRequestWithoutACommandDoesNotHoldTheThread) {
    auto thread = StartSendThread(*store, port);
    store->mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
    send("FA;");
    ASSERT_TRUE(test::waitFor([&] { return device.written() == "AI0;FA;"; }));
    EXPECT_TRUE(StopThread(&thread->thread()));
}

}  // namespace
}  // namespace velmora
