#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/MenuTable.h"
#include "link/MenuValueCodec.h"
#include "menulist/BuiltInMenuTable.h"
#include "windows/MenuListModel.h"
#include "windows/MenuSettingChoice.h"

namespace velmora {
namespace {

class MenuList : public ::testing::Test {
  protected:
    MenuList() {
        table->install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
        table->setCount(kBuiltInMenuItemCount);
        model.fill(*table);
    }
    // The radio's answer for item n, as the analysis stores it.
    void answer(int n, std::string_view field) {
        table->setValue(n, decodeMenuField(table->valueKind(n), field));
    }
    int row(int n) const { return model.rowOfNumber(n); }
    MenuItemDef& def(int n) { return model.item(row(n)); }
    // Chooses the entry with this text in the list dialog of item n.
    void choose(int n, const std::string& text) {
        const MenuChoiceList list = menuChoiceList(def(n));
        int index = -1;
        for (size_t i = 0; i < list.entries.size(); ++i) {
            if (list.entries[i].text == text) index = static_cast<int>(i);
        }
        ASSERT_TRUE(applyMenuChoice(def(n), list, index)) << text;
    }
    std::vector<bool> checked(int n) {
        std::vector<bool> out;
        for (const MenuPositionBox& b : menuPositionBoxes(def(n))) out.push_back(b.checked);
        return out;
    }

    std::unique_ptr<MenuTable> table = std::make_unique<MenuTable>();
    MenuListModel model;
};

TEST_F(MenuList, FillsEveryItemAndKeepsTheSelectionButNotTheEditsAcrossOpenings) {
    ASSERT_EQ(model.count(), 177);
    EXPECT_EQ(model.line(0), "001  FAST DELAY" + std::string(9, ' ') + "  20-4000 (20msec Steps)" +
                                 std::string(72, ' ') + " 300msec");
    model.select(40);
    choose(1, "320");
    EXPECT_EQ(model.pendingCount(), 1);
    model.fill(*table);
    EXPECT_EQ(model.selected(), 40);
    EXPECT_EQ(model.pendingCount(), 0);
    EXPECT_TRUE(model.commit(*table).written.empty());
}

TEST_F(MenuList, EachItemOpensTheDialogOfItsKind) {
    EXPECT_EQ(menuSettingDialogId(menuSettingDialog(def(151))), 869);
    EXPECT_EQ(menuSettingDialogId(menuSettingDialog(def(17))), 922);
    EXPECT_EQ(menuSettingDialogId(menuSettingDialog(def(22))), 717);
    EXPECT_EQ(menuSettingTitle(def(22), MenuSettingDialog::Choice), "022  BEACON TIME  (sec)");
    EXPECT_EQ(menuSettingTitle(def(151), MenuSettingDialog::Bands), "151  MY BAND");
}

TEST_F(MenuList, BeaconTimesShowAndChooseSecondsAndSendTheRadiosCode) {
    answer(22, "241");
    model.refresh(*table);
    EXPECT_TRUE(model.line(row(22)).ends_with(" 270sec"));
    EXPECT_EQ(
        menuChoiceList(def(22)).entries[static_cast<size_t>(menuChoiceList(def(22)).selected)].text,
        "270");
    answer(22, "255");
    model.refresh(*table);
    EXPECT_TRUE(model.line(row(22)).ends_with(" 690sec"));
    choose(22, "690");  // the radio's own value: no change
    EXPECT_FALSE(model.pending(row(22)));
    choose(22, "270");
    ASSERT_TRUE(model.pending(row(22)));
    EXPECT_EQ(def(22).newValue, 270);
    EXPECT_EQ(menuSetCommand(def(22)), "EX022241;");
}

TEST_F(MenuList, FractionalRangesOfferTheirTopValue) {
    const std::pair<int, const char*> tops[] = {{134, "5.499"},  {135, "7.299"},  {138, "18.199"},
                                                {139, "21.449"}, {140, "24.989"}, {141, "29.699"},
                                                {65, "4.5"}};
    for (const auto& [n, top] : tops) {
        EXPECT_EQ(menuChoiceList(def(n)).entries.back().text, top) << "item " << n;
    }
}

TEST_F(MenuList, ChoosingTheRadiosValueAgainLeavesNothingToWrite) {
    answer(31, "070");
    model.refresh(*table);
    choose(31, "80");
    choose(31, "70");
    const MenuListCommit commit = model.commit(*table);
    EXPECT_TRUE(commit.written.empty());
    EXPECT_FALSE(commit.postWrite);
}

TEST_F(MenuList, LevelIndicatorShowsItsSevenBoxesAndUncheckingProcStores6384) {
    const auto boxes = menuPositionBoxes(def(17));
    int visibleChecked = 0;
    for (const MenuPositionBox& b : boxes) visibleChecked += b.visible && b.checked ? 1 : 0;
    EXPECT_EQ(visibleChecked, 7);
    auto edited = boxes;
    edited[9].checked = false;  // PROC
    applyMenuPositions(def(17), edited);
    EXPECT_EQ(def(17).newValue, 6384);
    EXPECT_TRUE(model.pending(row(17)));
    EXPECT_TRUE(model.line(row(17)).ends_with(" PITCH ON"));
}

TEST_F(MenuList, MyBandKeepsTrv50WhenTheBoxesComeBackUnchanged) {
    // The factory value: 1.8 to 50 on, GEN and the transverters off.
    EXPECT_EQ(checked(151), std::vector<bool>({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
    applyMenuPositions(def(151), menuPositionBoxes(def(151)));
    EXPECT_FALSE(model.pending(row(151)));

    answer(151, "11000000000001");
    model.refresh(*table);
    EXPECT_TRUE(model.line(row(151)).ends_with(" TRV50 ON"));
    EXPECT_EQ(checked(151), std::vector<bool>({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    applyMenuPositions(def(151), menuPositionBoxes(def(151)));
    EXPECT_FALSE(model.pending(row(151)));

    auto boxes = menuPositionBoxes(def(151));
    boxes[1].checked = false;
    applyMenuPositions(def(151), boxes);
    EXPECT_EQ(menuSetCommand(def(151)), "EX15110000000000001;");
}

TEST_F(MenuList, ArrowsStepTheShownPositionOfBitStringLinesOnly) {
    struct Walk {
        int item;
        bool forward;
        std::vector<int> positions;  // after each press
    };
    const Walk walks[] = {
        {151, true, {0, 1, 2}},
        {151, false, {12, 11}},
        {17, true, {1, 5, 6, 7, 8, 9, 0}},
        {17, false, {9, 8, 7, 6, 5, 1, 0}},
    };
    for (const Walk& w : walks) {
        model.fill(*table);
        model.select(row(w.item));
        for (const int expected : w.positions) {
            EXPECT_TRUE(model.stepShownPosition(w.forward));
            EXPECT_EQ(model.shownPosition(def(w.item).valueKind), expected) << "item " << w.item;
            EXPECT_EQ(model.selected(), row(w.item));
        }
    }
    model.fill(*table);
    model.select(row(151));
    EXPECT_EQ(model.shownPosition(14), 13);
    model.stepShownPosition(true);
    EXPECT_TRUE(model.line(row(151)).ends_with(" 1.8 ON"));
    model.select(row(1));
    EXPECT_FALSE(model.stepShownPosition(true));
}

TEST_F(MenuList, OkWritesTheEditedRecordsAndAsksForTheNewRate) {
    choose(31, "80");
    choose(32, "19200");
    const MenuListCommit commit = model.commit(*table);
    EXPECT_EQ(commit.written, (std::vector<int>{31, 32}));
    EXPECT_TRUE(commit.postWrite);
    EXPECT_EQ(commit.baudRate, 19200);
    const auto stored = table->item(32);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value, 2);
    EXPECT_EQ(stored->changed, 1);
}

TEST_F(MenuList, RadioChangesRefreshOnlyLinesWithoutPendingEdits) {
    choose(1, "320");
    answer(1, "0500");
    answer(2, "0100");
    EXPECT_EQ(model.refresh(*table), (std::vector<int>{row(2)}));
    EXPECT_TRUE(model.line(row(1)).ends_with(" 320msec"));
    EXPECT_TRUE(model.pending(row(1)));
    answer(1, "0320");  // the radio now holds the edit itself
    model.refresh(*table);
    EXPECT_FALSE(model.pending(row(1)));
}

TEST_F(MenuList, FilterMatchesNumberOrNameAndFindsTypedNumbers) {
    EXPECT_EQ(model.filter("my band"), (std::vector<int>{row(151)}));
    EXPECT_EQ(model.filter("151"), (std::vector<int>{row(151)}));
    EXPECT_EQ(model.filter("").size(), 177u);
    EXPECT_EQ(model.rowOfNumber(178), -1);
}

}  // namespace
}  // namespace velmora
