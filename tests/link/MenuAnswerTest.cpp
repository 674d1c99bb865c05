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

// In order: a value equal to the stored one posts nothing, a change posts EX and what else shows
// the item; bit strings and beacon times decode; items outside the table are dropped.
TEST_F(MenuAnswers, ChangesAreDecodedAndNotifiedByValueKind) {
    const struct {
        const char* answer;
        Ids posted;
        int item;  // 0: no value to check
        double value;
    } rows[] = {
        {"EX001000", {}, 1, 0},
        {"EX001042", {notify::EX}, 1, 42},
        {"EX001042", {}, 1, 42},
        {"EX0020150", {notify::EX, notify::BP}, 2, 150},
        {"EX0020150", {}, 0, 0},
        {"EX0051", {notify::EX, notify::CO}, 5, 1},
        {"EX00607", {notify::EX, notify::SM}, 6, 7},
        {"EX0031011", {notify::EX}, 3, 4096 + 1024 + 512},
        {"EX004241", {notify::EX}, 4, 270},
        {"EX004240", {notify::EX}, 4, 240},
        {"EX000005", {}, 0, 0},
        {"EX007005", {}, 0, 0},
        {"EX0A1005", {}, 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(postsOf(r.answer), r.posted) << r.answer;
        if (r.item) {
            EXPECT_EQ(value(r.item), r.value) << r.answer;
        }
    }
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
