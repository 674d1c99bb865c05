// The analysis thread's message handlers, driven without the thread: one answer out of RecvRing
// per WM_ANSWER_QUEUED, the watchdog re-armed after each; and the watchdog's decision.
#include "LinkFixture.h"
#include "link/AnswerReceiver.h"
#include "link/AnswerWatchdog.h"
#include "link/MessageIds.h"

namespace velmora::test {
namespace {

class Receiver : public LinkFixture {
  protected:
    void queue(std::string_view answer) { store->recvRing.Put(answer.size(), answer.data()); }
    AnswerReceiver receiver{*store};
};

TEST_F(Receiver, AnalysesTheQueuedAnswerAndRearmsTheWatchdog) {
    queue("FA14195000");
    receiver.onAnswerQueued();
    EXPECT_EQ(rec.fa.get(), 14195000);
    EXPECT_EQ(window.postedIds(), Ids{notify::FA});
    EXPECT_EQ(window.killCount(timer::ANSWER_WATCHDOG), 1);
    EXPECT_EQ(window.timers(), (std::map<int, int>{{timer::ANSWER_WATCHDOG, 3000}}));
    EXPECT_TRUE(store->link.watchdogArmed.load());
}

TEST_F(Receiver, WatchdogIsRearmedAfterUnknownAndFailedAnswers) {
    for (std::string_view answer : {"ZZ123", "FA00000001", "CW1", ""}) {
        window.clear();
        store->link.watchdogArmed = false;
        queue(answer);
        receiver.onAnswerQueued();
        EXPECT_EQ(window.postedIds(), Ids{}) << answer;
        EXPECT_EQ(window.killCount(timer::ANSWER_WATCHDOG), 1);
        EXPECT_EQ(window.setCount(timer::ANSWER_WATCHDOG), 1);
        EXPECT_TRUE(store->link.watchdogArmed.load());
    }
}

TEST_F(Receiver, MessageWithoutAnEntryOnlyRearms) {
    const auto result = receiver.onAnswerQueued();
    EXPECT_EQ(result.index, AnswerAnalysis::kNoRecord);
    EXPECT_TRUE(window.postedIds().empty());
    EXPECT_TRUE(window.timerRunning(timer::ANSWER_WATCHDOG));
}

TEST_F(Receiver, AnswersComeOutInOrderOnePerMessage) {
    queue("MD03");
    queue("MD0B");
    receiver.onAnswerQueued();
    EXPECT_EQ(rec.md[kMain].get(), 3);
    receiver.onAnswerQueued();
    EXPECT_EQ(rec.md[kMain].get(), 11);
}

TEST(Watchdog, PendingAnswerTimesOutOnlyWhenNothingWasReceived) {
    WatchdogInputs in;
    in.answerPending = true;
    auto d = decideWatchdog(in);
    EXPECT_TRUE(d.clearAnswerPending);
    EXPECT_TRUE(d.postTimeout);
    in.driverHoldsBytes = true;
    in.rlsdHold = true;  // not looked at while an answer is pending
    d = decideWatchdog(in);
    EXPECT_TRUE(d.clearAnswerPending);
    EXPECT_FALSE(d.postTimeout);
}

TEST(Watchdog, WithoutPendingAnswerOnlyLineTroubleTimesOut) {
    WatchdogInputs in;
    EXPECT_FALSE(decideWatchdog(in).postTimeout);
    EXPECT_FALSE(decideWatchdog(in).clearAnswerPending);
    in.driverHoldsBytes = true;
    EXPECT_FALSE(decideWatchdog(in).postTimeout);
    for (int which = 0; which < 3; ++which) {
        WatchdogInputs bad;
        bad.rlsdHold = which == 0;
        bad.charWaiting = which == 1;
        bad.portValid = which != 2;
        EXPECT_TRUE(decideWatchdog(bad).postTimeout) << which;
    }
}

}  // namespace
}  // namespace velmora::test
