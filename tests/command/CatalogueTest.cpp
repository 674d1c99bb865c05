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

// Requests whose command depends on the request alone: fixed commands ignore target and value;
// value fields are zero-filled and sent as zeros when too wide; targeted choices map the value or
// send nothing; frequencies and dial steps outside their range send nothing; presses and long
// presses differ. An empty command: nothing is sent.
TEST_F(CatalogueTest, EachRequestSendsItsCommandOrNothing) {
    const struct {
        uint32_t id;
        intptr_t value;
        bool sub;
        std::string command;
    } rows[] = {
        {req::KY_1, 77, true, "KY1;"},
        {req::KY_A, -5, false, "KYA;"},
        {req::QI, 0, false, "QI;"},
        {req::ROTATOR_READ, 0, false, "RO;"},  // the rotator read is a query
        {req::DN, 0, false, std::string("DN\0\0;", 5)},
        {req::UP, -3, true, std::string("UP\0\0;", 5)},
        {req::PL_VALUE, 50, false, "PL050;"},
        {req::PL_VALUE, 1000, false, "PL000;"},
        {req::AC_00_VALUE, 2, false, "AC002;"},
        {req::CO_01_VALUE_2, 7, false, "CO0107;"},
        {req::CO_01_VALUE, 7, false, "CO0107;"},  // both messages share one handler
        {req::CO_12_VALUE, 100, false, "CO1200;"},
        {req::RL_1_VALUE, 15, true, "RL115;"},
        {req::BP_11_VALUE, 400, false, "BP11400;"},
        {req::KC_51_LAST, 12, false, "KC5101;"},
        {req::IF_SHIFT_VALUE, 120, false, "IS0+0120;"},
        {req::IF_SHIFT_VALUE, 0, false, "IS0+0000;"},
        {req::IF_SHIFT_VALUE, -1000, false, "IS0-1000;"},
        {req::IF_SHIFT_VALUE, -10000, false, "IS0-0000;"},
        {req::FREQUENCY_A, 2999, false, ""},
        {req::FREQUENCY_A, 3000, false, "FA00003000;"},
        {req::FREQUENCY_A, 60000000, false, "FA60000000;"},
        {req::FREQUENCY_A, 60000001, false, ""},
        {req::FREQUENCY_A, -14000000, false, ""},
        {req::FREQUENCY_B, 14195000, true, "FB14195000;"},
        {req::GT_CHOICE, 1, true, "GT14;"},
        {req::GT_CHOICE, 4, false, "GT03;"},
        {req::GT_CHOICE, 5, false, ""},
        {req::GT_CHOICE, -1, false, ""},
        {req::PA_CHOICE, 2, false, "PA00;"},
        {req::PA_CHOICE, 0, true, "PA11;"},
        {req::AN_CHOICE_2, 3, false, "AN04;"},
        {req::AN_CHOICE, 4, false, ""},
        {req::RF_CHOICE, 5, false, "RF05;"},
        {req::RF_CHOICE, 6, false, ""},
        {req::AN_5, 5, false, "AN05;"},
        {req::AN_5, -7, true, "AN15;"},
        {req::CT_2, 9, true, "CT12;"},
        {req::OS_2, 0, false, "OS02;"},
        {req::NB_CHOICE, 2, true, "NB12;"},
        {req::CN_CHOICE, 49, false, "CN049;"},
        {req::CN_CHOICE, 100, false, "CN000;"},
        {req::VF_CHOICE, 3, true, "VF1300;"},
        {req::VF_SIGNED_VALUE, -4, true, "VF11-4;"},
        {req::VF_SIGNED_VALUE, 0, false, "VF01+0;"},
        {req::VF_SIGNED_VALUE, 12, false, "VF01+0;"},
        {req::RECEIVER_STATUS, 0, false, "IF;"},
        {req::RECEIVER_STATUS, 0, true, "OI;"},
        {req::FT_OR_QS, 0, false, "FT0;"},
        {req::FT_OR_QS, 2, false, "QS;"},
        {req::FT_OR_QS, 1, false, ""},
        {req::DIAL_STEP_0, -1, false, "ED001;"},
        {req::DIAL_STEP_0, 99, false, "EU099;"},
        {req::DIAL_STEP_0, 100, false, ""},
        {req::DIAL_STEP_0, -100, false, ""},
        {req::DIAL_STEP_0, 0, false, ""},
        {req::DIAL_STEP_1_2, 5, false, "EU105;"},
        {req::DIAL_STEP_1, -12, false, "ED112;"},
        {req::DIAL_STEP_3, 3, false, "EU303;"},
        {req::DIAL_STEP_2, std::numeric_limits<intptr_t>::min(), false, ""},
        {req::SF_03_PRESS, 1, false, "SF03;"},
        {req::SF_03_PRESS, 0, false, "SF00;"},
        {req::SF_02_PRESS, 1, false, "SF02;"},
        {req::SF_02_PRESS, 0, false, "SF08;"},
        {req::RO_1_PRESS, -5, false, "RO1;"},
        {req::RO_2_PRESS, 0, false, "RO0;"},
        {req::RO_3_PRESS, 1, false, "RO3;"},
        {req::RO_4_PRESS, 0, false, ""},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(send(r.id, r.value, r.sub), r.command.empty() ? none() : one(r.command))
            << std::hex << r.id << std::dec << " value " << r.value << (r.sub ? " SUB" : "");
    }
    expectOneWakePerCommand();
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

TEST_F(CatalogueTest, DelayGoesToVdThenAfterAPauseToSd) {
    requestFor(req::VD_THEN_SD, false, 300);
    EXPECT_EQ(log(), (Strings{"VD0300;", "~20", "SD0300;"}));
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

TEST_F(CatalogueTest, TheActionWithoutAHandlerSendsNothing) {
    EXPECT_FALSE(request(req::IGNORED));
    EXPECT_FALSE(request(req::FIRST - 1));
    EXPECT_FALSE(request(0xFFFFFFFF));
    EXPECT_TRUE(sent().empty());
}

}  // namespace
}  // namespace velmora
