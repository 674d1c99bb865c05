// The receive tick on a fake device: answers cut by the length rule, one per tick; noise
// skipped; RTS flow control; line faults.
#include <gtest/gtest.h>

#include "SerialFixture.h"
#include "link/MessageIds.h"
#include "serial/ReceivePoller.h"

namespace velmora::test {
namespace {

class Receive : public SerialFixture {
  protected:
    Receive() {
        port.OpenPort();
        device.setRts(false);
    }
    // Ticks n times; returns the answers handed on meanwhile.
    std::vector<std::string> tick(int n = 1) {
        for (int i = 0; i < n; ++i) poller.poll();
        return allAnswers();
    }
    std::string buffered() const {
        return std::string(reinterpret_cast<const char*>(poller.buffer().data()), poller.fill());
    }
    bool freeBytesAreFF() const {
        for (size_t i = poller.fill(); i < AssemblyBuffer::kSize; ++i) {
            if (poller.buffer()[i] != 0xFF) return false;
        }
        return true;
    }

    ReceivePoller poller{*store, port};
};

using Strings = std::vector<std::string>;

TEST_F(Receive, TwoAnswersInOneReadAreHandedOnInTwoTicks) {
    device.queueRead("FA14195000;FB07000000;");
    EXPECT_EQ(tick(), Strings{"FA14195000"});
    EXPECT_EQ(analysisThread.postedIds(), (std::vector<uint32_t>{msg::WM_ANSWER_QUEUED}));
    EXPECT_EQ(poller.fill(), 11u);
    EXPECT_TRUE(poller.wantsTick());
    EXPECT_EQ(tick(), Strings{"FB07000000"});
    EXPECT_EQ(analysisThread.postedIds().size(), 2u);
    EXPECT_EQ(poller.fill(), 0u);
    EXPECT_TRUE(freeBytesAreFF());
    EXPECT_EQ(tick(), Strings{});
    EXPECT_FALSE(poller.wantsTick());
}

// The receive thread gathers: the answers of one read are in the ring at once, and one message
// announces them all.
TEST_F(Receive, GatheredAnswersAreAnnouncedByOneMessageWithTheirCount) {
    poller.setGathering(true);
    device.queueRead("FA14195000;FB07000000;AI1;");
    EXPECT_EQ(tick(3), (Strings{"FA14195000", "FB07000000", "AI1"}));
    EXPECT_TRUE(analysisThread.posts().empty());
    poller.postGathered();
    ASSERT_EQ(analysisThread.posts().size(), 1u);
    EXPECT_EQ(analysisThread.posts()[0].id, msg::WM_ANSWER_QUEUED);
    EXPECT_EQ(analysisThread.posts()[0].wParam, 3u);
    poller.postGathered();
    EXPECT_EQ(analysisThread.posts().size(), 1u) << "nothing more to announce";
}

TEST_F(Receive, ASplitAnswerIsHandedOnWhenItsLastByteArrives) {
    device.queueRead("FA14");
    EXPECT_EQ(tick(), Strings{});
    EXPECT_TRUE(poller.inProgress());
    EXPECT_EQ(poller.expectedLength(), 11);
    EXPECT_STREQ(poller.expectedCode(), "FA");
    device.queueRead("19500");
    EXPECT_EQ(tick(3), Strings{});
    device.queueRead("0;");
    EXPECT_EQ(tick(), Strings{"FA14195000"});
    EXPECT_FALSE(poller.inProgress());
}

// A refusal goes in one tick and is counted, also when the line parts its two bytes.
TEST_F(Receive, AnErrorReplyIsCountedAndGoneAfterOneTick) {
    device.queueRead("?;");
    EXPECT_EQ(tick(), Strings{});
    EXPECT_EQ(poller.fill(), 0u);
    EXPECT_TRUE(analysisThread.posts().empty());
    device.queueRead("?");
    EXPECT_EQ(tick(3), Strings{});
    device.queueRead(";FA14195000;");
    EXPECT_EQ(tick(), Strings{"FA14195000"});
    EXPECT_EQ(store->link.refusalsSeen.load(), 2u);
}

TEST_F(Receive, ASingleByteWaitsForMore) {
    device.queueRead("F");
    EXPECT_EQ(tick(5), Strings{});
    EXPECT_EQ(buffered(), "F");
    EXPECT_FALSE(poller.wantsTick());
    device.queueRead("A14195000;");
    EXPECT_EQ(tick(), Strings{"FA14195000"});
}

// Bytes that are no answer go: at once after a line error, byte by byte without one, through
// the next ";" when a printable front is no answer (an EX item beyond the defined count, an
// answer whose terminator is not where its length says, the error reply), so the answers behind
// still arrive and only they are posted.
TEST_F(Receive, NoiseBeforeAnAnswerIsDropped) {
    const std::string noise("\x00\x80", 2);
    struct Row {
        uint32_t errors;
        std::string bytes;
        int ticks;
        Strings answers;
    };
    const Row rows[] = {
        {serial_error::kFraming, noise + "AI1;", 1, {"AI1"}},
        {serial_error::kBreak, noise + "\xff\x01", 1, {}},
        {0, noise + "AI1;", 3, {"AI1"}},
        {0, "FA141950001;FB07000000;", 2, {"FB07000000"}},
        {0, "EX9991;FA14195000;", 2, {"FA14195000"}},
        // Noise letters glued to an answer's front: the answer behind them still counts.
        {0, "\x8fQFA14195000;", 1, {"FA14195000"}},
        // The radio's error reply is no answer either.
        {0, "?;", 1, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.bytes);
        device.queueErrors(r.errors);
        device.queueRead(r.bytes);
        EXPECT_EQ(tick(r.ticks), r.answers);
        EXPECT_EQ(poller.fill(), 0u);
        EXPECT_TRUE(freeBytesAreFF());
    }
    EXPECT_EQ(analysisThread.postedIds().size(), 5u);
}

TEST_F(Receive, PrintableNoiseWithoutATerminatorIsDroppedOnceRtsHoldsTheLine) {
    device.queueRead(std::string(100, 'Q'));
    EXPECT_EQ(tick(), Strings{});
    EXPECT_EQ(poller.fill(), 100u);  // may still become an answer
    device.queueRead(std::string(200, 'Q'));
    EXPECT_EQ(tick(), Strings{});
    EXPECT_EQ(poller.fill(), 0u);
    device.queueRead("FA14195000;");
    EXPECT_EQ(tick(), Strings{"FA14195000"});
}

TEST_F(Receive, RtsIsLoweredAt256AndRaisedOnlyAt128) {
    std::string burst;
    for (int i = 0; i < 30; ++i) burst += "FA14195000;";  // 330 bytes
    device.queueRead(burst);
    int sawHeldBetween = 0;
    for (int i = 0; i < 30; ++i) {
        const size_t before = poller.fill();
        const std::optional<bool> rtsBefore = device.rts();
        poller.poll();
        if (before >= 256) {
            EXPECT_EQ(device.rts(), false) << before;
        } else if (before <= 128) {
            EXPECT_EQ(device.rts(), true) << before;
        } else {
            EXPECT_EQ(device.rts(), rtsBefore) << before;
            sawHeldBetween += rtsBefore == false;
        }
    }
    EXPECT_GT(sawHeldBetween, 0);
    EXPECT_EQ(allAnswers().size(), 30u);
    EXPECT_EQ(device.rts(), true);
}

TEST_F(Receive, AReceiveQueueOverrunLowersRts) {
    device.queueErrors(serial_error::kRxOverrun);
    tick();
    EXPECT_EQ(device.rts(), false);
    EXPECT_TRUE(poller.wantsTick());  // must come up again without new bytes
    tick();
    EXPECT_EQ(device.rts(), true);
    // Combined with other bits it is not the overrun alone: RTS stays up.
    device.queueErrors(serial_error::kRxOverrun | serial_error::kParity);
    tick();
    EXPECT_EQ(device.rts(), true);
}

TEST_F(Receive, ACompleteAnswerClearsAnswerPending) {
    store->link.answerPending.store(true);
    device.queueRead("FA14");
    tick();
    EXPECT_TRUE(store->link.answerPending.load());
    device.queueRead("195000;");
    tick();
    EXPECT_FALSE(store->link.answerPending.load());
}

TEST_F(Receive, ALostCarrierClosesThePortAndKeepsWhatWasBuffered) {
    device.queueRead("FA14195000;FB07");
    tick();
    device.queueRead("000000;");
    device.setLineFlags(line_status::kRlsdHold);
    // The first tick only cuts what the last read brought; the next one asks the device.
    EXPECT_EQ(tick(), Strings{});
    EXPECT_TRUE(port.IsPortOpen());
    EXPECT_EQ(tick(), Strings{});
    EXPECT_FALSE(port.IsPortOpen());
    EXPECT_EQ(buffered(), "FB07");
    // A closed port reports nothing; the buffer is kept for when it reopens.
    EXPECT_EQ(tick(), Strings{});
    device.setLineFlags(0);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(tick(), Strings{"FB07000000"});
}

TEST_F(Receive, AWaitingCharacterClosesThePort) {
    device.setLineFlags(line_status::kTxim);
    tick();
    EXPECT_FALSE(port.IsPortOpen());
}

TEST_F(Receive, NothingHappensWhileTheGateIsClosed) {
    store->link.commGate.store(false);
    device.queueRead("FA14195000;");
    const int statusBefore = device.statusCalls();
    EXPECT_EQ(tick(3), Strings{});
    EXPECT_EQ(device.statusCalls(), statusBefore);
    EXPECT_EQ(device.readCalls(), 0);
    store->link.commGate.store(true);
    EXPECT_EQ(tick(), Strings{"FA14195000"});
}

TEST_F(Receive, AFullRingRefusesTheAnswerAndNothingIsPosted) {
    for (int i = 0; i < CommRing::kSlots; ++i) store->recvRing.Put(1, "x");
    device.queueRead("FA14195000;");
    poller.poll();
    EXPECT_TRUE(analysisThread.posts().empty());
    EXPECT_EQ(poller.fill(), 0u);
}

}  // namespace
}  // namespace velmora::test
