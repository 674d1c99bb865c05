// VFO SET's entry: what OK makes of the typed digits, and the eight-digit limit of the keypad.
#include <gtest/gtest.h>

#include "windows/VfoSetEntry.h"

namespace velmora::test {
namespace {

using Verdict = VfoSetEntry::Verdict;

struct EntryCase {
    const char* name;
    const char* typed;
    Verdict verdict;
    int32_t hz;
};

class VfoSetEntryOk : public ::testing::TestWithParam<EntryCase> {};

TEST_P(VfoSetEntryOk, AcceptsTheRadiosRangeAndKeepsARefusedText) {
    const EntryCase& c = GetParam();
    VfoSetEntry entry;
    entry.setText(c.typed);
    const VfoSetEntry::Outcome outcome = entry.enter();
    EXPECT_EQ(outcome.verdict, c.verdict);
    EXPECT_EQ(outcome.hz, c.hz);
    EXPECT_EQ(entry.text(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VfoSetEntryOk,
    ::testing::Values(EntryCase{"Lowest", "30000", Verdict::Accept, 30000},
                      EntryCase{"Highest", "60000000", Verdict::Accept, 60000000},
                      EntryCase{"BelowLowest", "29999", Verdict::OutOfRange, 0},
                      EntryCase{"AboveHighest", "60000001", Verdict::OutOfRange, 0},
                      EntryCase{"EightNines", "99999999", Verdict::OutOfRange, 0},
                      EntryCase{"EmptyCancels", "", Verdict::Cancel, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VfoSetEntry, ANinthDigitIsIgnoredFromTheKeypadAndFromTheKeyboard) {
    VfoSetEntry entry(1);
    for (int d : {6, 0, 0, 0, 0, 0, 0, 0}) EXPECT_TRUE(entry.appendDigit(d));
    EXPECT_FALSE(entry.appendDigit(1));
    EXPECT_EQ(entry.text(), "60000000");
    EXPECT_EQ(entry.enter().hz, 60000000);
    entry.setText("7a0.74,0000099");
    EXPECT_EQ(entry.text(), "70740000");
    EXPECT_STREQ(entry.targetName(), "SUB");
}

}  // namespace
}  // namespace velmora::test
