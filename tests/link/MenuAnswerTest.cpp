// Menu answers: sized and decoded through the menu definitions, notified only on a change.
#include "LinkFixture.h"
#include "link/MessageIds.h"

namespace velmora::test {
namespace {

class MenuAnswers : public LinkFixture {
  protected:
    MenuAnswers() {
        const MenuItemDef items[] = {
            item(1, 3, 0),   // plain number
            item(2, 4, 12),  // shown with the break-in display too
            item(3, 4, 14),  // bit string
            item(4, 3, 16),  // beacon time
            item(5, 1, 11),  // shown with the contour display too
            item(6, 2, 15),  // shown with the S-meter too
        };
        store->menus.install(items, 6);
        store->menus.setCount(6);
    }
    static MenuItemDef item(int number, int width, int kind) {
        MenuItemDef d;
        d.number = number;
        d.width = width;
        d.valueKind = kind;
        return d;
    }
    double value(int n) { return store->menus.value(n).value_or(-1); }
};

TEST_F(MenuAnswers, RepeatedValuePostsNothingAndChangedValuePostsEx) {
    EXPECT_EQ(postsOf("EX001000"), Ids{});  // equals the stored 0
    EXPECT_EQ(postsOf("EX001042"), Ids{notify::EX});
    EXPECT_EQ(value(1), 42);
    EXPECT_EQ(postsOf("EX001042"), Ids{});
}

TEST_F(MenuAnswers, FollowUpNotificationsByValueKind) {
    EXPECT_EQ(postsOf("EX0020150"), (Ids{notify::EX, notify::BP}));
    EXPECT_EQ(postsOf("EX0020150"), Ids{});
    EXPECT_EQ(postsOf("EX0051"), (Ids{notify::EX, notify::CO}));
    EXPECT_EQ(postsOf("EX00607"), (Ids{notify::EX, notify::SM}));
}

TEST_F(MenuAnswers, BitStringsAndBeaconTimesDecode) {
    handle("EX0031011");
    EXPECT_EQ(value(3), 4096 + 1024 + 512);
    handle("EX004241");
    EXPECT_EQ(value(4), 270);
    handle("EX004240");
    EXPECT_EQ(value(4), 240);
}

TEST_F(MenuAnswers, ItemNumbersOutsideTheTableAreDropped) {
    EXPECT_EQ(postsOf("EX000005"), Ids{});
    EXPECT_EQ(postsOf("EX007005"), Ids{});
    EXPECT_EQ(postsOf("EX0A1005"), Ids{});
    EXPECT_EQ(analysis.analyse("EX007005").index, AnswerAnalysis::kMenuAnswer);
}

TEST_F(MenuAnswers, AWidthThatCannotFitTheBufferIsDropped) {
    MenuItemDef wide = item(1, 600, 0);
    store->menus.setItem(1, wide);
    EXPECT_EQ(postsOf("EX0011"), Ids{});
    wide.width = 507;  // the field would take the buffer's last byte
    store->menus.setItem(1, wide);
    EXPECT_EQ(postsOf("EX0011"), Ids{});
    wide.width = 506;
    store->menus.setItem(1, wide);
    EXPECT_EQ(postsOf("EX0011"), Ids{notify::EX});
}

}  // namespace
}  // namespace velmora::test
