#include <gtest/gtest.h>

#include <atomic>

#include "app/File_MenuListDefFile.h"
#include "link/MenuTable.h"
#include "link/MessageIds.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

struct MenuLoaderThread : ::testing::Test {
    MenuTable table;
    std::atomic<int> gate{0};
    std::atomic<int> failuresShown{0};

    MenuListDefLoaderHooks hooks() {
        return {.postSelf = {},
                .openGate = [this] { gate.store(1, std::memory_order_release); },
                .menuFileFailureEnabled = {},
                .showFailure = [this](std::string_view) { failuresShown.fetch_add(1); }};
    }
};

TEST_F(MenuLoaderThread, TheGateStaysClosedUntilTheLoadRequestArrives) {
    table.resetCount();
    File_MenuListDefFile loader(table, hooks());
    ASSERT_TRUE(loader.start());
    EXPECT_TRUE(loader.thread().isRunning());
    EXPECT_EQ(gate.load(std::memory_order_acquire), 0);
    EXPECT_EQ(table.count(), MenuTable::kDefaultCount);
    ASSERT_TRUE(loader.thread().post(msg::WM_MENU_LOAD, 0, 0));
    ASSERT_TRUE(test::waitFor([&] { return !loader.thread().isRunning(); }));
    EXPECT_EQ(gate.load(std::memory_order_acquire), 1);
    EXPECT_EQ(table.count(), 177);
}

TEST_F(MenuLoaderThread, StoppedBeforeLoadingItLeavesTheGateClosed) {
    table.resetCount();
    {
        File_MenuListDefFile loader(table, hooks());
        ASSERT_TRUE(loader.start());
        loader.thread().requestStop();
        loader.thread().join();
        EXPECT_FALSE(loader.thread().isRunning());
    }
    EXPECT_EQ(gate.load(std::memory_order_acquire), 0);
    EXPECT_EQ(table.count(), MenuTable::kDefaultCount);
}

}  // namespace
}  // namespace velmora
