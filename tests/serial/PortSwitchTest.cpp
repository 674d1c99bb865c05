// Switching port and speed from the dialogs: the order of the steps, the waits for
// auto-information to go off, and what is left when a step fails.
#include <gtest/gtest.h>

#include "SerialFixture.h"
#include "link/MessageIds.h"

namespace velmora::test {
namespace {

using PortSwitch = SerialFixture;

TEST_F(PortSwitch, NothingChosenOnlyTellsTheWindow) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ChangePort(0));
    EXPECT_EQ(window.sends(), (std::vector<WindowMessage>{{notice::COM_SELECT_CLOSED, 0, 0}}));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_FALSE(std::filesystem::exists(commSettingFile()));

    port.ChangeBaudRate(0, false);
    EXPECT_EQ(window.sends().back().id, notice::BAUD_RATE_CLOSED);
    EXPECT_FALSE(std::filesystem::exists(commSettingFile()));
    EXPECT_TRUE(store->sendRing.unreadCount() == 0);
}

TEST_F(PortSwitch, ThePortInUseIsOnlySavedAndStaysOpen) {
    store->records.ai.set(1);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ChangePort(1));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_TRUE(probe.opens().empty());
    EXPECT_TRUE(commandThread.posts().empty());
    EXPECT_EQ(readCommSetting(), "1,4800,0\n");
    EXPECT_EQ(window.sends().back().id, notice::COM_SELECT_CLOSED);
}

TEST_F(PortSwitch, ANewPortIsProbedThenTheOldOneClosed) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ChangePort(3));
    EXPECT_EQ(probe.opens().size(), 1u);
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(port.GetComNumber(), 3);
    EXPECT_EQ(readCommSetting(), "3,4800,0\n");
    EXPECT_TRUE(sleeps.empty());  // auto-information was off: no waiting
    // Not reopened here: the next command opens the new port.
    EXPECT_EQ(device.opens().size(), 1u);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(device.opens().back().path, "/dev/fake2");
}

TEST_F(PortSwitch, AFailedProbeShowsTheTextAndChangesNothing) {
    ASSERT_TRUE(port.OpenPort());
    probe.setOpenSucceeds(false);
    EXPECT_FALSE(port.ChangePort(2));
    EXPECT_EQ(messages, (std::vector<int>{115}));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(port.GetComNumber(), 1);
    EXPECT_TRUE(window.sends().empty());
    EXPECT_FALSE(std::filesystem::exists(commSettingFile()));
}

TEST_F(PortSwitch, AutoInformationIsSwitchedOffBeforeThePortCloses) {
    store->records.ai.set(1);
    ASSERT_TRUE(port.OpenPort());
    // The command thread switches it off after the third poll.
    onSleep = [&](int) {
        EXPECT_TRUE(port.IsPortOpen());
        if (sleeps.size() == 3) store->records.ai.set(0);
    };
    EXPECT_TRUE(port.ChangePort(2));
    EXPECT_EQ(commandThread.postedIds(), (std::vector<uint32_t>{req::COMM_SWITCH}));
    EXPECT_EQ(sleeps, (std::vector<int>{100, 100, 100}));
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(port.GetComNumber(), 2);
}

TEST_F(PortSwitch, AutoInformationThatStaysOnLeavesThePortOpenAfter29Polls) {
    store->records.ai.set(1);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ChangePort(2));
    EXPECT_EQ(sleeps, std::vector<int>(29, 100));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(port.GetComNumber(), 2);
    EXPECT_EQ(readCommSetting(), "2,4800,0\n");
}

TEST_F(PortSwitch, TheSameSpeedIsOnlySaved) {
    ASSERT_TRUE(port.OpenPort());
    port.ChangeBaudRate(4800, false);
    EXPECT_EQ(store->sendRing.unreadCount(), 0);
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(readCommSetting(), "1,4800,0\n");
    EXPECT_EQ(window.sends().back().id, notice::BAUD_RATE_CLOSED);
}

TEST_F(PortSwitch, ANewSpeedIsSentToTheRadioThenThePortReopensAtIt) {
    ASSERT_TRUE(port.OpenPort());
    onSleep = [&](int) {
        EXPECT_FALSE(port.IsPortOpen());
        EXPECT_EQ(port.GetBaudRate(), 4800);  // the speed changes after the wait
    };
    port.ChangeBaudRate(38400, false);
    EXPECT_EQ(sleeps, (std::vector<int>{1000}));
    uint8_t buf[512];
    ASSERT_EQ(store->sendRing.tryGet(buf), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 7), "EX0323;");
    EXPECT_EQ(commandThread.postedIds(), (std::vector<uint32_t>{req::SEND_QUEUED}));
    EXPECT_TRUE(port.IsPortOpen());
    ASSERT_EQ(device.opens().size(), 2u);
    EXPECT_EQ(device.opens()[1].baud, 38400);
    EXPECT_EQ(readCommSetting(), "1,38400,0\n");
}

TEST_F(PortSwitch, WithAutoInformationTheCommandThreadReopensThePort) {
    store->records.ai.set(1);
    ASSERT_TRUE(port.OpenPort());
    onSleep = [&](int) {
        if (sleeps.size() == 1) store->records.ai.set(0);
    };
    port.ChangeBaudRate(9600, true);
    EXPECT_EQ(commandThread.postedIds(),
              (std::vector<uint32_t>{req::SEND_QUEUED, req::COMM_SWITCH, req::COMM_SWITCH}));
    EXPECT_EQ(sleeps, (std::vector<int>{100, 1000}));
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(port.GetBaudRate(), 9600);
    EXPECT_EQ(readCommSetting(), "1,9600,0\n");
}

}  // namespace
}  // namespace velmora::test
