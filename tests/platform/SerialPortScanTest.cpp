#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/SerialPortScan.h"
#include "serial/PortDirectory.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// A temporary folder standing in for /dev and /sys.
class SerialPortScan : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                (std::string("portscan-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "dev");
        fs::create_directories(root_ / "sys" / "class" / "tty");
        roots_ = {(root_ / "dev").string(), (root_ / "sys").string()};
    }
    void TearDown() override { fs::remove_all(root_); }

    void node(const std::string& name) { std::ofstream(root_ / "dev" / name) << ""; }
    void byId(const std::string& link, const std::string& target) {
        fs::create_directories(root_ / "dev" / "serial" / "by-id");
        fs::create_symlink(target, root_ / "dev" / "serial" / "by-id" / link);
    }
    // An on-board port with sysfs saying which bus its hardware sits on.
    void onBoard(const std::string& name, const std::string& bus) {
        node(name);
        const fs::path dev = root_ / "sys" / "class" / "tty" / name / "device";
        fs::create_directories(dev);
        fs::create_directories(root_ / "sys" / "bus" / bus);
        fs::create_symlink(root_ / "sys" / "bus" / bus, dev / "subsystem");
    }
    std::string dev(const std::string& rel) const { return (root_ / "dev" / rel).string(); }

    fs::path root_;
    ScanRoots roots_;
};

TEST_F(SerialPortScan, ListsByIdFirstThenUsbAcmAndSerialInNumericOrder) {
    node("ttyUSB10");
    node("ttyUSB2");
    node("ttyUSB0");
    node("ttyACM1");
    node("ttyACM0");
    onBoard("ttyS1", "pnp");
    onBoard("ttyS0", "pnp");
    node("tty0");
    node("ttyUSBx");
    node("console");
    byId("usb-Maker_Radio_123-if00-port0", "../../ttyUSB2");
    const std::vector<std::string> expected = {
        dev("serial/by-id/usb-Maker_Radio_123-if00-port0"),
        dev("ttyUSB0"),
        dev("ttyUSB10"),  // ttyUSB2 is already listed by its stable name
        dev("ttyACM0"),
        dev("ttyACM1"),
        dev("ttyS0"),
        dev("ttyS1")};
    EXPECT_EQ(findSerialDevices(roots_), expected);
}

TEST_F(SerialPortScan, OnBoardPlaceholdersAndDanglingLinksAreLeftOut) {
    onBoard("ttyS0", "pnp");
    onBoard("ttyS1", "platform");  // registered for a port that is not there
    node("ttyS2");                 // no sysfs entry at all
    byId("usb-gone-if00", "../../ttyUSB5");
    EXPECT_EQ(findSerialDevices(roots_), std::vector<std::string>{dev("ttyS0")});
}

TEST_F(SerialPortScan, NothingFoundLeavesEveryComWithoutDevice) {
    fs::remove_all(root_ / "dev");
    EXPECT_TRUE(findSerialDevices(roots_).empty());
    PortDirectory d;
    fillPortDirectory(d, (root_ / "CommoFiles" / "PortMap.csv").string(), roots_);
    for (int com = 1; com <= 20; ++com) EXPECT_EQ(d.pathFor(com), "") << com;
}

TEST_F(SerialPortScan, APortMapTakesPrecedenceOverTheScan) {
    node("ttyUSB0");
    PortDirectory d;
    const fs::path map = root_ / "CommoFiles" / PortDirectory::kPortMapFile;
    fillPortDirectory(d, map.string(), roots_);
    EXPECT_EQ(d.source(), PortDirectory::Source::Scan);
    EXPECT_EQ(d.pathFor(1), dev("ttyUSB0"));

    fs::create_directories(map.parent_path());
    std::ofstream(map) << "3,/dev/pts/4\n";
    fillPortDirectory(d, map.string(), roots_);
    EXPECT_EQ(d.source(), PortDirectory::Source::PortMap);
    EXPECT_EQ(d.pathFor(1), "");
    EXPECT_EQ(d.pathFor(3), "/dev/pts/4");
}

}  // namespace
}  // namespace velmora
