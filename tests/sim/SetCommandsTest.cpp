// A set command of each family of the controller's catalogue changes the radio's state, which the
// matching query then reports.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "SimTestHarness.h"

namespace velmora::sim {
namespace {

using test::RadioHarness;

// Sends the set command (accepted silently) and returns the answer to the query.
std::string setThenQuery(RadioHarness& h, const std::string& set, const std::string& query) {
    EXPECT_EQ(h.send(set), "") << set;
    return h.send(query);
}

TEST(SetCommands, FixedCommandsOfFamilyA) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "SF03;", "SF;"), "SF03;");
    EXPECT_EQ(setThenQuery(h, "AB;", "FB;"), "FB14195000;");
    h.send("FB07074000;");
    EXPECT_EQ(setThenQuery(h, "SV;", "FA;"), "FA07074000;");
    EXPECT_EQ(h.send("FB;"), "FB14195000;");
    EXPECT_EQ(h.send("MK5;"), "");
    EXPECT_EQ(h.radio->snapshot().memoryKey, 5);
    EXPECT_EQ(h.send("FK7;"), "");
    EXPECT_EQ(h.radio->snapshot().lastFunctionKey, 7);
    EXPECT_EQ(h.send("KYA;"), "");
    EXPECT_EQ(h.radio->snapshot().lastKeyerPlay, 10);
    EXPECT_EQ(h.send("KYB;"), "?;");
    // Voice recording and playback show on the radio's indicator flags.
    EXPECT_EQ(setThenQuery(h, "LM03;", "RI1;"), "RI11;");
    EXPECT_EQ(setThenQuery(h, "LM00;", "RI1;"), "RI10;");
    EXPECT_EQ(setThenQuery(h, "PB11;", "RI2;"), "RI21;");
    // So do receiving and transmitting, on VFO-A or, split, on VFO-B.
    EXPECT_EQ(h.send("RI0;"), "RI01;");
    EXPECT_EQ(setThenQuery(h, "TX1;", "RI0;"), "RI00;");
    EXPECT_EQ(h.send("RI6;RI7;"), "RI61;RI70;");
    EXPECT_EQ(setThenQuery(h, "FT1;", "RI7;"), "RI71;");
    EXPECT_EQ(h.send("PB1;"), "PB11;");
}

TEST(SetCommands, BandSelectAndUpDownMoveVfoA) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "BS03;", "FA;"), "FA07000000;");  // the 7 MHz band's fixed frequency
    EXPECT_EQ(setThenQuery(h, "BS10;", "FA;"), "FA50000000;");
    h.send("FA50125000;");
    h.send("BS05;");
    EXPECT_EQ(setThenQuery(h, "BS10;", "FA;"), "FA50125000;");  // the band stack remembers
    EXPECT_EQ(h.send("BS12;"), "?;");
    // UP and DN carry two zero bytes in their field.
    EXPECT_EQ(setThenQuery(h, std::string("UP\0\0;", 5), "FA;"), "FA51125000;");
    EXPECT_EQ(setThenQuery(h, std::string("DN\0\0;", 5), "FA;"), "FA50125000;");
    EXPECT_EQ(h.send("UPx;"), "?;");
    EXPECT_EQ(setThenQuery(h, "BU0;", "FA;"), "FA01800000;");  // from 50 MHz up wraps to 1.8
}

// The mode keys set MAIN's mode; pressed again in their own mode they switch to their second one.
TEST(SetCommands, ModeKeysSetMainsModeAndAlternate) {
    RadioHarness h;
    // clang-format off
    const std::pair<const char*, const char*> presses[] = {
        {"MK0;", "MD01;"}, {"MK0;", "MD01;"}, {"MK2;", "MD03;"}, {"MK2;", "MD07;"},
        {"MK2;", "MD03;"}, {"MK3;", "MD05;"}, {"MK3;", "MD0D;"}, {"MK4;", "MD04;"},
        {"MK4;", "MD0B;"}, {"MK5;", "MD06;"}, {"MK5;", "MD09;"}, {"MK6;", "MD08;"},
        {"MK6;", "MD0C;"}, {"MK1;", "MD02;"},
    };
    // clang-format on
    for (const auto& [key, mode] : presses) EXPECT_EQ(setThenQuery(h, key, "MD0;"), mode) << key;
    EXPECT_EQ(h.send("MD1;"), "MD12;");
}

// A keyer memory plays for its time and shows on the play flag meanwhile; function keys pick the
// MAIN multi-function knob's function.
TEST(SetCommands, KeyerPlayAndFunctionKeysAreReported) {
    RadioHarness h;
    h.send("AI1;");
    EXPECT_EQ(h.send("KY3;"), "RI21;");
    EXPECT_EQ(h.send("KY4;"), "");  // already playing
    EXPECT_EQ(h.advance(1999), "");
    EXPECT_EQ(h.advance(1), "RI20;");
    EXPECT_EQ(h.send("FK4;"), "VF040001;");
}

TEST(SetCommands, TogglesOfFamilyB) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "BC01;", "BC0;"), "BC01;");
    EXPECT_EQ(h.send("BC1;"), "BC10;");  // the other receiver keeps its own value
    EXPECT_EQ(setThenQuery(h, "ML0001;", "ML0;"), "ML0001;");
    EXPECT_EQ(setThenQuery(h, "BP00001;", "BP00;"), "BP00001;");
    // LK and FS: 0/1 the first flag, 2/3 the second, reported as 4 + first + 2 x second.
    EXPECT_EQ(setThenQuery(h, "LK1;", "LK;"), "LK5;");
    EXPECT_EQ(setThenQuery(h, "LK3;", "LK;"), "LK7;");
    EXPECT_EQ(setThenQuery(h, "FS2;", "FS;"), "FS4;");
    EXPECT_EQ(h.send("FR4;"), "?;");
}

TEST(SetCommands, ValuesInFixedFieldsOfFamilyC) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "AC002;", "AC;"), "AC002;");
    EXPECT_EQ(setThenQuery(h, "CO0125;", "CO01;"), "CO0125;");
    EXPECT_EQ(setThenQuery(h, "NL1200;", "NL1;"), "NL1200;");
    EXPECT_EQ(setThenQuery(h, "BP11321;", "BP11;"), "BP11321;");
    EXPECT_EQ(setThenQuery(h, "KC5141;", "KC514;"), "KC51414;");
    EXPECT_EQ(h.send("KC513;"), "KC51304;");  // the bank's keys are exclusive
    EXPECT_EQ(setThenQuery(h, "IS0-0020;", "IS0;"), "IS0-0020;");
    EXPECT_EQ(h.send("FA00003000;"), "?;");  // below 30 kHz
    EXPECT_EQ(h.send("FA;"), "FA14195000;");
    EXPECT_EQ(setThenQuery(h, "FB60000000;", "FB;"), "FB60000000;");
    EXPECT_EQ(h.send("SD0000;"), "?;");  // the delay starts at 20
    EXPECT_EQ(h.send("RL000;"), "?;");
}

TEST(SetCommands, ReceiverTargetedChoicesOfFamilyD) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "RF05;", "RF0;"), "RF05;");
    EXPECT_EQ(setThenQuery(h, "AN13;", "AN1;"), "AN130;");
    EXPECT_EQ(setThenQuery(h, "AN15;", "AN1;"), "AN131;");
    EXPECT_EQ(setThenQuery(h, "CN012;", "CN0;"), "CN012;");
    EXPECT_EQ(h.send("IF;").substr(23, 2), "12");
    EXPECT_EQ(setThenQuery(h, "CT12;", "OI;")[22], '2');
    EXPECT_EQ(setThenQuery(h, "OS11;", "OI;")[25], '1');
    EXPECT_EQ(setThenQuery(h, "MD13;", "OI;")[20], '3');
    EXPECT_EQ(setThenQuery(h, "VF0300;", "VF0;"), "VF030001;");
    EXPECT_EQ(setThenQuery(h, "VF01+3;", "VF0;"), "VF010031;");
    EXPECT_EQ(h.send("AN06;"), "?;");
}

TEST(SetCommands, StepsOfFamiliesEAndF) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "IS1+0040;", "IS1;"), "IS1+0040;");
    EXPECT_EQ(h.send("IS1+1020;"), "?;");  // beyond the shift's range
    EXPECT_EQ(setThenQuery(h, "VF12+5;", "VF1;"), "VF120051;");
    EXPECT_EQ(setThenQuery(h, "VF12-2;", "VF1;"), "VF120031;");
    // What each dial step moves, and by how much: PanelToRadio.DialStepsMoveByTheRadiosStep.
    EXPECT_EQ(h.send("EU400;"), "?;");
    EXPECT_EQ(setThenQuery(h, "RD0100;", "IF;").substr(13, 5), "-0100");
    EXPECT_EQ(setThenQuery(h, "RC;", "IF;").substr(13, 5), "+0000");
}

TEST(SetCommands, RotatorAndMemoriesOfFamilyG) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "RO4;", "RO;"), "RO0000055;");
    EXPECT_EQ(setThenQuery(h, "RO3;", "RO;"), "RO0000050;");
    h.send("RO2;");
    h.advance(1000);  // ten steps of five degrees
    EXPECT_EQ(h.send("RO;"), "RO0050050;");
    h.send("RO0;");
    h.advance(1000);
    EXPECT_EQ(h.send("RO;"), "RO0050050;");
    EXPECT_EQ(h.send("RO5;"), "?;");
    EXPECT_EQ(setThenQuery(h, "KM3TEST;", "KM3;"), "KM3TEST" + std::string(46, ' ') + ";");
    EXPECT_EQ(h.send("KM6TEST;"), "?;");
    EXPECT_EQ(h.send("KM1abc;"), "?;");  // lower case is not a keyer character
    EXPECT_EQ(h.send("KM1" + std::string(51, 'A') + ";"), "?;");
    EXPECT_EQ(setThenQuery(h, "MC005;", "MC;"), "MC005;");
    h.send("AM;");
    h.send("FA07010000;");
    EXPECT_EQ(setThenQuery(h, "MA;", "FA;"), "FA14195000;");
    EXPECT_EQ(setThenQuery(h, "VM;", "IF;")[21], '1');
}

TEST(SetCommands, MenuWritesUseTheItemsWidthAndEncoding) {
    RadioHarness h;
    EXPECT_EQ(setThenQuery(h, "EX0321;", "EX032;"), "EX0321;");
    EXPECT_EQ(setThenQuery(h, "EX037-05;", "EX037;"), "EX037-05;");
    EXPECT_EQ(setThenQuery(h, "EX0011000;", "EX001;"), "EX0011000;");
    EXPECT_EQ(setThenQuery(h, "EX0511000;", "EX051;"), "EX0511000;");  // MCVR
    EXPECT_EQ(setThenQuery(h, "EX022255;", "EX022;"), "EX022255;");
    EXPECT_EQ(setThenQuery(h, "EX0171111111111111;", "EX017;"), "EX0171111111111111;");
    EXPECT_EQ(h.radio->snapshot().menu(17), 0x1FFF);
    EXPECT_EQ(h.send("EX15111111111111111;"), "");  // TRV50, the fourteenth position, is kept
    EXPECT_EQ(h.send("EX151;"), "EX15111111111111111;");
    EXPECT_EQ(h.send("EX0010301;"), "?;");  // not on the 20 ms grid
    EXPECT_EQ(h.send("EX0014020;"), "?;");  // above the limit
    EXPECT_EQ(h.send("EX03210;"), "?;");    // wrong width
    EXPECT_EQ(h.send("EX0324;"), "?;");     // no fifth choice
    EXPECT_EQ(h.send("EX037+21;"), "?;");
    EXPECT_EQ(h.send("EX0171111111111112;"), "?;");
    EXPECT_EQ(h.send("EX1781;"), "?;");
}

}  // namespace
}  // namespace velmora::sim
