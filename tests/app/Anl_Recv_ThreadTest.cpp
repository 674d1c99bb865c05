// The analysis thread end to end: answers posted from another thread are analysed on it, and the
// thread ends on WM_THREAD_QUIT and leaves the store.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "app/Anl_Recv_Thread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "support/StoreFixture.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

class AnalysisThread : public test::StoreFixture {
  protected:
    void queue(std::string_view answer) {
        store->recvRing.Put(answer.size(), answer.data());
        store->mailbox.post(Thread::Anl_Recv_Thread, msg::WM_ANSWER_QUEUED);
    }
};

TEST_F(AnalysisThread, AnalysesPostedAnswersInOrderAndRearmsTheWatchdog) {
    auto thread = startAnalysisThread(*store);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(store->threads.Anl_Recv_Thread.load(), &thread->thread());
    queue("FA14195000");
    queue("FA14195010");
    queue("ZZ1");
    ASSERT_TRUE(test::waitFor([&] { return window.setCount(timer::ANSWER_WATCHDOG) == 3; }));
    EXPECT_EQ(store->records.fa.get(), 14195010);
    EXPECT_EQ(window.postedIds(), (std::vector<uint32_t>{notify::FA, notify::FA}));
    EXPECT_TRUE(store->link.watchdogArmed.load());
}

TEST_F(AnalysisThread, EndsOnQuitAndLeavesTheStoreWhenDestroyed) {
    auto thread = startAnalysisThread(*store);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(store->mailbox.post(Thread::Anl_Recv_Thread, msg::WM_THREAD_QUIT));
    ASSERT_TRUE(test::waitFor([&] { return !thread->thread().isRunning(); }));
    EXPECT_FALSE(store->mailbox.post(Thread::Anl_Recv_Thread, msg::WM_ANSWER_QUEUED));
    thread.reset();
    EXPECT_EQ(store->threads.Anl_Recv_Thread.load(), nullptr);
}

}  // namespace
}  // namespace velmora
