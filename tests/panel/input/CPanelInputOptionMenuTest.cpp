// The option buttons' menus: the list by target, the checked item, the value each choice sends.
#include "panel/input/PanelInputFixture.h"

namespace velmora::test {
namespace {

struct MenuCase {
    const char* name;
    PanelPoint button;
    bool sub;
    size_t items;
    uint32_t checked;  // with the stores' start values
    uint32_t choice;   // the id the operator picks; 0 dismisses
    std::vector<WindowMessage> posted;
};

class CPanelInputOptionMenu : public PanelInputFixture,
                              public ::testing::WithParamInterface<MenuCase> {};

TEST_P(CPanelInputOptionMenu, TheChosenItemPostsItsValueAndTheButtonIsReleased) {
    const MenuCase& c = GetParam();
    store->panel.subTarget.set(c.sub ? 1 : 0);
    store->records.pr.set(1);     // PROC
    store->records.pa[0].set(0);  // THRU1
    host.choice = c.choice;
    click(c.button);
    EXPECT_EQ(host.menuItems.size(), c.items);
    EXPECT_EQ(host.checked, c.checked);
    EXPECT_EQ(thread.posts(), c.posted);
    ASSERT_EQ(window.sends().size(), 2u);
    EXPECT_EQ(window.sends().back().wParam, 0u);  // drawn released
    EXPECT_EQ(input.activeCode(), 0);
    EXPECT_TRUE(window.timers().empty());
}

constexpr PanelPoint kProc{70, 220}, kAmp{260, 160}, kRoofing{300, 160};
constexpr uintptr_t kValue = kActionCarriesValue, kTarget = kActionCarriesTarget;
constexpr uintptr_t kSubValue = kTarget | kValue | kActionSubTarget;

INSTANTIATE_TEST_SUITE_P(
    Buttons, CPanelInputOptionMenu,
    ::testing::Values(
        MenuCase{"Proc", kProc, false, 3, 2, 2, {{req::PR_VALUE, kValue, 1}}},
        MenuCase{"MicEq", kProc, false, 3, 2, 3, {{req::PR_VALUE, kValue, 2}}},
        MenuCase{"Dismissed", kProc, false, 3, 2, 0, {}},
        MenuCase{"AmpMainThru1", kAmp, false, 4, 3, 3, {{req::PA_CHOICE, kTarget | kValue, 2}}},
        MenuCase{"RoofingSub3k", kRoofing, true, 4, 1, 4, {{req::RF_CHOICE, kSubValue, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelInputFixture, AnOptionButtonBehindAnOpenWindowShowsNoMenu) {
    input.OnMenuCommand(menu_item::COM_SELECT);
    host.choice = 2;
    click(kProc);
    EXPECT_TRUE(host.menuItems.empty());
    EXPECT_TRUE(thread.posts().empty());
}

}  // namespace
}  // namespace velmora::test
