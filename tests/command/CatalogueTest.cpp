// The command catalogue on the wire: a sample of every family with the values at and beyond its
// edges, through the dispatcher into SendRing.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "command/CommandFixture.h"

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
    EXPECT_EQ(send(0x8640, 77, true), one("KY1;"));
    EXPECT_EQ(send(0x8649, -5), one("KYA;"));
    EXPECT_EQ(send(0x851C), one("QI;"));
    EXPECT_EQ(send(0x810D), one("RO;")) << "the rotator read is a query";
    expectOneWakePerCommand();
}

TEST_F(CatalogueTest, DownAndUpCarryTwoZeroBytes) {
    EXPECT_EQ(send(0x8597), one(std::string("DN\0\0;", 5)));
    EXPECT_EQ(send(0x8598, -3, true), one(std::string("UP\0\0;", 5)));
}

TEST_F(CatalogueTest, TogglesSendTheOppositeAndNothingForOtherValues) {
    store->records.ds.set(0);
    EXPECT_EQ(send(0x8503), one("DS1;"));
    store->records.ds.set(1);
    EXPECT_EQ(send(0x8503), one("DS0;"));
    store->records.bc[kMain].set(1);
    EXPECT_EQ(send(0x853B), one("BC00;"));
    store->records.nr[kMain].set(0);
    EXPECT_EQ(send(0x853D, 0, true), one("NR01;")) << "NR toggles MAIN whatever the target";
    // A stored value neither 0 nor 1 (2 here, as no answer can store it) sends nothing.
    store->records.cs.value = 2;
    EXPECT_EQ(send(0x8513), none());
}

TEST_F(CatalogueTest, TheNaToggleUsesTheTargetsOwnValue) {
    store->records.na[kMain].set(1);
    store->records.na[kSub].set(0);
    EXPECT_EQ(send(0x851E, 0, false), one("NA00;"));
    EXPECT_EQ(send(0x851E, 0, true), one("NA11;"));
}

TEST_F(CatalogueTest, VariantsWithOneOnValueSendOffForAnyOther) {
    store->records.mlFlag.set(0);
    EXPECT_EQ(send(0x850A), one("ML0001;"));
    store->records.mlFlag.set(1);
    EXPECT_EQ(send(0x850A), one("ML0000;"));
    store->records.bpOn[kMain].set(0);
    EXPECT_EQ(send(0x853A), one("BP00001;"));
    store->records.bpOn[kMain].value = 5;
    EXPECT_EQ(send(0x853A), one("BP00000;"));
    store->records.ca.set(1);
    EXPECT_EQ(send(0x8594), one("CA0000;"));
}

TEST_F(CatalogueTest, MappedVariantsSendNothingOutsideTheirMapping) {
    const char* fr1[] = {"FR1;", "FR0;", "FR3;", "FR2;"};
    const char* fr2[] = {"FR2;", "FR3;", "FR0;", "FR1;"};
    for (int s = 0; s < 4; ++s) {
        store->records.fr.set(s);
        EXPECT_EQ(send(0x8521), one(fr1[s])) << s;
        EXPECT_EQ(send(0x853E), one(fr2[s])) << s;
    }
    store->records.fr.value = 4;
    EXPECT_EQ(send(0x8521), none());
    EXPECT_EQ(send(0x853E), none());
    EXPECT_EQ(send(0x8519), one("MK3;")) << "the MK value starts at 0";
    store->records.mk.set(1);
    EXPECT_EQ(send(0x8519), one("MK4;"));
    store->records.mk.set(2);
    EXPECT_EQ(send(0x8519), one("MK3;"));
    store->records.mk.set(3);
    EXPECT_EQ(send(0x8519), none());
}

TEST_F(CatalogueTest, SfSevenTurnsTheRtAndXtKeysIntoFsAndLk) {
    store->records.sf.set(7);
    store->records.fs[1].set(1);
    store->records.lk[1].set(0);
    EXPECT_EQ(send(0x8536), one("FS2;"));
    EXPECT_EQ(send(0x8537), one("LK3;"));
    store->records.sf.set(8);
    store->records.rt.set(0);
    store->records.xt.set(1);
    EXPECT_EQ(send(0x8536), one("RT1;"));
    EXPECT_EQ(send(0x8537), one("XT0;"));
}

TEST_F(CatalogueTest, ValueFieldsAreZeroFilledAndZeroWhenTooWide) {
    EXPECT_EQ(send(0x8558, 50), one("PL050;"));
    EXPECT_EQ(send(0x8558, 1000), one("PL000;"));
    EXPECT_EQ(send(0x8506, 2), one("AC002;"));
    EXPECT_EQ(send(0x859B, 7), one("CO0107;"));
    EXPECT_EQ(send(0x8568, 7), one("CO0107;")) << "both messages share one handler";
    EXPECT_EQ(send(0x85A4, 100), one("CO1200;"));
    EXPECT_EQ(send(0x85A8, 15, true), one("RL115;"));
    EXPECT_EQ(send(0x85A7, 400), one("BP11400;"));
    EXPECT_EQ(send(0x85BA, 12), one("KC5101;"));
}

TEST_F(CatalogueTest, DelayGoesToVdThenAfterAPauseToSd) {
    requestFor(0x855F, false, 300);
    EXPECT_EQ(log(), (Strings{"VD0300;", "~20", "SD0300;"}));
}

TEST_F(CatalogueTest, IfShiftValueCarriesItsSign) {
    EXPECT_EQ(send(0x8566, 120), one("IS0+0120;"));
    EXPECT_EQ(send(0x8566, 0), one("IS0+0000;"));
    EXPECT_EQ(send(0x8566, -1000), one("IS0-1000;"));
    EXPECT_EQ(send(0x8566, -10000), one("IS0-0000;"));
}

TEST_F(CatalogueTest, FrequenciesOutsideTheRangeSendNothing) {
    EXPECT_EQ(send(0x8552, 2999), none());
    EXPECT_EQ(send(0x8552, 3000), one("FA00003000;"));
    EXPECT_EQ(send(0x8552, 60000000), one("FA60000000;"));
    EXPECT_EQ(send(0x8552, 60000001), none());
    EXPECT_EQ(send(0x8552, -14000000), none());
    EXPECT_EQ(send(0x8553, 14195000, true), one("FB14195000;"));
}

TEST_F(CatalogueTest, TargetedChoicesMapTheValueOrSendNothing) {
    EXPECT_EQ(send(0x8510, 1, true), one("GT14;"));
    EXPECT_EQ(send(0x8510, 4), one("GT03;"));
    EXPECT_EQ(send(0x8510, 5), none());
    EXPECT_EQ(send(0x8510, -1), none());
    EXPECT_EQ(send(0x850E, 2), one("PA00;"));
    EXPECT_EQ(send(0x850E, 0, true), one("PA11;"));
    EXPECT_EQ(send(0x8508, 3), one("AN04;"));
    EXPECT_EQ(send(0x8507, 4), none());
    EXPECT_EQ(send(0x850F, 5), one("RF05;"));
    EXPECT_EQ(send(0x850F, 6), none());
}

TEST_F(CatalogueTest, FixedTargetedChoicesIgnoreTheValue) {
    EXPECT_EQ(send(0x8509, 5), one("AN05;"));
    EXPECT_EQ(send(0x8509, -7, true), one("AN15;"));
    EXPECT_EQ(send(0x864B, 9, true), one("CT12;"));
    EXPECT_EQ(send(0x8650), one("OS02;"));
}

TEST_F(CatalogueTest, DirectTargetedValues) {
    EXPECT_EQ(send(0x8511, 2, true), one("NB12;"));
    EXPECT_EQ(send(0x864D, 49), one("CN049;"));
    EXPECT_EQ(send(0x864D, 100), one("CN000;"));
    EXPECT_EQ(send(0x8539, 3, true), one("VF1300;"));
    EXPECT_EQ(send(0x8555, -4, true), one("VF11-4;"));
    EXPECT_EQ(send(0x8555, 0), one("VF01+0;"));
    EXPECT_EQ(send(0x8555, 12), one("VF01+0;"));
}

TEST_F(CatalogueTest, StatusQueryAndFtOptionFollowTheirOwnRules) {
    EXPECT_EQ(send(0x8651, 0, false), one("IF;"));
    EXPECT_EQ(send(0x8651, 0, true), one("OI;"));
    EXPECT_EQ(send(0x851F, 0), one("FT0;"));
    EXPECT_EQ(send(0x851F, 2), one("QS;"));
    EXPECT_EQ(send(0x851F, 1), none());
}

TEST_F(CatalogueTest, IfShiftStepsRoundAwayFromTheStoredValue) {
    store->records.is[kMain].set(0);
    EXPECT_EQ(send(0x8599, 1), one("IS0+0020;"));
    EXPECT_EQ(send(0x8599, 20), one("IS0+0020;"));
    EXPECT_EQ(send(0x8599, 21), one("IS0+0040;"));
    EXPECT_EQ(send(0x8599, 0), one("IS0+0000;"));
    EXPECT_EQ(send(0x8599, -20), one("IS0-0020;"));
    EXPECT_EQ(send(0x8599, -21), one("IS0-0040;"));
    EXPECT_EQ(send(0x8599, -100), one("IS0-0020;"));
    store->records.is[kSub].set(-1000);
    EXPECT_EQ(send(0x85A1, 40), one("IS1-0960;"));
    store->records.is[kMain].set(1000);
    EXPECT_EQ(send(0x8599, 200000), one("IS0+0000;")) << "10000 and more: four zeros";
    EXPECT_EQ(send(0x8599, std::numeric_limits<intptr_t>::max()), one("IS0+0000;"));
    EXPECT_EQ(send(0x8599, std::numeric_limits<intptr_t>::min()), one("IS0+0960;"));
}

TEST_F(CatalogueTest, VfStepsCarryTheStoredSelector) {
    store->records.vf[kMain].flag.set(1);
    store->records.vf[kSub].flag.set(0);
    EXPECT_EQ(send(0x859D, 3), one("VF01+3;"));
    EXPECT_EQ(send(0x859E, -2), one("VF01-2;"));
    EXPECT_EQ(send(0x85A5, -1), one("VF10-1;"));
    EXPECT_EQ(send(0x85A6, 0, false), one("VF10+0;")) << "the message names the receiver";
}

TEST_F(CatalogueTest, DialStepsUpDownAndNothingAtZeroOrBeyondTwoDigits) {
    EXPECT_EQ(send(0x854E, -1), one("ED001;"));
    EXPECT_EQ(send(0x854E, 99), one("EU099;"));
    EXPECT_EQ(send(0x854E, 100), none());
    EXPECT_EQ(send(0x854E, -100), none());
    EXPECT_EQ(send(0x854E, 0), none());
    EXPECT_EQ(send(0x8554, 5), one("EU105;"));
    EXPECT_EQ(send(0x854F, -12), one("ED112;"));
    EXPECT_EQ(send(0x8551, 3), one("EU303;"));
    EXPECT_EQ(send(0x8550, std::numeric_limits<intptr_t>::min()), none());
}

TEST_F(CatalogueTest, PressAndLongPress) {
    EXPECT_EQ(send(0x85A9, 1), one("SF03;"));
    EXPECT_EQ(send(0x85A9, 0), one("SF00;"));
    EXPECT_EQ(send(0x85AA, 1), one("SF02;"));
    EXPECT_EQ(send(0x85AA, 0), one("SF08;"));
    EXPECT_EQ(send(0x863C, -5), one("RO1;"));
    EXPECT_EQ(send(0x863D, 0), one("RO0;"));
    EXPECT_EQ(send(0x863E, 1), one("RO3;"));
    EXPECT_EQ(send(0x863F, 0), none());
}

TEST_F(CatalogueTest, TheActionWithoutAHandlerSendsNothing) {
    EXPECT_FALSE(request(0x8543));
    EXPECT_FALSE(request(0x8000));
    EXPECT_FALSE(request(0xFFFFFFFF));
    EXPECT_TRUE(sent().empty());
}

}  // namespace
}  // namespace velmora
