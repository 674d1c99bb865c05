// The radio's protocol behaviour: framing, refusals, identification, power, auto-information.
#include <gtest/gtest.h>

#include <string>

#include "SimTestHarness.h"
#include "support/TestSupport.h"

namespace velmora::sim {
namespace {

using test::RadioHarness;

TEST(RadioFraming, CommandsSplitAcrossWritesAndBatchedInOneWrite) {
    RadioHarness h;
    EXPECT_EQ(h.send("F"), "");
    EXPECT_EQ(h.send("A"), "");
    EXPECT_EQ(h.send(";"), "FA14195000;");
    EXPECT_EQ(h.send("ID;PS;AI;"), "ID0362;PS1;AI0;");
}

TEST(RadioFraming, MalformedUnknownAndOutOfRangeCommandsAreRefused) {
    RadioHarness h;
    for (const std::string& c : velmora::test::words(
             "XX; fa; F; ; FA1; FA0001419500; FAx0014195; MD0E; BC2; BC21; "
             "IF00114195000+000000200080; ID2000; UL1; SM0100; EX; EXABC; KC600; PE100; RM8; RI9;"))
        EXPECT_EQ(h.send(c), "?;") << c;
    EXPECT_EQ(h.send("FA;"), "FA14195000;");  // nothing changed
    // Junk without ";" is forgotten once it grows too long; the next command is heard again.
    EXPECT_EQ(h.send(std::string(5000, 'x')), "");
    EXPECT_EQ(h.send("x;ID;"), "?;ID0362;");
}

TEST(RadioPower, SwitchedOffItAnswersOnlyPowerQueries) {
    RadioHarness h;
    EXPECT_EQ(h.send("AI1;"), "AI1;");
    EXPECT_EQ(h.send("PS0;"), "");
    EXPECT_FALSE(h.radio->powerOn());
    EXPECT_EQ(h.send("FA;ID;EX001;XX;AI1;FA07000000;"), "");
    EXPECT_EQ(h.send("PS;"), "PS0;");
    EXPECT_EQ(h.send("PS1;"), "");
    EXPECT_EQ(h.advance(500), "");
    EXPECT_EQ(h.send("PS;FA;"), "PS0;");  // still starting up
    EXPECT_EQ(h.advance(500), "");        // on again, auto-information forgotten: no report
    EXPECT_TRUE(h.radio->powerOn());
    EXPECT_EQ(h.send("PS;AI;FA;"), "PS1;AI0;FA14195000;");
}

TEST(RadioPower, FrontPanelSwitchTakesTheSameDelay) {
    RadioHarness h;
    h.radio->setPower(false);
    EXPECT_EQ(h.send("ID;"), "");
    h.radio->frontPanel([](RadioModel& m) { m.setFrequency(kMain, 7000000); });  // dead panel
    h.radio->setPower(true);
    EXPECT_FALSE(h.radio->powerOn());
    h.advance(1000);
    EXPECT_TRUE(h.radio->powerOn());
    EXPECT_EQ(h.send("FA;"), "FA14195000;");
}

TEST(AutoInformation, ReportsChangesWhileOnAndNotAfterAi0) {
    RadioHarness h;
    EXPECT_EQ(h.send("FA07074000;"), "");  // off: no report
    EXPECT_EQ(h.send("AI1;"), "AI1;");     // switching on is itself a reported change
    const std::string report = h.send("FA07075000;");
    EXPECT_NE(report.find("FA07075000;"), std::string::npos);
    EXPECT_NE(report.find("IF00107075000"), std::string::npos);
    EXPECT_EQ(h.send("MD13;"), "OI00107074000+000000300080;MD13;");
    EXPECT_EQ(h.send("EX0321;"), "EX0321;");
    EXPECT_EQ(h.send("FA07075000;"), "");  // no change, no report
    EXPECT_EQ(h.send("FA;"), "FA07075000;");
    EXPECT_EQ(h.send("AI0;"), "");
    EXPECT_EQ(h.send("FA07076000;MD02;"), "");
}

TEST(AutoInformation, FrontPanelAndMeterChangesAreReported) {
    RadioHarness h;
    h.send("AI1;");
    h.radio->frontPanel([](RadioModel& m) { m.set("TX", 0, 1); });
    EXPECT_EQ(h.output(), "TX1;RI00;RI61;");  // no longer receiving, sending on A
    h.radio->frontPanel([](RadioModel& m) { m.rotator.turning = 1; });
    EXPECT_EQ(h.advance(100), "RO0005050;");
    h.send("AI0;");
    h.radio->frontPanel([](RadioModel& m) { m.set("SM", kMain, 10); });
    EXPECT_EQ(h.output(), "");
}

TEST(AutoInformation, MeterDriftIsOffByDefaultAndRepeatableWhenOn) {
    RadioHarness still;
    still.send("AI1;");
    EXPECT_EQ(still.advance(5000), "");
    SimOptions drifting;
    drifting.meterDriftPerSecond = 10;
    RadioHarness a(drifting), b(drifting);
    a.send("AI1;");
    b.send("AI1;");
    const std::string first = a.advance(1000);
    EXPECT_NE(first.find("SM0"), std::string::npos);
    EXPECT_EQ(first, b.advance(1000));  // same seed, same readings
}

}  // namespace
}  // namespace velmora::sim
