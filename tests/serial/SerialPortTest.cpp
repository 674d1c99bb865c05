// The port's settings, opening and closing, the probe and the switches of port and speed, on
// fake devices.
#include <gtest/gtest.h>

#include "SerialFixture.h"
#include "link/MessageIds.h"
#include "serial/PortLists.h"

namespace velmora::test {
namespace {

using Port = SerialFixture;

TEST_F(Port, OpenUsesTheMappedDeviceAndWritesTheAutoInformationCommandFirst) {
    port.SetComNumber(2);
    port.SetBaudRate(19200);
    store->link.autoInfoWanted.store(1);
    ASSERT_TRUE(port.OpenPort());
    ASSERT_EQ(device.opens().size(), 1u);
    EXPECT_EQ(device.opens()[0].path, "/dev/fake1");
    EXPECT_EQ(device.opens()[0].baud, 19200);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI1;"}));
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(port.GetPortHandle(), &device);
    EXPECT_TRUE(window.posts().empty());

    ASSERT_TRUE(port.ClosePort());
    store->link.autoInfoWanted.store(0);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI1;", "AI0;"}));
}

TEST_F(Port, OpeningTwiceKeepsOneHandleAndSendsNothingMore) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_FALSE(port.OpenPort());
    EXPECT_EQ(device.opens().size(), 1u);
    EXPECT_EQ(device.writes().size(), 1u);
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_TRUE(window.posts().empty());
}

TEST_F(Port, OpenRefusesSilentlyWhileAFailureBoxShows) {
    store->windowFlags.messageBoxOpen.store(true);
    EXPECT_FALSE(port.OpenPort());
    EXPECT_TRUE(device.opens().empty());
    EXPECT_TRUE(window.posts().empty());
}

TEST_F(Port, AComNumberWithoutDeviceFailsLikeAPortThatCannotBeOpened) {
    port.SetComNumber(5);
    EXPECT_FALSE(port.OpenPort());
    EXPECT_TRUE(device.opens().empty());
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{msg::WM_COMM_FAILURE, 0, 0}}));
    EXPECT_NE(port.lastFailure().find("COM5 (no device)"), std::string::npos);

    window.clear();
    port.SetComNumber(1);
    device.setOpenSucceeds(false);
    EXPECT_FALSE(port.OpenPort());
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{msg::WM_COMM_FAILURE, 0, 0}}));
    EXPECT_NE(port.lastFailure().find("COM1 (/dev/fake0)"), std::string::npos);
    EXPECT_EQ(port.lastFailure().find("dialout"), std::string::npos);
    EXPECT_FALSE(port.IsPortOpen());

    device.setOpenDenied(true);
    EXPECT_FALSE(port.OpenPort());
    EXPECT_TRUE(port.openDenied());
    EXPECT_EQ(port.lastFailure(), std::string("COM1 (/dev/fake0): ") + SerialPort::kPermissionHint);
}

TEST_F(Port, ALineFaultAtOpenClosesTheDeviceAgainAndSendsNothing) {
    for (uint32_t flag : {line_status::kRlsdHold, line_status::kTxim}) {
        window.clear();
        device.setLineFlags(flag);
        EXPECT_FALSE(port.OpenPort());
        EXPECT_FALSE(port.IsPortOpen());
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(window.postedIds(), (std::vector<uint32_t>{msg::WM_COMM_FAILURE}));
    }
    EXPECT_TRUE(device.writes().empty());
    EXPECT_EQ(device.closeCount(), 2);
    // CTS hold is no fault: the device holds the bytes until CTS comes.
    device.setLineFlags(line_status::kCtsHold);
    EXPECT_TRUE(port.OpenPort());
}

TEST_F(Port, CloseOnlyWhenOpen) {
    EXPECT_FALSE(port.ClosePort());
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ClosePort());
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(port.GetPortHandle(), nullptr);
    EXPECT_FALSE(port.ClosePort());
    EXPECT_EQ(device.closeCount(), 1);
}

TEST_F(Port, ProbeTestOpensTheListEntryOnItsOwnDevice) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.ProbePort(2));
    ASSERT_EQ(probe.opens().size(), 1u);
    EXPECT_EQ(probe.opens()[0].path, "/dev/fake2");
    EXPECT_FALSE(probe.isOpen());
    EXPECT_TRUE(probe.writes().empty());

    probe.setLineFlags(line_status::kRlsdHold);
    EXPECT_FALSE(port.ProbePort(1));
    EXPECT_FALSE(probe.isOpen());
    probe.setLineFlags(0);
    probe.setOpenSucceeds(false);
    EXPECT_FALSE(port.ProbePort(1));
    EXPECT_NE(port.lastFailure().find("COM2 (/dev/fake1)"), std::string::npos);
    EXPECT_FALSE(port.ProbePort(3));  // COM4 has no device
    EXPECT_FALSE(port.ProbePort(-1));
    EXPECT_FALSE(port.ProbePort(kPortListCount));

    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(device.opens().size(), 1u);
    EXPECT_EQ(device.closeCount(), 0);
    EXPECT_TRUE(window.posts().empty());
}

TEST_F(Port, BaudRateCommandGoesThroughTheCommandThread) {
    port.SendBaudRateToRadio(19200);
    port.SendBaudRateToRadio(1200);
    EXPECT_EQ(commandThread.postedIds(),
              (std::vector<uint32_t>{req::SEND_QUEUED, req::SEND_QUEUED}));
    uint8_t buf[512];
    ASSERT_EQ(store->sendRing.tryGet(buf), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 7), "EX0322;");
    ASSERT_EQ(store->sendRing.tryGet(buf), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 7), "EX0320;");
}

}  // namespace
}  // namespace velmora::test
