// The link's own sequences: auto-information switch, keep-alive, identification, power on/off,
// the queued-text wake-up, and the menu write.
#include <gtest/gtest.h>

#include <string>

#include "command/CommandFixture.h"
#include "link/MessageIds.h"

namespace velmora {
namespace {

using test::Strings;

class LinkSequencesTest : public test::CommandFixture {
  protected:
    std::string takeAnswer() {
        uint8_t buffer[512];
        const uint16_t n = store->recvRing.tryGet(buffer);
        if (n == CommRing::kEmpty) return {};
        return std::string(reinterpret_cast<char*>(buffer), n);
    }
};

// A radio that reports "AI1;" while the thread pauses has switched on as asked: the switch must
// not take that for a radio that failed to switch off.
TEST_F(LinkSequencesTest, SwitchingOnSendsAi1AndAsksAndStaysOnWhenTheRadioReportsAtOnce) {
    for (const bool reportsAtOnce : {false, true}) {
        SCOPED_TRACE(reportsAtOnce);
        store->records.ai.set(0);
        duringPause = [this, reportsAtOnce] {
            if (reportsAtOnce) store->records.ai.set(1);
        };
        request(req::COMM_SWITCH);
        EXPECT_EQ(log(), (Strings{"AI1;", "~20", "AI;"}));
        EXPECT_TRUE(selfThread.postedIds().empty());
        EXPECT_TRUE(recvThread.postedIds().empty());
        EXPECT_TRUE(takeAnswer().empty());
    }
    EXPECT_EQ(portOpens, 2);
}

TEST_F(LinkSequencesTest, SwitchingOffEndsTheLinkOnThisSideAtOnce) {
    store->records.ai.set(1);
    store->records.ps.set(0);
    store->link.aiOnSent = true;
    store->link.savedAutoInfoWanted = 1;
    request(req::COMM_SWITCH);
    EXPECT_EQ(log(), (Strings{"AI0;", "~20", "AI;", "~25"}));
    EXPECT_EQ(selfThread.postedIds(), (std::vector<uint32_t>{req::STOP_READS}));
    EXPECT_FALSE(store->link.aiOnSent.load());
    EXPECT_EQ(store->link.savedAutoInfoWanted.load(), 0) << "the radio is off";
    EXPECT_EQ(takeAnswer(), "AI0");
    EXPECT_EQ(recvThread.postedIds(), (std::vector<uint32_t>{msg::WM_ANSWER_QUEUED}));
}

TEST_F(LinkSequencesTest, SwitchingOffWithTheRadioOnKeepsTheSavedWish) {
    store->records.ai.set(1);
    store->records.ps.set(1);
    store->link.savedAutoInfoWanted = 1;
    request(req::COMM_SWITCH);
    EXPECT_EQ(store->link.savedAutoInfoWanted.load(), 1);
    EXPECT_EQ(takeAnswer(), "AI0");
}

TEST_F(LinkSequencesTest, AnUnknownAutoInformationStateOnlyOpensThePort) {
    store->records.ai.value = 2;
    request(req::COMM_SWITCH);
    EXPECT_EQ(portOpens, 1);
    EXPECT_TRUE(log().empty());
    EXPECT_TRUE(sendThread.postedIds().empty());
}

TEST_F(LinkSequencesTest, AStopDuringTheSwitchSendsNoMore) {
    store->records.ai.set(1);
    pauseResult = false;
    request(req::COMM_SWITCH);
    EXPECT_EQ(log(), (Strings{"AI0;", "~20"}));
    EXPECT_TRUE(recvThread.postedIds().empty());
}

TEST_F(LinkSequencesTest, KeepAliveAsksPowerAndAutoInformation) {
    store->records.ai.set(1);
    store->records.ps.set(1);
    request(req::KEEP_ALIVE);
    EXPECT_EQ(log(), (Strings{"PS;", "~30", "AI;"}));
    store->records.ps.set(0);
    request(req::KEEP_ALIVE);
    EXPECT_EQ(log(), (Strings{"PS;"}));
    store->records.ai.set(0);
    store->records.ps.set(1);
    request(req::KEEP_ALIVE);
    EXPECT_TRUE(log().empty());
}

TEST_F(LinkSequencesTest, IdentificationPair) {
    request(req::IDENTIFY);
    EXPECT_EQ(log(), (Strings{"ID;", "~25", "ID2000;", "~25"}));
}

TEST_F(LinkSequencesTest, PowerOffThenTwoReadsFiftyMillisecondsApart) {
    store->records.ps.set(1);
    request(req::POWER_SWITCH);
    EXPECT_EQ(log(), (Strings{"PS0;"}));
    EXPECT_EQ(window.timers().at(timer::POWER_OFF_READ), 50);
    request(req::POWER_OFF_READ);
    EXPECT_TRUE(window.timerRunning(timer::POWER_OFF_READ));
    EXPECT_EQ(dispatcher.power().powerOffReads(), 1);
    request(req::POWER_OFF_READ);
    EXPECT_FALSE(window.timerRunning(timer::POWER_OFF_READ));
    EXPECT_EQ(dispatcher.power().powerOffReads(), 0);
    EXPECT_EQ(log(), (Strings{"PS;", "PS;"}));
}

TEST_F(LinkSequencesTest, PowerOnTwiceWithPausesThenOneRead) {
    store->records.ps.set(0);
    request(req::POWER_SWITCH);
    EXPECT_EQ(log(), (Strings{"PS1;", "~800", "PS1;", "~800"}));
    EXPECT_EQ(window.timers().at(timer::POWER_ON_READ), 100);
    request(req::POWER_ON_READ);
    EXPECT_FALSE(window.timerRunning(timer::POWER_ON_READ));
    EXPECT_EQ(log(), (Strings{"PS;"}));
}

TEST_F(LinkSequencesTest, QueuedTextOnlyWakesTheSendThread) {
    request(req::SEND_QUEUED);
    EXPECT_EQ(sendThread.postedIds(), (std::vector<uint32_t>{msg::WM_SEND_NEXT}));
    EXPECT_TRUE(log().empty());
}

class MenuWriteTest : public test::CommandFixture {
  protected:
    MenuWriteTest() { installBuiltInMenu(); }
    // Item n of the built-in table with the given kind and width, changed to v.
    void change(int n, int kind, int width, double v) {
        MenuItemDef def = *store->menus.item(n);
        def.valueKind = kind;
        def.width = width;
        def.newValue = v;
        def.changed = 1;
        store->menus.setItem(n, def);
    }
};

TEST_F(MenuWriteTest, WritesEveryChangedItemTenMillisecondsApartCatRateLast) {
    change(3, 4, 3, -5);
    change(10, 0, 4, 1234);
    change(32, 39, 1, 2);
    change(177, 4, 3, 12);
    const uint32_t writes = store->link.menuWritesDone.load();
    request(req::MENU_WRITE);
    EXPECT_EQ(log(), (Strings{"EX003-05;", "~10", "EX0101234;", "~10", "EX177+12;", "~10",
                              "EX0322;", "~10"}));
    EXPECT_EQ(store->link.menuWritesDone.load(), writes + 1);
    for (int n : {3, 10, 32, 177}) EXPECT_EQ(store->menus.item(n)->changed, 0) << n;
    request(req::MENU_WRITE);
    EXPECT_TRUE(log().empty()) << "nothing is changed any more";
}

TEST_F(MenuWriteTest, AStopDuringTheWriteLeavesTheRestChanged) {
    change(1, 0, 2, 1);
    change(2, 0, 2, 2);
    pauseResult = false;
    request(req::MENU_WRITE);
    EXPECT_EQ(sent(), (Strings{"EX00101;"}));
    EXPECT_EQ(store->menus.item(2)->changed, 1);
}

}  // namespace
}  // namespace velmora
