#include "panel/input/CircleHit.h"

#include <cmath>
#include <map>
#include <mutex>

namespace velmora {

namespace {

constexpr double kRadiansPerDegree = 0.01745328888888889;  // pi as 3.141592, over 180

}  // namespace

CircleMask::CircleMask(int radius)
    : radius_(radius), hits_(static_cast<size_t>((2 * radius + 1) * (2 * radius + 1)), false) {
    const int side = 2 * radius + 1;
    for (int rho = radius; rho >= 0; --rho) {
        for (int theta = 0; theta < 360; ++theta) {
            const double t = theta * kRadiansPerDegree;
            const auto dx = static_cast<int32_t>(std::trunc(rho * std::sin(t)));
            const auto dy = -static_cast<int32_t>(std::trunc(rho * std::cos(t)));
            hits_[static_cast<size_t>((dy + radius) * side + dx + radius)] = true;
        }
    }
}

bool CircleMask::holds(int32_t dx, int32_t dy) const {
    if (dx < -radius_ || dx > radius_ || dy < -radius_ || dy > radius_) return false;
    return hits_[static_cast<size_t>((dy + radius_) * (2 * radius_ + 1) + dx + radius_)];
}

bool circleHit(PanelPoint p, PanelPoint centre, int radius) {
    // Masks are built on the GUI thread only, but the lock keeps a second caller safe anyway.
    static std::mutex mutex;
    static std::map<int, CircleMask> masks;
    std::lock_guard lock(mutex);
    auto it = masks.find(radius);
    if (it == masks.end()) it = masks.emplace(radius, CircleMask(radius)).first;
    return it->second.holds(p.x - centre.x, p.y - centre.y);
}

}  // namespace velmora
