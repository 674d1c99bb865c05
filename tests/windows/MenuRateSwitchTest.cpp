#include <gtest/gtest.h>

#include "link/MessageIds.h"
#include "serial/SerialFixture.h"
#include "windows/MenuRateSwitch.h"

namespace velmora::test {
namespace {

class MenuRateSwitchTest : public SerialFixture {
  protected:
    MenuRateSwitchTest() { port.OpenPort(); }
    MenuRateSwitch rateSwitch{*store, port};
};

TEST_F(MenuRateSwitchTest, ThePortFollowsOnlyOnceTheWriteHasLeftItOrTheLimitRanOut) {
    // What holds the write back when polling starts, and when the port is switched.
    struct Case {
        const char* what;
        bool writeFinished;
        bool ringHoldsCommand;
        bool inFlight;
        uint32_t outQueue;
        int64_t switchedAt;  // ms
    };
    const Case cases[] = {
        {"all out", true, false, false, 0, MenuRateSwitch::kSettleMs},
        {"still being queued", false, false, false, 0, 0},
        {"waiting in the ring", true, true, false, 0, 0},
        {"taken by the send thread", true, false, true, 0, 0},
        {"in the device's queue", true, false, false, 12, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        port.SetBaudRate(4800);
        const uint32_t before = rateSwitch.writesSoFar();
        rateSwitch.start(19200, before, 0);
        if (c.writeFinished) store->link.menuWritesDone.fetch_add(1);
        if (c.ringHoldsCommand) queueCommand("EX0322;");
        store->link.sendInFlight = c.inFlight;
        device.setOutQueue(c.outQueue);

        const bool drains = c.switchedAt != 0;
        const int64_t limit = MenuRateSwitch::kDrainLimitMs;
        const int64_t expectAt = drains ? c.switchedAt : limit + MenuRateSwitch::kSettleMs;
        int64_t switchedAt = -1;
        for (int64_t t = 0; t <= limit + 1000 && switchedAt < 0; t += MenuRateSwitch::kPollMs) {
            if (rateSwitch.poll(t)) switchedAt = t;
            // Other commands wait only from the moment the queue is found empty.
            const bool settling = t >= expectAt - MenuRateSwitch::kSettleMs && switchedAt < 0;
            EXPECT_EQ(store->link.sendHeld.load(), settling) << t;
        }
        EXPECT_EQ(switchedAt, expectAt);
        EXPECT_EQ(rateSwitch.drainedInTime(), drains);
        EXPECT_EQ(port.GetBaudRate(), 19200);
        EXPECT_TRUE(port.IsPortOpen());
        EXPECT_EQ(device.opens().back().baud, 19200);
        if (c.ringHoldsCommand) {
            EXPECT_EQ(commandThread.postedIds().back(), req::SEND_QUEUED) << "the held command";
        }
        allAnswers();
        takeAll(store->sendRing);
        store->link.sendInFlight = false;
    }
}

}  // namespace
}  // namespace velmora::test
