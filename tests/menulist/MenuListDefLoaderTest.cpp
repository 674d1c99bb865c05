#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "link/MenuTable.h"
#include "link/MessageIds.h"
#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuListDefLoader.h"

namespace velmora {
namespace {

struct LoaderFixture : ::testing::Test {
    MenuTable table;
    std::atomic<int> gate{0};
    std::vector<uint32_t> posted;
    bool failureEnabled = false;
    std::vector<std::string> shown;

    MenuListDefLoader makeLoader() {
        return MenuListDefLoader(
            table, {.postSelf = [this](uint32_t id) { posted.push_back(id); },
                    .openGate = [this] { gate.store(1, std::memory_order_release); },
                    .menuFileFailureEnabled = [this] { return failureEnabled; },
                    .showFailure = [this](std::string_view t) { shown.emplace_back(t); }});
    }
};

TEST_F(LoaderFixture, LoadInstallsTheTableAndAsksToEndWithTheGateStillClosed) {
    MenuListDefLoader loader = makeLoader();
    table.resetCount();
    EXPECT_FALSE(loader.handle(msg::WM_MENU_LOAD));
    EXPECT_EQ(table.count(), 177);
    EXPECT_EQ(gate.load(), 0);
    EXPECT_EQ(posted, std::vector<uint32_t>{msg::WM_THREAD_QUIT});
    for (int n = 1; n <= 177; ++n) {
        const auto def = table.item(n);
        ASSERT_TRUE(def.has_value());
        EXPECT_STREQ(def->name, builtInMenuDefinitions()[static_cast<size_t>(n - 1)].name);
    }
    EXPECT_EQ(table.width(151), 14);
    EXPECT_FALSE(table.item(178).has_value());
}

TEST_F(LoaderFixture, TheMenuFileFailureTextShowsOnlyWhenItsEntryIsEnabled) {
    failureEnabled = true;
    MenuListDefLoader loader = makeLoader();
    loader.handle(msg::WM_THREAD_QUIT);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], kMenuFileFailureText);

    MenuListDefLoader withoutHooks(table, {});
    EXPECT_TRUE(withoutHooks.handle(msg::WM_THREAD_QUIT));
    EXPECT_FALSE(withoutHooks.handle(msg::WM_MENU_LOAD));
    EXPECT_EQ(table.count(), 177);
}

TEST_F(LoaderFixture, OtherMessagesChangeNothing) {
    MenuListDefLoader loader = makeLoader();
    table.resetCount();
    EXPECT_FALSE(loader.handle(msg::WM_SEND_NEXT));
    EXPECT_EQ(table.count(), MenuTable::kDefaultCount);
    EXPECT_EQ(gate.load(), 0);
    EXPECT_TRUE(posted.empty());
}

}  // namespace
}  // namespace velmora
