// One command per WM_SEND_NEXT on a fake device: the gate, the port opened before the write,
// the line checks that drop a command, AI-on-sent and answer-pending.
#include <gtest/gtest.h>

#include "SerialFixture.h"
#include "link/MessageIds.h"
#include "serial/CommandSender.h"

namespace velmora::test {
namespace {

class Send : public SerialFixture {
  protected:
    SendOutcome send(const std::string& command) {
        queueCommand(command);
        return sender.onSendNext();
    }
    CommandSender sender{*store, port};
};

TEST_F(Send, AClosedGateSendsNothingAndTheFirstRequestAfterItCatchesUp) {
    store->link.commGate.store(false);
    EXPECT_EQ(send("FA;"), SendOutcome::GateClosed);
    EXPECT_TRUE(device.opens().empty());
    EXPECT_FALSE(store->link.answerPending.load());
    store->link.commGate.store(true);
    // The oldest goes first, and the request that found the gate closed is made up for: the
    // line must not stay one command behind (the last command of a burst would wait forever).
    EXPECT_EQ(send("FB;"), SendOutcome::Sent);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI0;", "FA;", "FB;"}));
    EXPECT_EQ(sender.onSendNext(), SendOutcome::NothingQueued);
}

TEST_F(Send, AutoInformationCommandsSetAndClearAiOnSent) {
    send("AI1;");
    EXPECT_TRUE(store->link.aiOnSent.load());
    send("AI1");
    EXPECT_TRUE(store->link.aiOnSent.load());
    send("AI0;");
    EXPECT_FALSE(store->link.aiOnSent.load());
    send("AI0");
    send("AI1X;");
    EXPECT_FALSE(store->link.aiOnSent.load());
    EXPECT_EQ(device.writes().size(), 6u);
}

// 511 bytes, the most the ring takes, go out whole.
TEST_F(Send, TheLongestCommandGoesOutWhole) {
    EXPECT_EQ(send(std::string(510, 'B') + ";"), SendOutcome::Sent);
    EXPECT_EQ(device.writes().back().size(), 511u);
}

TEST_F(Send, APortThatCannotBeOpenedDropsTheCommand) {
    device.setOpenSucceeds(false);
    EXPECT_EQ(send("FA;"), SendOutcome::PortClosed);
    EXPECT_EQ(window.postedIds(), (std::vector<uint32_t>{msg::WM_COMM_FAILURE}));
    device.setOpenSucceeds(true);
    EXPECT_EQ(send("FB;"), SendOutcome::Sent);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI0;", "FB;"}));
}

TEST_F(Send, ALineFaultClosesThePortAndTheNextCommandReopensIt) {
    store->link.autoInfoWanted.store(1);
    EXPECT_EQ(send("FA;"), SendOutcome::Sent);
    device.loseLine();
    EXPECT_EQ(send("FB;"), SendOutcome::LineFault);
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(send("IF;"), SendOutcome::Sent);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI1;", "FA;", "AI1;", "IF;"}));
    EXPECT_EQ(device.opens().size(), 2u);
}

TEST_F(Send, AStuckOutputQueueClosesThePort) {
    device.setOutQueue(5119);
    EXPECT_EQ(send("FA;"), SendOutcome::Sent);
    device.setOutQueue(5120);
    EXPECT_EQ(send("FB;"), SendOutcome::LineFault);
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(device.writes().back(), "FA;");
}

TEST_F(Send, HeldLinesDropTheCommandButKeepThePortOpen) {
    for (uint32_t flag : {line_status::kDsrHold, line_status::kXoffHold, line_status::kXoffSent,
                          line_status::kEof}) {
        device.setLineFlags(flag);
        EXPECT_EQ(send("FA;"), SendOutcome::LineHeld) << flag;
        EXPECT_TRUE(port.IsPortOpen());
    }
    device.setLineFlags(line_status::kCtsHold);
    EXPECT_EQ(send("FB;"), SendOutcome::Sent);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI0;", "FB;"}));
}

TEST_F(Send, ASingleErrorBitDropsTheCommandACombinationDoesNot) {
    using namespace serial_error;
    // Opening reads (and so clears) the error word: open first.
    ASSERT_TRUE(port.OpenPort());
    for (uint32_t bit :
         {kBreak, kFraming, kOverrun, kMode, kIoError, kRxOverrun, kParity, kTxFull}) {
        device.queueErrors(bit);
        EXPECT_EQ(send("FA;"), SendOutcome::LineError) << bit;
    }
    EXPECT_FALSE(store->link.answerPending.load());
    device.queueErrors(kFraming | kParity);
    EXPECT_EQ(send("FB;"), SendOutcome::Sent);
    EXPECT_EQ(device.writes(), (std::vector<std::string>{"AI0;", "FB;"}));
}

}  // namespace
}  // namespace velmora::test
