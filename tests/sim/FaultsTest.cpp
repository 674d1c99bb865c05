// The faults the radio shows on demand, and the line shaping of split answers and noise.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "SimTestHarness.h"
#include "sim/LineShaper.h"

namespace velmora::sim {
namespace {

using test::RadioHarness;

SimOptions withFaults(const FaultPlan& plan) {
    SimOptions o;
    o.faults = plan;
    return o;
}

TEST(RadioFaults, SilenceAfterNCommandsForGood) {
    FaultPlan plan;
    plan.silenceAfterCommands = 2;
    RadioHarness h(withFaults(plan));
    EXPECT_EQ(h.send("FA;ID;"), "FA14195000;ID0362;");
    EXPECT_EQ(h.send("FA;"), "");
    EXPECT_EQ(h.send("FA07000000;"), "");  // still obeyed
    EXPECT_EQ(h.advance(60000), "");
    EXPECT_EQ(h.send("FA;"), "");
    EXPECT_EQ(h.radio->snapshot().frequency(kMain), 7000000);
}

TEST(RadioFaults, SilenceForATime) {
    FaultPlan plan;
    plan.silenceAfterCommands = 1;
    plan.silenceForMs = 500;
    RadioHarness h(withFaults(plan));
    EXPECT_EQ(h.send("ID;"), "ID0362;");
    EXPECT_EQ(h.send("ID;"), "");
    h.advance(499);
    EXPECT_EQ(h.send("ID;"), "");
    h.advance(1);
    EXPECT_EQ(h.send("ID;"), "ID0362;");
    h.radio->silenceFor(100);
    EXPECT_EQ(h.send("ID;"), "");
    h.radio->silenceFor(0);
    EXPECT_EQ(h.send("ID;"), "ID0362;");
}

TEST(RadioFaults, RefusesTheGivenFractionRepeatably) {
    FaultPlan all;
    all.refuseFraction = 1;
    RadioHarness h(withFaults(all));
    EXPECT_EQ(h.send("ID;FA07000000;"), "?;?;");
    EXPECT_EQ(h.radio->snapshot().frequency(kMain), 14195000);  // a refused set is not carried out

    FaultPlan half;
    half.refuseFraction = 0.5;
    half.seed = 7;
    RadioHarness a(withFaults(half)), b(withFaults(half));
    std::string outA, outB;
    for (int i = 0; i < 400; ++i) {
        outA += a.send("ID;");
        outB += b.send("ID;");
    }
    EXPECT_EQ(outA, outB);
    size_t refused = 0;
    for (size_t p = outA.find("?;"); p != std::string::npos; p = outA.find("?;", p + 1)) ++refused;
    EXPECT_GT(refused, 120u);
    EXPECT_LT(refused, 280u);
}

TEST(RadioFaults, RefusesEveryCommandOfOneCode) {
    FaultPlan km;
    km.refuseCode = "KM";
    RadioHarness h(withFaults(km));
    EXPECT_EQ(h.send("KM1TEST;ID;KM1;"), "?;ID0362;?;");
    EXPECT_EQ(h.radio->snapshot().keyerText[0], RadioModel().keyerText[0]);
}

TEST(LineShaping, AnswersSplitIntoPiecesWithGaps) {
    FaultPlan plan;
    plan.splitPieces = 3;
    plan.splitGapMs = 5;
    LineShaper shaper(1);
    shaper.setPlan(plan);
    std::deque<LineChunk> out;
    shaper.addAnswer("FA14195000;", 1000, out);
    shaper.addAnswer("ID;", 2000, out);  // shorter than... still three pieces
    ASSERT_EQ(out.size(), 6u);
    std::string joined;
    for (const LineChunk& c : out) {
        EXPECT_FALSE(c.bytes.empty());
        joined += c.bytes;
    }
    EXPECT_EQ(joined, "FA14195000;ID;");
    EXPECT_EQ(out[0].notBeforeMicros, 1000);
    EXPECT_EQ(out[1].notBeforeMicros, 6000);
    EXPECT_EQ(out[2].notBeforeMicros, 11000);
    plan.splitPieces = 1;
    shaper.setPlan(plan);
    out.clear();
    shaper.addAnswer("FA14195000;", 0, out);
    EXPECT_EQ(out.size(), 1u);
}

TEST(LineShaping, NoiseArrivesAtItsRate) {
    FaultPlan plan;
    LineShaper shaper(3);
    shaper.setPlan(plan);
    EXPECT_EQ(shaper.noiseDue(0), "");
    EXPECT_EQ(shaper.noiseDue(10000000), "");
    plan.noiseBytesPerSecond = 100;
    shaper.setPlan(plan);
    EXPECT_EQ(shaper.noiseDue(0), "");
    EXPECT_EQ(shaper.noiseDue(500000).size(), 50u);
    EXPECT_EQ(shaper.noiseDue(1000000).size(), 50u);
}

}  // namespace
}  // namespace velmora::sim
