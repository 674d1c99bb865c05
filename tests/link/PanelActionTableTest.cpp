// The flags PostPanelAction puts into wParam, and the indices that have no action.
#include <gtest/gtest.h>

#include <memory>

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "support/FakeThreadHandle.h"

namespace velmora {
namespace {

class PostPanelActionTest : public ::testing::Test {
  protected:
    PostPanelActionTest() { store->threads.Anl_Send_Thread = &thread; }
    ~PostPanelActionTest() override { store->threads.Anl_Send_Thread = nullptr; }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    test::FakeThreadHandle thread;
};

TEST_F(PostPanelActionTest, FlagsGoToTheirBitsAndTheValueToLParam) {
    EXPECT_TRUE(PostPanelAction(store->mailbox, 16, true, true, true, 3));
    EXPECT_TRUE(PostPanelAction(store->mailbox, 82, false, false, true, 14195000));
    EXPECT_TRUE(PostPanelAction(store->mailbox, 151, false, false, false, 0));
    EXPECT_TRUE(PostPanelAction(store->mailbox, 30, true, false, false, 0));
    EXPECT_EQ(thread.posts(), (std::vector<test::WindowMessage>{
                                  {req::GT_CHOICE, 0x10100001, 3},
                                  {req::FREQUENCY_A, 0x00100000, 14195000},
                                  {req::DN, 0, 0},
                                  {req::NA_TOGGLE, 0x10000000, 0},
                              }));
}

TEST_F(PostPanelActionTest, IndicesWithoutAnActionPostNothing) {
    EXPECT_FALSE(PostPanelAction(store->mailbox, 0, false, false, false, 0));
    EXPECT_FALSE(PostPanelAction(store->mailbox, 187, false, false, false, 0));
    EXPECT_FALSE(PostPanelAction(store->mailbox, -1, false, false, false, 0));
    EXPECT_TRUE(thread.posts().empty());
    store->threads.Anl_Send_Thread = nullptr;
    EXPECT_FALSE(PostPanelAction(store->mailbox, 1, false, false, false, 0));
}

}  // namespace
}  // namespace velmora
