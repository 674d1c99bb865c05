// The Repeater window: its texts, the target fixed at opening, the values shown before and after
// the opening read, and the tone list.
#include "WindowsFixture.h"
#include "windows/RepeaterTexts.h"
#include "windows/RepeaterWindow.h"
#include "windows/ToneList.h"

namespace velmora::test {
namespace {

using Repeater = WindowsFixture;

// The texts inside the tables are met in the window tests below.
TEST(RepeaterTexts, ValuesOutsideTheTablesShowQuestionMarks) {
    for (const std::string_view shown :
         {ctcssModeText(3), ctcssModeText(-1), shiftText(3), toneText(-1), toneText(50)})
        EXPECT_EQ(shown, "?????");
}

TEST(ToneGrid, RowsReadInAscendingOrderAndTheStoredToneIsSelected) {
    const auto& e = ToneList::entries();
    for (int row = 0; row < ToneList::kRows; ++row) {
        for (int column = 0; column < ToneList::kColumns; ++column) {
            const ToneEntry& entry = e[static_cast<size_t>(column * ToneList::kRows + row)];
            EXPECT_EQ(entry.tone, row * ToneList::kColumns + column);
            EXPECT_EQ(ToneList::indexOf(entry.tone), column * ToneList::kRows + row);
        }
    }
    EXPECT_EQ(e[0].text, "   67.0");
    EXPECT_EQ(e[static_cast<size_t>(*ToneList::indexOf(15))].text, "  110.9");
    const ToneList list(12);
    EXPECT_EQ(e[static_cast<size_t>(*list.selected())].text, "  100.0");
    EXPECT_EQ(list.chosenTone(), 12);
    EXPECT_EQ(ToneList(50).chosenTone(), std::nullopt);
}

TEST_F(Repeater, OpensOnTheStoredValuesOfItsTargetAndFollowsTheStatusAnswer) {
    store->panel.subTarget.set(1);
    store->records.ct[kSub].set(2);
    store->records.cn[kSub].set(12);
    store->records.os[kSub].set(1);
    RepeaterWindow w{*store};
    w.open();
    EXPECT_EQ(commands(), Strings{"OI;"});
    RepeaterTexts t = w.texts();
    EXPECT_EQ(t.target + "|" + t.mode + "|" + t.tone + "|" + t.shift,
              "<VFO-B>|Tone Encoder|100.0 Hz|Plus Shift");

    store->panel.subTarget.set(0);  // the target stays the one of the opening
    store->records.oiStatus.toneMode.set(1);
    store->records.oiStatus.toneNumber.set(0);
    store->records.oiStatus.shift.set(2);
    EXPECT_FALSE(w.onNotification(notify::IF));
    EXPECT_TRUE(w.onNotification(notify::OI));
    t = w.texts();
    EXPECT_EQ(t.mode + "|" + t.tone + "|" + t.shift, "Tone Squelch|67.0 Hz|Minus Shift");
    store->records.cn[kSub].set(49);
    EXPECT_TRUE(w.onNotification(notify::CN));
    EXPECT_EQ(w.texts().tone, "254.1 Hz");
}

TEST_F(Repeater, KeysAndTheToneGoToTheTarget) {
    for (int target : {kMain, kSub}) {
        store->panel.subTarget.set(target);
        RepeaterWindow w{*store};
        for (RepeaterKey k : {RepeaterKey::Off, RepeaterKey::Enc, RepeaterKey::Sql,
                              RepeaterKey::Simplex, RepeaterKey::Plus, RepeaterKey::Minus})
            w.press(k);
        w.chooseTone(12);
        w.chooseTone(50);
        const std::string r = std::to_string(target);
        EXPECT_EQ(commands(),
                  (Strings{"CT" + r + "0;", "CT" + r + "2;", "CT" + r + "1;", "OS" + r + "0;",
                           "OS" + r + "1;", "OS" + r + "2;", "CN" + r + "12;"}));
    }
}

}  // namespace
}  // namespace velmora::test
