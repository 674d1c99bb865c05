// The analysis thread's message handlers, driven without the thread: the answers a
// WM_ANSWER_QUEUED announces taken out of RecvRing, the watchdog re-armed after them; and the
// watchdog's decision.
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

// Whatever comes out of the ring (or nothing at all), the watchdog is killed and set again.
TEST_F(Receiver, EachMessageAnalysesOneEntryAndRearmsTheWatchdog) {
    const struct {
        const char* answer;  // nullptr: the message finds the ring empty
        Ids posted;
    } rows[] = {{"FA14195000", {notify::FA}},
                {"ZZ123", {}},
                {"FA00000001", {}},
                {"CW1", {}},
                {"", {}},
                {nullptr, {}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.answer ? r.answer : "<empty ring>");
        window.clear();
        store->link.watchdogArmed = false;
        if (r.answer) queue(r.answer);
        const auto result = receiver.onAnswerQueued();
        if (!r.answer) {
            EXPECT_EQ(result.index, AnswerAnalysis::kNoRecord);
        }
        EXPECT_EQ(window.postedIds(), r.posted);
        EXPECT_EQ(window.killCount(timer::ANSWER_WATCHDOG), 1);
        EXPECT_EQ(window.setCount(timer::ANSWER_WATCHDOG), 1);
        EXPECT_EQ(window.timers(), (std::map<int, int>{{timer::ANSWER_WATCHDOG, 3000}}));
        EXPECT_TRUE(store->link.watchdogArmed.load());
    }
    EXPECT_EQ(rec.fa.get(), 14195000);
}

// The answers of one read come in one message with their count: each is analysed, in order,
// and the watchdog is re-armed once, after the last.
TEST_F(Receiver, OneMessageForSeveralAnswersAnalysesEachAndRearmsTheWatchdogOnce) {
    queue("FA14195000");
    queue("FB07000000");
    queue("FA14200000");
    receiver.onAnswersQueued(2);
    EXPECT_EQ(window.postedIds(), (Ids{notify::FA, notify::FB}));
    EXPECT_EQ(rec.fb.get(), 7000000);
    EXPECT_EQ(store->recvRing.unreadCount(), 1);
    EXPECT_EQ(window.killCount(timer::ANSWER_WATCHDOG), 1);
    EXPECT_EQ(window.setCount(timer::ANSWER_WATCHDOG), 1);
    EXPECT_TRUE(store->link.watchdogArmed.load());
}

// A pending answer times out unless bytes wait in the driver; without one only line trouble does.
TEST(Watchdog, DecidesFromThePendingAnswerAndTheLine) {
    const struct {
        const char* name;
        WatchdogInputs in;
        bool clears, timesOut;
    } rows[] = {
        {"pending, nothing received", {true}, true, true},
        {"pending, bytes held, RLSD not looked at", {true, true, true}, true, false},
        {"quiet line", {}, false, false},
        {"bytes held", {false, true}, false, false},
        {"RLSD hold", {false, false, true}, false, true},
        {"character waiting", {false, false, false, true}, false, true},
        {"port gone", {false, false, false, false, false}, false, true},
    };
    for (const auto& r : rows) {
        const WatchdogDecision d = decideWatchdog(r.in);
        EXPECT_EQ(d.clearAnswerPending, r.clears) << r.name;
        EXPECT_EQ(d.postTimeout, r.timesOut) << r.name;
    }
}

}  // namespace
}  // namespace velmora::test
