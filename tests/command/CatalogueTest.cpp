// The command catalogue on the wire: a sample of every family with the values at and beyond its
// edges, through the dispatcher into SendRing.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "command/CommandFixture.h"
#include "link/MessageIds.h"

namespace velmora {
namespace {

using test::Strings;

class CatalogueTest : public test::CommandFixture {
  protected:
    Strings send(uint32_t id, intptr_t v = 0, bool sub = false) {
        requestFor(id, sub, v);
        return sent();
    }
    static Strings one(std::string s) { return Strings{std::move(s)}; }
    static Strings none() { return {}; }
};

TEST_F(CatalogueTest, FixedCommandsIgnoreTargetAndValue) {
    EXPECT_EQ(send(req::KY_1, 77, true), one("KY1;"));
    EXPECT_EQ(send(req::KY_A, -5), one("KYA;"));
    EXPECT_EQ(send(req::QI), one("QI;"));
    EXPECT_EQ(send(req::ROTATOR_READ), one("RO;")) << "the rotator read is a query";
    expectOneWakePerCommand();
}

TEST_F(CatalogueTest, DownAndUpCarryTwoZeroBytes) {
    EXPECT_EQ(send(req::DN), one(std::string("DN\0\0;", 5)));
    EXPECT_EQ(send(req::UP, -3, true), one(std::string("UP\0\0;", 5)));
}

TEST_F(CatalogueTest, TogglesSendTheOppositeAndNothingForOtherValues) {
    store->records.ds.set(0);
    EXPECT_EQ(send(req::DS_TOGGLE), one("DS1;"));
    store->records.ds.set(1);
    EXPECT_EQ(send(req::DS_TOGGLE), one("DS0;"));
    store->records.bc[kMain].set(1);
    EXPECT_EQ(send(req::BC_TOGGLE), one("BC00;"));
    store->records.nr[kMain].set(0);
    EXPECT_EQ(send(req::NR_TOGGLE, 0, true), one("NR01;")) << "NR toggles MAIN whatever the target";
    // A stored value neither 0 nor 1 (2 here, as no answer can store it) sends nothing.
    store->records.cs.value = 2;
    EXPECT_EQ(send(req::CS_TOGGLE), none());
}

TEST_F(CatalogueTest, TheNaToggleUsesTheTargetsOwnValue) {
    store->records.na[kMain].set(1);
    store->records.na[kSub].set(0);
    EXPECT_EQ(send(req::NA_TOGGLE, 0, false), one("NA00;"));
    EXPECT_EQ(send(req::NA_TOGGLE, 0, true), one("NA11;"));
}

TEST_F(CatalogueTest, VariantsWithOneOnValueSendOffForAnyOther) {
    store->records.mlFlag.set(0);
    EXPECT_EQ(send(req::ML_SWITCH), one("ML0001;"));
    store->records.mlFlag.set(1);
    EXPECT_EQ(send(req::ML_SWITCH), one("ML0000;"));
    store->records.bpOn[kMain].set(0);
    EXPECT_EQ(send(req::BP_SWITCH), one("BP00001;"));
    store->records.bpOn[kMain].value = 5;
    EXPECT_EQ(send(req::BP_SWITCH), one("BP00000;"));
    store->records.ca.set(1);
    EXPECT_EQ(send(req::CA_SWITCH), one("CA0000;"));
}

TEST_F(CatalogueTest, MappedVariantsSendNothingOutsideTheirMapping) {
    const char* fr1[] = {"FR1;", "FR0;", "FR3;", "FR2;"};
    const char* fr2[] = {"FR2;", "FR3;", "FR0;", "FR1;"};
    for (int s = 0; s < 4; ++s) {
        store->records.fr.set(s);
        EXPECT_EQ(send(req::FR_SWITCH), one(fr1[s])) << s;
        EXPECT_EQ(send(req::FR_SWITCH_2), one(fr2[s])) << s;
    }
    store->records.fr.value = 4;
    EXPECT_EQ(send(req::FR_SWITCH), none());
    EXPECT_EQ(send(req::FR_SWITCH_2), none());
    EXPECT_EQ(send(req::MK_SWITCH), one("MK3;")) << "the MK value starts at 0";
    store->records.mk.set(1);
    EXPECT_EQ(send(req::MK_SWITCH), one("MK4;"));
    store->records.mk.set(2);
    EXPECT_EQ(send(req::MK_SWITCH), one("MK3;"));
    store->records.mk.set(3);
    EXPECT_EQ(send(req::MK_SWITCH), none());
}

TEST_F(CatalogueTest, SfSevenTurnsTheRtAndXtKeysIntoFsAndLk) {
    store->records.sf.set(7);
    store->records.fs[1].set(1);
    store->records.lk[1].set(0);
    EXPECT_EQ(send(req::FS_OR_RT), one("FS2;"));
    EXPECT_EQ(send(req::LK_OR_XT), one("LK3;"));
    store->records.sf.set(8);
    store->records.rt.set(0);
    store->records.xt.set(1);
    EXPECT_EQ(send(req::FS_OR_RT), one("RT1;"));
    EXPECT_EQ(send(req::LK_OR_XT), one("XT0;"));
}

TEST_F(CatalogueTest, ValueFieldsAreZeroFilledAndZeroWhenTooWide) {
    EXPECT_EQ(send(req::PL_VALUE, 50), one("PL050;"));
    EXPECT_EQ(send(req::PL_VALUE, 1000), one("PL000;"));
    EXPECT_EQ(send(req::AC_00_VALUE, 2), one("AC002;"));
    EXPECT_EQ(send(req::CO_01_VALUE_2, 7), one("CO0107;"));
    EXPECT_EQ(send(req::CO_01_VALUE, 7), one("CO0107;")) << "both messages share one handler";
    EXPECT_EQ(send(req::CO_12_VALUE, 100), one("CO1200;"));
    EXPECT_EQ(send(req::RL_1_VALUE, 15, true), one("RL115;"));
    EXPECT_EQ(send(req::BP_11_VALUE, 400), one("BP11400;"));
    EXPECT_EQ(send(req::KC_51_LAST, 12), one("KC5101;"));
}

TEST_F(CatalogueTest, DelayGoesToVdThenAfterAPauseToSd) {
    requestFor(req::VD_THEN_SD, false, 300);
    EXPECT_EQ(log(), (Strings{"VD0300;", "~20", "SD0300;"}));
}

TEST_F(CatalogueTest, IfShiftValueCarriesItsSign) {
    EXPECT_EQ(send(req::IF_SHIFT_VALUE, 120), one("IS0+0120;"));
    EXPECT_EQ(send(req::IF_SHIFT_VALUE, 0), one("IS0+0000;"));
    EXPECT_EQ(send(req::IF_SHIFT_VALUE, -1000), one("IS0-1000;"));
    EXPECT_EQ(send(req::IF_SHIFT_VALUE, -10000), one("IS0-0000;"));
}

TEST_F(CatalogueTest, FrequenciesOutsideTheRangeSendNothing) {
    EXPECT_EQ(send(req::FREQUENCY_A, 2999), none());
    EXPECT_EQ(send(req::FREQUENCY_A, 3000), one("FA00003000;"));
    EXPECT_EQ(send(req::FREQUENCY_A, 60000000), one("FA60000000;"));
    EXPECT_EQ(send(req::FREQUENCY_A, 60000001), none());
    EXPECT_EQ(send(req::FREQUENCY_A, -14000000), none());
    EXPECT_EQ(send(req::FREQUENCY_B, 14195000, true), one("FB14195000;"));
}

TEST_F(CatalogueTest, TargetedChoicesMapTheValueOrSendNothing) {
    EXPECT_EQ(send(req::GT_CHOICE, 1, true), one("GT14;"));
    EXPECT_EQ(send(req::GT_CHOICE, 4), one("GT03;"));
    EXPECT_EQ(send(req::GT_CHOICE, 5), none());
    EXPECT_EQ(send(req::GT_CHOICE, -1), none());
    EXPECT_EQ(send(req::PA_CHOICE, 2), one("PA00;"));
    EXPECT_EQ(send(req::PA_CHOICE, 0, true), one("PA11;"));
    EXPECT_EQ(send(req::AN_CHOICE_2, 3), one("AN04;"));
    EXPECT_EQ(send(req::AN_CHOICE, 4), none());
    EXPECT_EQ(send(req::RF_CHOICE, 5), one("RF05;"));
    EXPECT_EQ(send(req::RF_CHOICE, 6), none());
}

TEST_F(CatalogueTest, FixedTargetedChoicesIgnoreTheValue) {
    EXPECT_EQ(send(req::AN_5, 5), one("AN05;"));
    EXPECT_EQ(send(req::AN_5, -7, true), one("AN15;"));
    EXPECT_EQ(send(req::CT_2, 9, true), one("CT12;"));
    EXPECT_EQ(send(req::OS_2), one("OS02;"));
}

TEST_F(CatalogueTest, DirectTargetedValues) {
    EXPECT_EQ(send(req::NB_CHOICE, 2, true), one("NB12;"));
    EXPECT_EQ(send(req::CN_CHOICE, 49), one("CN049;"));
    EXPECT_EQ(send(req::CN_CHOICE, 100), one("CN000;"));
    EXPECT_EQ(send(req::VF_CHOICE, 3, true), one("VF1300;"));
    EXPECT_EQ(send(req::VF_SIGNED_VALUE, -4, true), one("VF11-4;"));
    EXPECT_EQ(send(req::VF_SIGNED_VALUE, 0), one("VF01+0;"));
    EXPECT_EQ(send(req::VF_SIGNED_VALUE, 12), one("VF01+0;"));
}

TEST_F(CatalogueTest, StatusQueryAndFtOptionFollowTheirOwnRules) {
    EXPECT_EQ(send(req::RECEIVER_STATUS, 0, false), one("IF;"));
    EXPECT_EQ(send(req::RECEIVER_STATUS, 0, true), one("OI;"));
    EXPECT_EQ(send(req::FT_OR_QS, 0), one("FT0;"));
    EXPECT_EQ(send(req::FT_OR_QS, 2), one("QS;"));
    EXPECT_EQ(send(req::FT_OR_QS, 1), none());
}

TEST_F(CatalogueTest, IfShiftStepsRoundAwayFromTheStoredValue) {
    store->records.is[kMain].set(0);
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, 1), one("IS0+0020;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, 20), one("IS0+0020;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, 21), one("IS0+0040;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, 0), one("IS0+0000;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, -20), one("IS0-0020;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, -21), one("IS0-0040;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, -100), one("IS0-0020;"));
    store->records.is[kSub].set(-1000);
    EXPECT_EQ(send(req::IF_SHIFT_STEP_SUB, 40), one("IS1-0960;"));
    store->records.is[kMain].set(1000);
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, 200000), one("IS0+0000;"))
        << "10000 and more: four zeros";
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, std::numeric_limits<intptr_t>::max()),
              one("IS0+0000;"));
    EXPECT_EQ(send(req::IF_SHIFT_STEP_MAIN, std::numeric_limits<intptr_t>::min()),
              one("IS0+0960;"));
}

TEST_F(CatalogueTest, VfStepsCarryTheStoredSelector) {
    store->records.vf[kMain].flag.set(1);
    store->records.vf[kSub].flag.set(0);
    EXPECT_EQ(send(req::VF_STEP_MAIN, 3), one("VF01+3;"));
    EXPECT_EQ(send(req::VF_STEP_MAIN_2, -2), one("VF01-2;"));
    EXPECT_EQ(send(req::VF_STEP_SUB, -1), one("VF10-1;"));
    EXPECT_EQ(send(req::VF_STEP_SUB_2, 0, false), one("VF10+0;"))
        << "the message names the receiver";
}

TEST_F(CatalogueTest, DialStepsUpDownAndNothingAtZeroOrBeyondTwoDigits) {
    EXPECT_EQ(send(req::DIAL_STEP_0, -1), one("ED001;"));
    EXPECT_EQ(send(req::DIAL_STEP_0, 99), one("EU099;"));
    EXPECT_EQ(send(req::DIAL_STEP_0, 100), none());
    EXPECT_EQ(send(req::DIAL_STEP_0, -100), none());
    EXPECT_EQ(send(req::DIAL_STEP_0, 0), none());
    EXPECT_EQ(send(req::DIAL_STEP_1_2, 5), one("EU105;"));
    EXPECT_EQ(send(req::DIAL_STEP_1, -12), one("ED112;"));
    EXPECT_EQ(send(req::DIAL_STEP_3, 3), one("EU303;"));
    EXPECT_EQ(send(req::DIAL_STEP_2, std::numeric_limits<intptr_t>::min()), none());
}

TEST_F(CatalogueTest, PressAndLongPress) {
    EXPECT_EQ(send(req::SF_03_PRESS, 1), one("SF03;"));
    EXPECT_EQ(send(req::SF_03_PRESS, 0), one("SF00;"));
    EXPECT_EQ(send(req::SF_02_PRESS, 1), one("SF02;"));
    EXPECT_EQ(send(req::SF_02_PRESS, 0), one("SF08;"));
    EXPECT_EQ(send(req::RO_1_PRESS, -5), one("RO1;"));
    EXPECT_EQ(send(req::RO_2_PRESS, 0), one("RO0;"));
    EXPECT_EQ(send(req::RO_3_PRESS, 1), one("RO3;"));
    EXPECT_EQ(send(req::RO_4_PRESS, 0), none());
}

TEST_F(CatalogueTest, TheActionWithoutAHandlerSendsNothing) {
    EXPECT_FALSE(request(req::IGNORED));
    EXPECT_FALSE(request(req::FIRST - 1));
    EXPECT_FALSE(request(0xFFFFFFFF));
    EXPECT_TRUE(sent().empty());
}

}  // namespace
}  // namespace velmora
