// The fake must behave like the real device where the port logic depends on it, or tests built on
// it would prove the wrong thing.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "support/FakeSerialDevice.h"

namespace velmora {
namespace {

using test::FakeSerialDevice;

std::string readOnce(FakeSerialDevice& d, size_t max = 64) {
    uint8_t buf[64];
    const IoResult r = d.read(buf, max);
    return std::string(reinterpret_cast<const char*>(buf), r.count);
}

TEST(FakeSerialDevice, DeliversOneScriptedChunkPerReadAndCountsItAsWaiting) {
    FakeSerialDevice d;
    ASSERT_TRUE(d.open("/dev/ttyUSB0", SerialSettings{9600}));
    d.queueRead("FA00014195000;");
    d.queueRead("FB");
    EXPECT_EQ(d.status()->inQueue, 14u);
    EXPECT_EQ(readOnce(d, 5), "FA000");
    EXPECT_EQ(d.status()->inQueue, 9u);
    EXPECT_EQ(readOnce(d), "14195000;");
    EXPECT_EQ(readOnce(d), "FB");
    EXPECT_EQ(readOnce(d), "");
}

TEST(FakeSerialDevice, ErrorWordIsClearedByReadingLineFlagsStay) {
    FakeSerialDevice d;
    EXPECT_FALSE(d.status().has_value()) << "closed: the query fails";
    ASSERT_TRUE(d.open("p", SerialSettings{4800}));
    d.queueErrors(serial_error::kFraming);
    d.setLineFlags(line_status::kDsrHold);
    auto first = d.status();
    EXPECT_EQ(first->errors, serial_error::kFraming);
    EXPECT_EQ(first->lineFlags, line_status::kDsrHold);
    auto second = d.status();
    EXPECT_EQ(second->errors, 0u);
    EXPECT_EQ(second->lineFlags, line_status::kDsrHold);
}

TEST(FakeSerialDevice, LogsOpensWritesAndRtsAndOpensWithRtsLow) {
    FakeSerialDevice d;
    d.setOpenSucceeds(false);
    EXPECT_FALSE(d.open("/dev/ttyS0", SerialSettings{9600}));
    d.setOpenSucceeds(true);
    ASSERT_TRUE(d.open("/dev/ttyS0", SerialSettings{38400}));
    EXPECT_FALSE(d.open("/dev/ttyS0", SerialSettings{38400}));
    d.setRts(true);
    const std::string cmd = "AI1;";
    EXPECT_EQ(d.write(reinterpret_cast<const uint8_t*>(cmd.data()), cmd.size()).count, 4u);
    ASSERT_EQ(d.opens().size(), 3u);
    EXPECT_EQ(d.opens()[1].baud, 38400);
    EXPECT_EQ(d.rtsHistory(), (std::vector<bool>{false, true}));
    EXPECT_EQ(d.written(), "AI1;");
    EXPECT_TRUE(d.close());
    EXPECT_FALSE(d.close());
    EXPECT_EQ(d.closeCount(), 1);
}

TEST(FakeSerialDevice, ALostLineLooksLikeTheRealOne) {
    FakeSerialDevice d;
    ASSERT_TRUE(d.open("p", SerialSettings{4800}));
    d.waitReadable(0);  // the wake left by open
    d.loseLine();
    EXPECT_TRUE(d.status()->lineFlags & line_status::kRlsdHold);
    EXPECT_EQ(d.read(nullptr, 0).status, IoStatus::LineLost);
    EXPECT_EQ(d.waitReadable(60'000), WaitResult::LineLost);
    EXPECT_TRUE(d.close());
    ASSERT_TRUE(d.open("p", SerialSettings{4800}));
    EXPECT_EQ(d.status()->lineFlags, 0u);
}

TEST(FakeSerialDevice, WaitIsWokenByBytesAndByWake) {
    FakeSerialDevice d;
    ASSERT_TRUE(d.open("p", SerialSettings{4800}));
    EXPECT_EQ(d.waitReadable(0), WaitResult::Woken);
    EXPECT_EQ(d.waitReadable(0), WaitResult::TimedOut);
    std::thread feeder([&] { d.queueRead("X"); });
    EXPECT_EQ(d.waitReadable(60'000), WaitResult::Readable);
    feeder.join();
    std::thread waker([&] { d.wake(); });
    readOnce(d);
    EXPECT_EQ(d.waitReadable(60'000), WaitResult::Woken);
    waker.join();
}

}  // namespace
}  // namespace velmora
