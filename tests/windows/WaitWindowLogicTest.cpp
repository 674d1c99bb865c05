// The wait window's decisions, and the moment the read ends while the window opens.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "link/MainWindowFlags.h"
#include "link/ReadLedger.h"
#include "windows/WaitWindowLogic.h"

namespace velmora::test {
namespace {

using Step = WaitWindowLogic::Step;

TEST(WaitWindowLogic, ClosesAtOnceWithoutAReadAndWaitsForTheEndOfOne) {
    MainWindowFlags flags;
    ReadLedger ledger;
    WaitWindowLogic logic(flags, ledger);
    EXPECT_EQ(logic.open(), Step::CloseSoon);
    EXPECT_FALSE(flags.waitWindowOpen);

    flags.readBusy = true;
    EXPECT_EQ(logic.open(), Step::Wait);
    EXPECT_TRUE(flags.endRead());
    EXPECT_EQ(logic.readFinished(), Step::CloseSoon);
    EXPECT_FALSE(flags.waitWindowOpen);
    // A second close for the same read finds nothing to close.
    EXPECT_EQ(logic.readFinished(), Step::Ignore);

    flags.readBusy = true;
    EXPECT_EQ(logic.open(), Step::Wait);
    EXPECT_EQ(logic.timeout(), Step::CloseSoon);
    EXPECT_FALSE(flags.waitWindowOpen);
}

// A read that gave up with answers missing is reported, not passed off as done; one that has
// started again since is waited for no longer, but not called incomplete either.
TEST(WaitWindowLogic, AReadEndingWithAnswersMissingIsShownAsIncomplete) {
    const struct {
        const char* name;
        bool answered, busyAgain;
        Step step;
    } rows[] = {
        {"every answer in", true, false, Step::CloseSoon},
        {"answers missing", false, false, Step::ShowIncomplete},
        {"a new read begun", false, true, Step::CloseSoon},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MainWindowFlags flags;
        ReadLedger ledger;
        WaitWindowLogic logic(flags, ledger);
        flags.readBusy = true;
        ASSERT_EQ(logic.open(), Step::Wait);
        ledger.expect("FA");
        if (row.answered) ledger.answered("FA00014195000");
        flags.endRead();
        flags.readBusy = row.busyAgain;
        EXPECT_EQ(logic.readFinished(), row.step);
    }
}

// The command thread ends the read while the window opens: either the window sees the read gone
// or the command thread sees the window and tells it. Never neither (the window would wait 10 s).
TEST(WaitWindowLogic, AReadEndingWhileTheWindowOpensAlwaysClosesIt) {
    constexpr int kRounds = 20000;
    MainWindowFlags flags;
    ReadLedger ledger;
    WaitWindowLogic logic(flags, ledger);
    std::atomic<int> round{-1};
    std::atomic<int> told{-1};
    std::atomic<int> done{-1};
    std::thread commandThread([&] {
        for (int r = 0; r < kRounds; ++r) {
            while (round.load() != r) {
            }
            if (flags.endRead()) told.store(r);
            done.store(r);
        }
    });
    int missed = 0;
    for (int r = 0; r < kRounds; ++r) {
        flags.readBusy = true;
        flags.waitWindowOpen = false;
        round.store(r);
        const Step step = logic.open();
        while (done.load() != r) {
        }
        const bool toldNow = told.load() == r;
        if (step != Step::CloseSoon && !(toldNow && logic.readFinished() == Step::CloseSoon)) {
            ++missed;
        }
    }
    commandThread.join();
    EXPECT_EQ(missed, 0);
}

}  // namespace
}  // namespace velmora::test
