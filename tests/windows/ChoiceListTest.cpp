// COM Select and Baud rate: the rows with their devices and the current mark, and what OK does
// with no pick, a refused probe and auto-information switched since opening.
#include <gtest/gtest.h>

#include <filesystem>

#include "link/MessageIds.h"
#include "serial/SerialFixture.h"
#include "windows/ChoiceList.h"

namespace velmora::test {
namespace {

using ChoiceListTest = SerialFixture;

TEST_F(ChoiceListTest, PortRowsNameTheirDevicesAndMarkThePortInUse) {
    port.SetComNumber(3);
    ChoiceList list(ChoiceList::Kind::Port, port, ports);
    ASSERT_EQ(list.rows().size(), 20u);
    EXPECT_EQ(list.rows()[0].text, "COM1 (/dev/fake0)");
    EXPECT_EQ(list.rows()[2].text, "COM3 (/dev/fake2) (current)");
    EXPECT_EQ(list.rows()[19].text, "COM20 (no device)");
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(list.choice(), 0);
}

TEST_F(ChoiceListTest, BaudRowsMarkTheSpeedInUse) {
    port.SetBaudRate(19200);
    ChoiceList list(ChoiceList::Kind::Baud, port, ports);
    std::vector<std::string> texts;
    for (const ChoiceRow& row : list.rows()) texts.push_back(row.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"4800", "9600", "19200 (current)", "38400"}));
    list.pick(3);
    EXPECT_EQ(list.choice(), 38400);
}

TEST_F(ChoiceListTest, OkWithNothingPickedWritesNothingAndCloses) {
    for (const ChoiceList::Kind kind : {ChoiceList::Kind::Port, ChoiceList::Kind::Baud}) {
        ChoiceList list(kind, port, ports);
        EXPECT_TRUE(list.apply(port, *store));
    }
    EXPECT_FALSE(std::filesystem::exists(commSettingFile()));
    EXPECT_TRUE(probe.opens().empty());
    EXPECT_EQ(idsOf(window.sends()),
              (std::vector<uint32_t>{notice::COM_SELECT_CLOSED, notice::BAUD_RATE_CLOSED}));
}

TEST_F(ChoiceListTest, ARefusedProbeShowsString115AndKeepsTheWindowOpen) {
    probe.setOpenSucceeds(false);
    ChoiceList list(ChoiceList::Kind::Port, port, ports);
    list.pick(1);
    EXPECT_FALSE(list.apply(port, *store));
    EXPECT_EQ(messages, (std::vector<int>{115}));
    EXPECT_TRUE(window.sends().empty());
    EXPECT_EQ(port.GetComNumber(), 1);
}

TEST_F(ChoiceListTest, TheSpeedSwitchTakesAutoInformationAsItIsAtOk) {
    store->records.ai.set(1);
    ChoiceList list(ChoiceList::Kind::Baud, port, ports);
    list.pick(1);
    store->records.ai.set(0);  // switched off meanwhile
    ASSERT_TRUE(list.apply(port, *store));
    // Off at OK: the port is reopened here, not handed to the command thread to switch it on.
    EXPECT_EQ(commandThread.postedIds(), (std::vector<uint32_t>{req::SEND_QUEUED}));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(port.GetBaudRate(), 9600);
}

}  // namespace
}  // namespace velmora::test
