// The answers that steer the link: identification, auto-information, power, radio status, and
// the watchdog's time-out.
#include "LinkFixture.h"
#include "link/MessageIds.h"

namespace velmora::test {
namespace {

using LinkAnswers = LinkFixture;

TEST_F(LinkAnswers, RightIdentificationStartsTheInitialRead) {
    EXPECT_EQ(commandPostsOf("ID0362"), Ids{req::START_INITIAL_READ});
    EXPECT_EQ(window.postedIds(), Ids{notify::ID});
    EXPECT_EQ(rec.id.get(), 362);
}

TEST_F(LinkAnswers, WrongIdentificationReportsAConnectionFailure) {
    EXPECT_EQ(commandPostsOf("ID0361"), Ids{req::COMM_SWITCH});
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{msg::WM_COMM_FAILURE, 1, 3}}));
    EXPECT_EQ(rec.id.get(), 0);
    EXPECT_EQ(commandPostsOf("IDXYZW"), Ids{req::COMM_SWITCH});
    EXPECT_EQ(commandPostsOf("ID"), Ids{req::COMM_SWITCH});
}

TEST_F(LinkAnswers, AutoInformationOnIsReportedOnlyOnce) {
    EXPECT_EQ(commandPostsOf("AI1"), Ids{req::IDENTIFY});
    EXPECT_EQ(window.sends(), (std::vector<WindowMessage>{{msg::WM_AI_SWITCHED_ON, 0, 0}}));
    EXPECT_EQ(window.postedIds(), Ids{notify::AI});
    EXPECT_EQ(store->link.autoInfoWanted.load(), 1);
    window.clear();
    EXPECT_EQ(commandPostsOf("AI1"), Ids{});
    EXPECT_TRUE(window.sends().empty());
    EXPECT_EQ(window.postedIds(), Ids{notify::AI});
}

TEST_F(LinkAnswers, AutoInformationOffThatWeAskedForResetsTheMeters) {
    handle("AI1");
    rec.rm.set(200);
    rec.sm[kMain].set(90);
    rec.sm[kSub].set(80);
    EXPECT_EQ(commandPostsOf("AI0"), Ids{req::STOP_READS});
    EXPECT_EQ(window.postedIds(), (Ids{notify::RM, notify::SM, notify::AI}));
    EXPECT_EQ(rec.rm.get(), 0);
    EXPECT_EQ(rec.sm[kSub].get(), 0);
    EXPECT_EQ(rec.sm[kMain].get(), 90);
    EXPECT_EQ(store->link.autoInfoWanted.load(), 0);
}

TEST_F(LinkAnswers, AutoInformationOffAfterAi1WasSentAsksForItAgain) {
    handle("AI1");
    store->link.aiOnSent = true;
    rec.rm.set(200);
    EXPECT_EQ(commandPostsOf("AI0"), Ids{req::COMM_SWITCH});
    EXPECT_EQ(window.postedIds(), Ids{});  // a failed analysis: no notification
    EXPECT_EQ(rec.rm.get(), 200);
    EXPECT_EQ(rec.ai.get(), 0);
    EXPECT_EQ(store->link.autoInfoWanted.load(), 0);
}

TEST_F(LinkAnswers, InvalidAutoInformationDigitSteersNothing) {
    handle("AI1");
    EXPECT_EQ(commandPostsOf("AI5"), Ids{});
    EXPECT_EQ(commandPostsOf("AIX"), Ids{});
    EXPECT_EQ(window.postedIds(), Ids{});
    EXPECT_EQ(rec.ai.get(), 1);
}

TEST_F(LinkAnswers, PowerOffThenOnResumesAutoInformation) {
    EXPECT_EQ(commandPostsOf("PS1"), Ids{});  // first report: nothing was wanted yet
    EXPECT_EQ(store->link.lastKnownPower.load(), 1);
    handle("AI1");
    rec.rm.set(100);

    EXPECT_EQ(commandPostsOf("PS0"), Ids{req::STOP_READS});
    EXPECT_EQ(window.postedIds(), (Ids{notify::RM, notify::SM, notify::PS}));
    EXPECT_EQ(rec.rm.get(), 0);
    EXPECT_EQ(store->link.savedAutoInfoWanted.load(), 1);

    EXPECT_EQ(commandPostsOf("PS1"), Ids{req::COMM_SWITCH});
    EXPECT_TRUE(store->link.reEnablePending.load());
    EXPECT_EQ(store->link.autoInfoWanted.load(), 0);
    // A radio that has just come on has auto-information off: the switch must ask for it on.
    EXPECT_EQ(rec.ai.get(), 0);

    // The radio confirms auto-information: identify again.
    EXPECT_EQ(commandPostsOf("AI1"), Ids{req::IDENTIFY});
    EXPECT_FALSE(store->link.reEnablePending.load());
    EXPECT_EQ(commandPostsOf("PS1"), Ids{});  // unchanged power: nothing
}

TEST_F(LinkAnswers, RadioStatusTwoStartsTheMenuRead) {
    EXPECT_EQ(commandPostsOf("RS1"), Ids{});
    EXPECT_EQ(window.postedIds(), Ids{notify::RS});
    EXPECT_EQ(commandPostsOf("RS2"), Ids{req::START_MENU_READ});
    EXPECT_EQ(commandPostsOf("RS3"), Ids{});
    EXPECT_EQ(window.postedIds(), Ids{});
}

TEST_F(LinkAnswers, TimeOutTreatsTheRadioAsSilent) {
    handle("AI1");
    store->link.aiOnSent = true;
    rec.rm.set(100);
    window.clear();
    commandThread.clear();
    analysis.onAnswerTimeout();
    EXPECT_FALSE(store->link.aiOnSent.load());
    EXPECT_EQ(commandThread.postedIds(), (Ids{req::STOP_READS, req::STOP_READS}));
    EXPECT_EQ(window.postedIds(), (Ids{notify::RM, notify::SM, notify::AI}));
    EXPECT_EQ(rec.ai.get(), 0);
    EXPECT_EQ(rec.rm.get(), 0);
}

TEST_F(LinkAnswers, NothingBreaksWithoutWindowOrCommandThread) {
    store->mainWindow = nullptr;
    store->threads.Anl_Send_Thread = nullptr;
    handle("AI1");
    handle("ID0361");
    handle("PS0");
    analysis.onAnswerTimeout();
    EXPECT_EQ(rec.ai.get(), 0);
    EXPECT_TRUE(window.posts().empty());
}

}  // namespace
}  // namespace velmora::test
