// The graph's arithmetic: the response, the fixed frequencies and the screen mapping.
#include <gtest/gtest.h>

#include <cmath>

#include "equalizer/EqualizerCurve.h"
#include "equalizer/PefFile.h"

namespace velmora::equalizer {
namespace {

TEST(EqualizerCurveTest, ResponseReachesTheLevelAtTheCentreAndFallsAway) {
    struct Row {
        double hz, level, q;
    };
    for (const Row r : {Row{300, -6, 2}, Row{800, 3, 1}, Row{3200, 10, 10}, Row{100, -20, 1}}) {
        const BandShape s{r.hz, r.level, r.q, false};
        EXPECT_NEAR(responseDb(s, r.hz), r.level, 1e-9) << r.hz;
        EXPECT_LT(std::abs(responseDb(s, r.hz * 3)), std::abs(r.level)) << r.hz;
    }
    // A larger width value draws the narrower curve.
    EXPECT_LT(responseDb({1000, 6, 10, false}, 1300), responseDb({1000, 6, 1, false}, 1300));
}

TEST(EqualizerCurveTest, OffAndOutOfRangeBandsAreFlat) {
    // Band 1 OFF; band 2 FREQ index 25 (beyond its table); band 3 BWTH 0.
    const EqualizerValues v{0, 6, 2, 25, 3, 1, 5, -3, 0};
    for (int band = 1; band <= kBandCount; ++band) {
        for (const double db : bandCurve(bandShape(band, v))) ASSERT_EQ(db, 0) << band;
    }
    for (const double db : combinedCurve(v)) ASSERT_EQ(db, 0);
}

TEST(EqualizerCurveTest, FrequenciesAreRoundedToThreeFigures) {
    const auto& hz = curveFrequencies();
    const std::pair<int, double> rows[] = {{0, 50.0},    {1, 51.2},    {2, 52.4},    {5, 56.1},
                                           {100, 500.0}, {198, 4770.}, {199, 4890.}, {200, 5000.}};
    for (const auto& [k, want] : rows) EXPECT_DOUBLE_EQ(hz[static_cast<size_t>(k)], want) << k;
}

TEST(EqualizerCurveTest, ScreenMappingPutsTheAxesWhereTheLabelsAre) {
    EXPECT_NEAR(xOfHz(50), 0, 1e-9);
    EXPECT_NEAR(xOfHz(5000), 900, 1e-9);
    EXPECT_NEAR(hzOfX(xOfHz(1234)), 1234, 1e-9);
    EXPECT_EQ(yOfDb(20), 16);
    EXPECT_EQ(yOfDb(-20), 336);
    EXPECT_EQ(dbOfY(176), 0);
}

}  // namespace
}  // namespace velmora::equalizer
