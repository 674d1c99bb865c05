#pragma once
// Where the panel's keys lie: the top-level regions of the panel picture and, per region, the
// zones of its keys and digits. A rectangle holds its four edges; the first row in table order
// that holds a point wins, so a point on an edge two rows share belongs to the earlier row.
#include <cstdint>
#include <span>

#include "panel/display/Canvas.h"

namespace velmora {

struct PanelRegion {
    int32_t left, top, right, bottom;
    int32_t kind;  // 1..11
};

struct PanelZone {
    int32_t left, top, right, bottom;
    int32_t code;  // a panel code
};

inline constexpr int kRegionCount = 11;

template <class Row>
constexpr bool rowContains(const Row& r, PanelPoint p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

std::span<const PanelRegion> panelRegions();
// The zone table of one region kind; empty for a kind without zones.
std::span<const PanelZone> panelZones(int kind);

// The kind of the first region that holds p; 0 when none does.
int regionAt(PanelPoint p);
// The code of the first zone of region kind that holds p; 0 when none does.
int32_t zoneAt(int kind, PanelPoint p);
// The region kind whose zones hold a key code, for following a held key; 0 for other codes.
int regionOfCode(int32_t code);

}  // namespace velmora
