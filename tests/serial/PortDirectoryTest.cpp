#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "serial/PortDirectory.h"

namespace velmora {
namespace {

TEST(PortDirectory, HandWrittenMapsAreReadForgivingly) {
    PortDirectory d;
    ASSERT_TRUE(
        d.loadPortMapBytes("number,path\r\n"         // a heading
                           "# 4,/dev/ttyS9\n"        // a comment
                           " 2 , /dev/ttyACM0 \r\n"  // blanks and a CR
                           "21,/dev/ttyUSB9\n"       // beyond COM20
                           "0,/dev/ttyUSB8\n"
                           "5,\n"                // no path
                           "6\n"                 // no path field
                           "2,/dev/ttyACM1\n"    // a later line wins
                           "20,/dev/ttyUSB7"));  // no final line feed: still read
    EXPECT_EQ(d.source(), PortDirectory::Source::PortMap);
    EXPECT_EQ(d.pathFor(2), "/dev/ttyACM1");
    EXPECT_EQ(d.pathFor(20), "/dev/ttyUSB7");
    // Numbers the map does not name have no device.
    for (int com : {1, 3, 4, 5, 6}) EXPECT_EQ(d.pathFor(com), "") << com;
    EXPECT_EQ(d.pathFor(21), "");
    EXPECT_EQ(d.pathFor(0), "");
}

TEST(PortDirectory, DevicesFoundAreAssignedFromCom1InOrder) {
    PortDirectory d;
    std::vector<std::string> found;
    for (int i = 0; i < 25; ++i) found.push_back("/dev/ttyUSB" + std::to_string(i));
    d.assignInOrder(found);
    EXPECT_EQ(d.source(), PortDirectory::Source::Scan);
    EXPECT_EQ(d.pathFor(1), "/dev/ttyUSB0");
    EXPECT_EQ(d.pathFor(20), "/dev/ttyUSB19");
    d.assignInOrder({"/dev/ttyACM0"});
    EXPECT_EQ(d.pathFor(1), "/dev/ttyACM0");
    EXPECT_EQ(d.pathFor(2), "") << "a rescan forgets devices that have gone";
}

TEST(PortDirectory, OverrideBindsOneComNumberForTheRun) {
    PortDirectory d;
    d.assignInOrder({"/dev/ttyUSB0", "/dev/ttyUSB1"});
    d.setOverride(2, "/dev/pts/7");
    EXPECT_EQ(d.pathFor(2), "/dev/pts/7");
    EXPECT_EQ(d.pathFor(1), "/dev/ttyUSB0");
    d.assignInOrder({"/dev/ttyACM0"});
    EXPECT_EQ(d.pathFor(2), "/dev/pts/7") << "a rescan keeps the override";
    d.setOverride(2, "");
    EXPECT_EQ(d.pathFor(2), "");
    d.setOverride(21, "/dev/pts/7");
    EXPECT_EQ(d.pathFor(21), "");
}

TEST(PortDirectory, AMissingOrOversizedMapLeavesTheDirectoryAsItWas) {
    namespace fs = std::filesystem;
    PortDirectory d;
    d.assignInOrder({"/dev/ttyUSB0"});
    const fs::path dir = fs::temp_directory_path() / "portdirectory-test";
    fs::create_directories(dir);
    EXPECT_FALSE(d.loadPortMap((dir / "missing.csv").string()));
    std::ofstream(dir / "huge.csv", std::ios::binary) << std::string((1 << 20) + 10, '\n');
    EXPECT_FALSE(d.loadPortMap((dir / "huge.csv").string()));
    std::ofstream(dir / "PortMap.csv", std::ios::binary) << "1,/dev/ttyS4\n";
    EXPECT_EQ(d.pathFor(1), "/dev/ttyUSB0");
    EXPECT_EQ(d.source(), PortDirectory::Source::Scan);
    ASSERT_TRUE(d.loadPortMap((dir / "PortMap.csv").string()));
    EXPECT_EQ(d.pathFor(1), "/dev/ttyS4");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace velmora
