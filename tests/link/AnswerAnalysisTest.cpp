// The per-code analysis: which record each answer fills, what it refuses, what it notifies.
#include <gmock/gmock.h>

#include "LinkFixture.h"
#include "link/MessageIds.h"
#include "link/SimpleAnswerRows.h"

namespace velmora::test {
namespace {

using AnswerFields = LinkFixture;

TEST_F(AnswerFields, FrequencyWithinRangeIsStoredCopiedAndNotified) {
    expectRows({{"FA14195000", {notify::FA}, &rec.fa, 14195000},
                {"FB00030000", {notify::FB}, &rec.fb, 30000}});
    EXPECT_EQ(store->panel.vfoA.get(), 14195000);
    EXPECT_EQ(store->panel.vfoB.get(), 30000);
}

TEST_F(AnswerFields, FrequencyOutOfRangeOrWithALetterChangesNothing) {
    expectRows({{"FA00025000", {}},
                {"FA60000001", {}},
                {"FA1419A000", {}},
                {"FA1419500", {}, &rec.fa, 7000000}});  // one digit short: the NUL is no digit
    EXPECT_EQ(store->panel.vfoA.get(), 0);
    expectRows({{"FA60000000", {notify::FA}, &rec.fa, 60000000}});
}

TEST_F(AnswerFields, SelectorPicksMainOrSubAndRefusesOthers) {
    expectRows({{"BC01", {notify::BC}, &rec.bc[kMain], 1},
                {"BC11", {notify::BC}, &rec.bc[kSub], 1},
                {"BC20", {}},
                {"BC12", {}, &rec.bc[kSub], 1},  // above the record's max
                {"NL1123", {notify::NL}, &rec.nl[kSub], 123},
                {"SH031", {notify::SH}, &rec.sh[kMain], 31},
                {"RL000", {}}});  // RL starts at 1
}

TEST_F(AnswerFields, RfCarriesTheSelectorPlusOneAndReadsAHexDigit) {
    handle("RF13");
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{notify::RF, 0, 2}}));
    EXPECT_EQ(rec.rf[kSub].get(), 3);
    window.clear();
    handle("RF0A");
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{notify::RF, 0, 1}}));
    EXPECT_EQ(rec.rf[kMain].get(), 10);
    EXPECT_EQ(postsOf("RF1A"), Ids{});  // the sub record stops at 6
}

TEST_F(AnswerFields, PanelCopiesFollowOnlyTheCodesThatHaveThem) {
    handle("RT1");
    EXPECT_EQ(store->panel.rt.get(), 1);
    handle("VS1");  // the receiver the panel's keys work on
    EXPECT_EQ(store->panel.subTarget.get(), 1);
    expectRows({{"FT1", {notify::FT}, &rec.ft, 1},
                {"AC002", {notify::AC}, &rec.ac, 2},
                {"AC0X2", {notify::AC}}});  // positions 2 and 3 are not read
}

TEST_F(AnswerFields, LockDigitsCodeTwoFlagsAndAlwaysNotify) {
    expectRows({{"LK7", {notify::LK}, &rec.lk[1], 1},
                {"LK8", {notify::LK}, &rec.lk[0], 1},
                {"FS6", {notify::FS}, &rec.fs[0], 0}});
    EXPECT_EQ(rec.fs[1].get(), 1);
    EXPECT_EQ(store->panel.fs[1].get(), 1);
}

TEST_F(AnswerFields, ModeSetsTheModeClass) {
    for (const auto& [answer, modeClass] :
         {std::pair{"MD0B", 2}, std::pair{"MD15", 1}, std::pair{"MD02", 0}}) {
        EXPECT_EQ(postsOf(answer), Ids{notify::MD}) << answer;
        EXPECT_EQ(store->panel.modeClass.get(), modeClass) << answer;
    }
    EXPECT_EQ(store->panel.md[kSub].get(), 5);
    expectRows({{"MD0E", {}, &rec.md[kMain], 2}});
    EXPECT_EQ(store->panel.md[kMain].get(), 2);
}

TEST_F(AnswerFields, StatusAnswerFillsEveryFieldAndAndsTheResults) {
    //                 IF mem freq    sign clar rx tx mode vfo tone nr shift
    EXPECT_EQ(postsOf("IF00114195000-012010201051"), Ids{notify::IF});
    const auto& s = rec.ifStatus;
    const int fields[] = {s.frequency.get(),  s.rxClarifier.get(), s.txClarifier.get(),
                          s.mode.get(),       s.vfoOrMemory.get(), s.toneMode.get(),
                          s.toneNumber.get(), s.shift.get(),       store->panel.vfoA.get()};
    EXPECT_THAT(fields, ::testing::ElementsAre(14195000, 1, 0, 2, 0, 1, 5, 1, 14195000));
    EXPECT_EQ(s.clarifierOffset.get(), -120.0);

    // A field that fails (tone mode "B") fails the answer; the fields that parse are kept.
    EXPECT_EQ(postsOf("IF00107000000+00500030B051"), Ids{});
    EXPECT_EQ(s.frequency.get(), 7000000);
    EXPECT_EQ(s.clarifierOffset.get(), 50.0);
    EXPECT_EQ(s.mode.get(), 3);
    EXPECT_EQ(s.toneMode.get(), 1);

    // OI: VFO-or-memory stops at 3.
    expectRows({{"OI00107000000+005001240010", {}},
                {"OI00107000000+005001230010", {notify::OI}, &rec.oiStatus.vfoOrMemory, 3}});
    EXPECT_EQ(rec.oiStatus.frequency.get(), 7000000);
    EXPECT_EQ(store->panel.vfoB.get(), 7000000);
}

TEST_F(AnswerFields, BreakInAndContourPickTheirFieldByPositionThree) {
    expectRows({{"BP01250", {notify::BP}, &rec.bpLevel[kMain], 250},
                {"BP10001", {notify::BP}, &rec.bpOn[kSub], 1},
                {"BP10000", {notify::BP}, &rec.bpOn[kSub], 0},
                {"BP9X", {notify::BP}},  // other selector: success, nothing stored
                {"CO0140", {notify::CO}, &rec.coFirst[kMain], 40},
                {"CO1251", {}},  // above the second value's 50
                {"CO1241", {notify::CO}, &rec.coSecond[kSub], 41}});
    EXPECT_EQ(store->panel.bpLevel[kMain].get(), 250);
}

TEST_F(AnswerFields, GroupSelectorsPickTheirRecord) {
    expectRows({{"BG105", {notify::BG}, &rec.bg[1], 5}});
    EXPECT_EQ(rec.bg[2].get(), -1);
    expectRows({{"BG209", {notify::BG}, &rec.bg[2], 9}, {"BG305", {}}});
    EXPECT_EQ(rec.bg[1].get(), -1);
    expectRows({{"PE212005", {notify::PE}, &rec.pe[1][1][2], 5},  // set digit 2 is the second set
                {"PE011-15", {notify::PE}, &rec.pe[0][1][1], -15},
                {"PE020018", {notify::PE}, &rec.pe[0][2][0], 18},
                {"PE020019", {}},  // band 2 stops at 18
                {"PE220019", {}},  // in both sets
                {"PE220018", {notify::PE}, &rec.pe[1][2][0], 18},
                {"PE000008", {}},  // band 0 at 7
                {"PE130007", {}},
                {"KC51312", {notify::KC}, &rec.kcValue[1][0], 3},
                // Digit 9 is no key, so the answer fails, but it names the first flag, which is
                // kept.
                {"KC50910", {}, &rec.kcFlag[0][0], 1},
                {"KC52000", {}}});
    EXPECT_EQ(rec.kcValue[1][1].get(), 2);
    EXPECT_EQ(rec.kcFlag[1][3].get(), 1);
}

TEST_F(AnswerFields, RadioInformationNeedsAutoInformation) {
    EXPECT_EQ(postsOf("RI31"), Ids{});
    rec.ai.set(1);
    expectRows({{"RI31", {notify::RI}, &rec.ri[3], 1}, {"RI91", {notify::RI}}, {"RI32", {}}});
}

TEST_F(AnswerFields, KeyerMemoryTextsAreCopiedUpToFiftyCharacters) {
    std::array<char, BoundedText::kCapacity> out{};
    EXPECT_EQ(postsOf("KM2" + std::string(60, 'Q')), Ids{notify::KM});
    EXPECT_EQ(rec.kmText[1].copyInto(out), std::string(50, 'Q'));
    EXPECT_EQ(out[50], '\0');
    handle("KM5CQ DE TEST}");
    EXPECT_EQ(rec.kmText[4].copyInto(out), "CQ DE TEST}");
    EXPECT_EQ(rec.kmSelected.get(), 5);
    EXPECT_EQ(postsOf("KM6CQ"), Ids{});
    EXPECT_EQ(rec.kmSelected.get(), 5);
}

TEST_F(AnswerFields, MetersAndOddFieldsFollowTheirRules) {
    expectRows({{"RM1123", {notify::RM}, &rec.rm, 123},
                {"RM1999", {notify::RM}, &rec.rm, 123},  // always succeeds, stores nothing too high
                {"ML0001", {notify::ML}, &rec.mlFlag, 1},
                {"ML1200", {notify::ML}, &rec.mlLevel, 200},
                {"AN021", {notify::AN}, &rec.anAntenna[kMain], 1},
                {"AN2", {notify::AN}, &rec.anFlag[kMain], 1},
                {"IS0-0500", {notify::IS}, &rec.is[kMain], -500},
                {"IS00500", {}},
                {"VF01123100", {notify::VF}, &rec.vf[kMain].level[1], 123},
                {"CA0001", {notify::CA}},
                {"CA1001", {}},
                {"RO0123045", {notify::RO}, &rec.roFirst, 123},
                {"PB0", {notify::PB}},
                {"LM", {notify::LM}}});
    EXPECT_EQ(rec.vf[kMain].flag.get(), 1);
    EXPECT_EQ(rec.vf[kMain].digit[1].get(), 1);
    EXPECT_EQ(rec.roSecond.get(), 45);
}

TEST_F(AnswerFields, IgnoredAndUnknownAnswersChangeNothing) {
    expectRows({{"CW1", {}},
                {"DA000000", {}},
                {"MR00000000000000000000000", {}},
                {"ZZ123", {}},
                {"", {}}});
    EXPECT_TRUE(commandThread.postedIds().empty());
    EXPECT_EQ(analysis.analyse("ZZ123").index, AnswerAnalysis::kNoRecord);
    EXPECT_EQ(analysis.analyse("DA000000").index, 74);
    EXPECT_FALSE(analysis.analyse("DA000000").success);
}

TEST(SimpleRows, EveryAnswerIndexHasAtMostOneAnalysis) {
    std::array<int, 78> rows{};
    for (const auto& row : simpleAnswerRows()) {
        ASSERT_GE(row.index, 0);
        ASSERT_LT(row.index, 78);
        EXPECT_EQ(++rows[row.index], 1) << row.index;
    }
}

}  // namespace
}  // namespace velmora::test
