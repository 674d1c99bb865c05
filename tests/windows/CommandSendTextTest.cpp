// Command Send: the text goes to the radio as typed, as one entry, or the window says why not.
#include <gtest/gtest.h>

#include "link/MessageIds.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"
#include "windows/CommandHistory.h"
#include "windows/CommandSendText.h"

namespace velmora::test {
namespace {

class CommandSendTextTest : public StoreFixture {
  protected:
    CommandSendTextTest() { store->threads.Anl_Send_Thread = &commandThread; }
    FakeThreadHandle commandThread;
};

struct SendCase {
    const char* name;
    std::string text;
    CommandSendOutcome outcome;
};

class CommandSendOutcomes : public CommandSendTextTest,
                            public ::testing::WithParamInterface<SendCase> {};

TEST_P(CommandSendOutcomes, OnlyPrintableAsciiUpTo500BytesGoesAsOneEntry) {
    const SendCase& c = GetParam();
    EXPECT_EQ(CommandSendText::send(*store, c.text), c.outcome);
    const bool sent = c.outcome == CommandSendOutcome::Sent;
    EXPECT_EQ(takeAll(store->sendRing),
              sent ? std::vector<std::string>{c.text} : std::vector<std::string>{});
    EXPECT_EQ(commandThread.postedIds(),
              sent ? std::vector<uint32_t>{req::SEND_QUEUED} : std::vector<uint32_t>{});
    EXPECT_EQ(CommandSendText::refusalText(c.outcome).empty(), CommandSendText::closes(c.outcome));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandSendOutcomes,
    ::testing::Values(SendCase{"Frequency", "FA014195000;", CommandSendOutcome::Sent},
                      SendCase{"NoSemicolonAdded", "FA;IF", CommandSendOutcome::Sent},
                      SendCase{"FiveHundred", std::string(500, 'A'), CommandSendOutcome::Sent},
                      SendCase{"FiveHundredOne", std::string(501, 'A'),
                               CommandSendOutcome::TooLong},
                      SendCase{"Empty", "", CommandSendOutcome::Empty},
                      SendCase{"Umlaut", "FA\xC3\xA4;", CommandSendOutcome::NotPrintable},
                      SendCase{"LineFeed", "FA;\n", CommandSendOutcome::NotPrintable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandSendTextTest, AFullSendQueueKeepsTheWindowOpen) {
    while (store->sendRing.Put(3, "AI;") != 0) {
    }
    const CommandSendOutcome outcome = CommandSendText::send(*store, "FA014195000;");
    EXPECT_EQ(outcome, CommandSendOutcome::QueueFull);
    EXPECT_FALSE(CommandSendText::closes(outcome));
    EXPECT_TRUE(commandThread.postedIds().empty());
}

TEST(CommandHistory, KeepsEachCommandOnceNewestFirstAndForgetsTheOldest) {
    CommandHistory history;
    for (int i = 0; i < 40; ++i) history.add("FA" + std::to_string(i) + ";");
    history.add("FA35;");
    ASSERT_EQ(history.entries().size(), CommandHistory::kMaxEntries);
    EXPECT_EQ(history.entries()[0], "FA35;");
    EXPECT_EQ(history.entries()[1], "FA39;");
    EXPECT_EQ(history.entries().back(), "FA10;");
}

}  // namespace
}  // namespace velmora::test
