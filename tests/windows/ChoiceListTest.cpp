// Baud rate's rows, and its OK with auto-information switched since opening. (COM Select's rows,
// its refused probe and OK without a pick are met in the window's test.)
#include <gtest/gtest.h>

#include "link/MessageIds.h"
#include "serial/SerialFixture.h"
#include "windows/ChoiceList.h"

namespace velmora::test {
namespace {

using ChoiceListTest = SerialFixture;

TEST_F(ChoiceListTest, BaudRowsMarkTheSpeedInUse) {
    port.SetBaudRate(19200);
    ChoiceList list(ChoiceList::Kind::Baud, port, ports);
    std::vector<std::string> texts;
    for (const ChoiceRow& row : list.rows()) texts.push_back(row.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"4800", "9600", "19200 (current)", "38400"}));
    list.pick(3);
    EXPECT_EQ(list.choice(), 38400);
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
