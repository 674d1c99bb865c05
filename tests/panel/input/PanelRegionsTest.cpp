#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "panel/input/CircleHit.h"
#include "panel/input/PanelRegions.h"

namespace velmora {
namespace {

struct PointCase {
    PanelPoint p;
    int region;
    int32_t code;  // the zone of that region; 0 for none
};

TEST(PanelRegions, EdgesAreInsideAndSharedEdgesGoToTheFirstRow) {
    const PointCase cases[] = {
        {{21, 90}, 1, 1},      // a zone's top-left corner
        {{38, 102}, 1, 1},     // and its bottom-right corner
        {{39, 102}, 1, 0},     // one pixel right of it
        {{424, 290}, 7, 42},   // the edge 42 and 43 share: 42 comes first
        {{425, 290}, 7, 43},   //
        {{379, 200}, 6, 0},    // the edge of regions 6 and 7: 6 comes first
        {{700, 161}, 8, 0},    // the edge of regions 8 and 11: 8 comes first
        {{952, 113}, 5, 218},  //
        {{953, 100}, 5, 0},    // between 218 and 219
        {{703, 97}, 3, 66},    // the keypad's "0"
        {{640, 70}, 2, 200},   // the 1 Hz digit's far corner
        {{1013, 50}, 0, 0},    // right of region 5
        {{500, 123}, 0, 0},    // between the upper and lower regions
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(regionAt(c.p), c.region);
        EXPECT_EQ(zoneAt(c.region, c.p), c.code);
    }
}

TEST(PanelRegions, EveryKeyIsFollowedInTheRegionThatHoldsIt) {
    for (int kind = 1; kind <= kRegionCount; ++kind) {
        if (kind == 2 || kind == 11) continue;  // digits are selected, not held
        for (const PanelZone& z : panelZones(kind)) {
            EXPECT_EQ(regionOfCode(z.code), kind) << "code " << z.code;
        }
    }
}

// The points the definition names: every whole radius from R down to 0 at every whole degree.
std::set<std::pair<int, int>> pointsByDefinition(int radius) {
    std::set<std::pair<int, int>> points;
    for (int rho = radius; rho >= 0; --rho) {
        for (int theta = 0; theta < 360; ++theta) {
            const double t = theta * 0.01745328888888889;
            points.insert({static_cast<int>(std::trunc(rho * std::sin(t))),
                           -static_cast<int>(std::trunc(rho * std::cos(t)))});
        }
    }
    return points;
}

TEST(CircleHit, MasksEqualTheDefinitionOnTheWholeSquareAroundEachKnob) {
    const PanelPoint centre{100, 200};
    for (const int radius : {15, 30, 33, 60}) {
        const auto defined = pointsByDefinition(radius);
        int hits = 0;
        for (int dy = -radius - 1; dy <= radius + 1; ++dy) {
            for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
                const bool expected = defined.count({dx, dy}) != 0;
                ASSERT_EQ(circleHit({centre.x + dx, centre.y + dy}, centre, radius), expected)
                    << "radius " << radius << " offset " << dx << "," << dy;
                hits += expected;
            }
        }
        EXPECT_GT(hits, 3 * radius * radius);  // a filled disc, not a ring
    }
}

}  // namespace
}  // namespace velmora
