// The per-code analysis: which record each answer fills, what it refuses, what it notifies.
#include "LinkFixture.h"
#include "link/SimpleAnswerRows.h"

namespace velmora::test {
namespace {

using AnswerFields = LinkFixture;

TEST_F(AnswerFields, FrequencyWithinRangeIsStoredCopiedAndNotified) {
    EXPECT_EQ(postsOf("FA14195000"), Ids{0x8333});
    EXPECT_EQ(rec.fa.get(), 14195000);
    EXPECT_EQ(store->panel.vfoA.get(), 14195000);
    EXPECT_EQ(postsOf("FB00030000"), Ids{0x8334});
    EXPECT_EQ(rec.fb.get(), 30000);
    EXPECT_EQ(store->panel.vfoB.get(), 30000);
}

TEST_F(AnswerFields, FrequencyOutOfRangeOrWithALetterChangesNothing) {
    EXPECT_EQ(postsOf("FA00025000"), Ids{});
    EXPECT_EQ(postsOf("FA60000001"), Ids{});
    EXPECT_EQ(postsOf("FA1419A000"), Ids{});
    EXPECT_EQ(postsOf("FA1419500"), Ids{});  // one digit short: the NUL is no digit
    EXPECT_EQ(rec.fa.get(), 7000000);
    EXPECT_EQ(store->panel.vfoA.get(), 0);
    EXPECT_EQ(postsOf("FA60000000"), Ids{0x8333});
    EXPECT_EQ(rec.fa.get(), 60000000);
}

TEST_F(AnswerFields, SelectorPicksMainOrSubAndRefusesOthers) {
    EXPECT_EQ(postsOf("BC01"), Ids{0x8306});
    EXPECT_EQ(postsOf("BC11"), Ids{0x8306});
    EXPECT_EQ(rec.bc[kMain].get(), 1);
    EXPECT_EQ(rec.bc[kSub].get(), 1);
    EXPECT_EQ(postsOf("BC20"), Ids{});
    EXPECT_EQ(postsOf("BC12"), Ids{});  // above the record's max
    EXPECT_EQ(rec.bc[kSub].get(), 1);
    EXPECT_EQ(postsOf("NL1123"), Ids{0x8325});
    EXPECT_EQ(rec.nl[kSub].get(), 123);
    EXPECT_EQ(postsOf("SH031"), Ids{0x8330});
    EXPECT_EQ(rec.sh[kMain].get(), 31);
    EXPECT_EQ(postsOf("RL000"), Ids{});  // RL starts at 1
}

TEST_F(AnswerFields, RfCarriesTheSelectorPlusOneAndReadsAHexDigit) {
    window.clear();
    handle("RF13");
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{0x8311, 0, 2}}));
    EXPECT_EQ(rec.rf[kSub].get(), 3);
    window.clear();
    handle("RF0A");
    EXPECT_EQ(window.posts(), (std::vector<WindowMessage>{{0x8311, 0, 1}}));
    EXPECT_EQ(rec.rf[kMain].get(), 10);
    EXPECT_EQ(postsOf("RF1A"), Ids{});  // the sub record stops at 6
}

TEST_F(AnswerFields, PanelCopiesFollowOnlyTheCodesThatHaveThem) {
    handle("RT1");
    EXPECT_EQ(store->panel.rt.get(), 1);
    handle("FT1");
    EXPECT_EQ(rec.ft.get(), 1);
    handle("AC002");
    EXPECT_EQ(rec.ac.get(), 2);
    EXPECT_EQ(postsOf("AC0X2"), Ids{0x8318});  // positions 2 and 3 are not read
}

TEST_F(AnswerFields, LockDigitsCodeTwoFlagsAndAlwaysNotify) {
    EXPECT_EQ(postsOf("LK7"), Ids{0x830C});
    EXPECT_EQ(rec.lk[0].get(), 1);
    EXPECT_EQ(rec.lk[1].get(), 1);
    EXPECT_EQ(postsOf("LK8"), Ids{0x830C});
    EXPECT_EQ(rec.lk[0].get(), 1);
    EXPECT_EQ(postsOf("FS6"), Ids{0x830D});
    EXPECT_EQ(rec.fs[0].get(), 0);
    EXPECT_EQ(rec.fs[1].get(), 1);
    EXPECT_EQ(store->panel.fs[1].get(), 1);
}

TEST_F(AnswerFields, ModeSetsTheModeClass) {
    EXPECT_EQ(postsOf("MD0B"), Ids{0x8345});
    EXPECT_EQ(rec.md[kMain].get(), 11);
    EXPECT_EQ(store->panel.md[kMain].get(), 11);
    EXPECT_EQ(store->panel.modeClass.get(), 2);
    handle("MD15");
    EXPECT_EQ(store->panel.modeClass.get(), 1);
    handle("MD02");
    EXPECT_EQ(store->panel.modeClass.get(), 0);
    EXPECT_EQ(postsOf("MD0E"), Ids{});
    EXPECT_EQ(rec.md[kMain].get(), 2);
}

TEST_F(AnswerFields, StatusAnswerFillsEveryFieldAndAndsTheResults) {
    //                 IF mem freq    sign clar rx tx mode vfo tone nr shift
    EXPECT_EQ(postsOf("IF00114195000-012010201051"), Ids{0x832D});
    const auto& s = rec.ifStatus;
    EXPECT_EQ(s.frequency.get(), 14195000);
    EXPECT_EQ(s.clarifierOffset.get(), -120.0);
    EXPECT_EQ(s.rxClarifier.get(), 1);
    EXPECT_EQ(s.txClarifier.get(), 0);
    EXPECT_EQ(s.mode.get(), 2);
    EXPECT_EQ(s.vfoOrMemory.get(), 0);
    EXPECT_EQ(s.toneMode.get(), 1);
    EXPECT_EQ(s.toneNumber.get(), 5);
    EXPECT_EQ(s.shift.get(), 1);
    EXPECT_EQ(store->panel.vfoA.get(), 14195000);

    // A field that fails (tone mode "B") fails the answer; the fields that parse are kept.
    EXPECT_EQ(postsOf("IF00107000000+00500030B051"), Ids{});
    EXPECT_EQ(s.frequency.get(), 7000000);
    EXPECT_EQ(s.clarifierOffset.get(), 50.0);
    EXPECT_EQ(s.mode.get(), 3);
    EXPECT_EQ(s.toneMode.get(), 1);

    // OI: VFO-or-memory stops at 3.
    EXPECT_EQ(postsOf("OI00107000000+005001240010"), Ids{});
    EXPECT_EQ(postsOf("OI00107000000+005001230010"), Ids{0x833F});
    EXPECT_EQ(rec.oiStatus.frequency.get(), 7000000);
    EXPECT_EQ(rec.oiStatus.vfoOrMemory.get(), 3);
    EXPECT_EQ(store->panel.vfoB.get(), 7000000);
}

TEST_F(AnswerFields, BreakInAndContourPickTheirFieldByPositionThree) {
    EXPECT_EQ(postsOf("BP01250"), Ids{0x8305});
    EXPECT_EQ(rec.bpLevel[kMain].get(), 250);
    EXPECT_EQ(store->panel.bpLevel[kMain].get(), 250);
    handle("BP10001");
    EXPECT_EQ(rec.bpOn[kSub].get(), 1);
    handle("BP10000");
    EXPECT_EQ(rec.bpOn[kSub].get(), 0);
    EXPECT_EQ(postsOf("BP9X"), Ids{0x8305});  // other selector: success, nothing stored
    EXPECT_EQ(postsOf("CO0140"), Ids{0x8307});
    EXPECT_EQ(rec.coFirst[kMain].get(), 40);
    EXPECT_EQ(postsOf("CO1251"), Ids{});  // above the second value's 50
    EXPECT_EQ(postsOf("CO1241"), Ids{0x8307});
    EXPECT_EQ(rec.coSecond[kSub].get(), 41);
}

TEST_F(AnswerFields, GroupSelectorsPickTheirRecord) {
    handle("BG105");
    EXPECT_EQ(rec.bg[1].get(), 5);
    EXPECT_EQ(rec.bg[2].get(), -1);
    handle("BG209");
    EXPECT_EQ(rec.bg[1].get(), -1);
    EXPECT_EQ(rec.bg[2].get(), 9);
    EXPECT_EQ(postsOf("BG305"), Ids{});
    EXPECT_EQ(postsOf("PE212005"), Ids{0x834F});  // set digit 2 is the second set
    EXPECT_EQ(rec.pe[1][1][2].get(), 5);
    EXPECT_EQ(postsOf("PE011-15"), Ids{0x834F});
    EXPECT_EQ(rec.pe[0][1][1].get(), -15);
    EXPECT_EQ(postsOf("PE020018"), Ids{0x834F});
    EXPECT_EQ(rec.pe[0][2][0].get(), 18);
    EXPECT_EQ(postsOf("PE020019"), Ids{});  // band 2 stops at 18
    EXPECT_EQ(postsOf("PE000008"), Ids{});  // band 0 at 7
    EXPECT_EQ(postsOf("PE130007"), Ids{});
    EXPECT_EQ(postsOf("KC51312"), Ids{0x8355});
    EXPECT_EQ(rec.kcValue[1][0].get(), 3);
    EXPECT_EQ(rec.kcValue[1][1].get(), 2);
    EXPECT_EQ(rec.kcFlag[1][3].get(), 1);
    handle("KC50910");
    EXPECT_EQ(rec.kcFlag[0][0].get(), 1);  // digit 9 names the first flag
    EXPECT_EQ(postsOf("KC52000"), Ids{});
}

TEST_F(AnswerFields, RadioInformationNeedsAutoInformation) {
    EXPECT_EQ(postsOf("RI31"), Ids{});
    rec.ai.set(1);
    EXPECT_EQ(postsOf("RI31"), Ids{0x8348});
    EXPECT_EQ(rec.ri[3].get(), 1);
    EXPECT_EQ(postsOf("RI91"), Ids{0x8348});
    EXPECT_EQ(postsOf("RI32"), Ids{});
}

TEST_F(AnswerFields, KeyerMemoryTextsAreCopiedUpToFiftyCharacters) {
    const std::string text(60, 'Q');
    EXPECT_EQ(postsOf("KM2" + text), Ids{0x833D});
    std::array<char, BoundedText::kCapacity> out{};
    EXPECT_EQ(rec.kmText[1].copyInto(out), std::string(50, 'Q'));
    handle("KM5CQ DE TEST}");
    EXPECT_EQ(rec.kmText[4].copyInto(out), "CQ DE TEST}");
    EXPECT_EQ(postsOf("KM6CQ"), Ids{});
}

TEST_F(AnswerFields, MetersAndOddFieldsFollowTheirRules) {
    EXPECT_EQ(postsOf("RM1123"), Ids{0x8321});
    EXPECT_EQ(rec.rm.get(), 123);
    EXPECT_EQ(postsOf("RM1999"), Ids{0x8321});  // always succeeds, stores nothing too high
    EXPECT_EQ(rec.rm.get(), 123);
    EXPECT_EQ(postsOf("ML0001"), Ids{0x831E});
    EXPECT_EQ(rec.mlFlag.get(), 1);
    handle("ML1200");
    EXPECT_EQ(rec.mlLevel.get(), 200);
    EXPECT_EQ(postsOf("AN021"), Ids{0x8317});
    EXPECT_EQ(rec.anAntenna[kMain].get(), 1);
    EXPECT_EQ(rec.anFlag[kMain].get(), 1);
    EXPECT_EQ(postsOf("AN2"), Ids{0x8317});
    EXPECT_EQ(postsOf("IS0-0500"), Ids{0x832F});
    EXPECT_EQ(rec.is[kMain].get(), -500);
    EXPECT_EQ(postsOf("IS00500"), Ids{});
    EXPECT_EQ(postsOf("VF01123100"), Ids{0x832E});
    EXPECT_EQ(rec.vf[kMain].flag.get(), 1);
    EXPECT_EQ(rec.vf[kMain].digit[1].get(), 1);
    EXPECT_EQ(rec.vf[kMain].level[1].get(), 123);
    EXPECT_EQ(postsOf("CA0001"), Ids{0x8356});
    EXPECT_EQ(postsOf("CA1001"), Ids{});
    EXPECT_EQ(postsOf("RO0123045"), Ids{0x8335});
    EXPECT_EQ(rec.roFirst.get(), 123);
    EXPECT_EQ(rec.roSecond.get(), 45);
    EXPECT_EQ(postsOf("PB0"), Ids{0x8341});
    EXPECT_EQ(postsOf("LM"), Ids{0x834E});
}

TEST_F(AnswerFields, IgnoredAndUnknownAnswersChangeNothing) {
    const auto before = commandThread.postedIds();
    EXPECT_EQ(postsOf("CW1"), Ids{});
    EXPECT_EQ(postsOf("DA000000"), Ids{});
    EXPECT_EQ(postsOf("MR00000000000000000000000"), Ids{});
    EXPECT_EQ(postsOf("ZZ123"), Ids{});
    EXPECT_EQ(postsOf(""), Ids{});
    EXPECT_EQ(analysis.analyse("ZZ123").index, AnswerAnalysis::kNoRecord);
    EXPECT_EQ(analysis.analyse("DA000000").index, 74);
    EXPECT_FALSE(analysis.analyse("DA000000").success);
    EXPECT_EQ(commandThread.postedIds(), before);
}

TEST(SimpleRows, EveryAnswerIndexHasAtMostOneAnalysis) {
    std::array<int, 78> rows{};
    for (const auto& row : simpleAnswerRows()) {
        ASSERT_GE(row.index, 0);
        ASSERT_LT(row.index, 78);
        ++rows[row.index];
    }
    for (int i = 0; i < 78; ++i) EXPECT_LE(rows[i], 1) << i;
    EXPECT_EQ(simpleAnswerRows().size(), 51u);
}

}  // namespace
}  // namespace velmora::test
