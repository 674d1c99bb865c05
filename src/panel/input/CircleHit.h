#pragma once
// The knobs' hit test. A point hits a knob of centre c and radius R when some whole radius rho
// from R down to 0 and some whole degree theta from 0 to 359 give
//     x = trunc(rho * sin t) + c.x,   y = c.y - trunc(rho * cos t),   t = theta * pi / 180
// with pi taken as 3.141592. The points only depend on the offset from the centre, so each radius
// is worked out once into a mask of offsets and a click costs one lookup.
#include <cstdint>
#include <vector>

#include "panel/display/Canvas.h"

namespace velmora {

class CircleMask {
  public:
    explicit CircleMask(int radius);
    int radius() const { return radius_; }
    // Whether the offset (dx, dy) from the centre is one of the circle's points.
    bool holds(int32_t dx, int32_t dy) const;

  private:
    int radius_;
    std::vector<bool> hits_;  // (2R+1) x (2R+1), row by dy
};

// The hit test of a knob: the mask of its radius, built at the first use.
bool circleHit(PanelPoint p, PanelPoint centre, int radius);

}  // namespace velmora
