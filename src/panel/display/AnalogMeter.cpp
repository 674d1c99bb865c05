#include "panel/display/AnalogMeter.h"

#include <algorithm>
#include <cmath>

#include "panel/display/PictureCatalogue.h"

namespace velmora {

namespace {

constexpr double kDegreesToRadians = 0.01745328888888889;
constexpr PanelRect kFaceAt{58, 34, 161, 66};
constexpr Rgb kNeedleColour{255, 0, 0};
constexpr int32_t kPivotX = 139, kFaceBottom = 99;
// Distances from the pivot: the face's bottom edge is 93 pixels above it, the needle's inner end
// sits at radius 95 and its outer end 65 further out.
constexpr int32_t kBottomDrop = 93, kInnerRadius = 95, kLength = 65;

int32_t trunc(double v) {
    return static_cast<int32_t>(std::trunc(v));
}

}  // namespace

int32_t needleAngle(int32_t reading) {
    return std::clamp(reading, 0, 255) / 5 - 25;
}

Needle needleFor(int32_t reading) {
    const double a = needleAngle(reading) * kDegreesToRadians;
    const double s = std::sin(a), c = std::cos(a);
    const PanelPoint from{kPivotX + trunc(kInnerRadius * s), kFaceBottom};
    return {from,
            {from.x + trunc(kLength * s),
             from.y + kBottomDrop + trunc(-kLength * c) + trunc(-kInnerRadius * c)}};
}

void DrawAnalogMeter(Canvas& canvas, int32_t reading) {
    canvas.drawPicture(picture::kMeterFace, {0, 0, kFaceAt.width, kFaceAt.height}, kFaceAt);
    const Needle n = needleFor(reading);
    canvas.drawLine(n.from, n.to, kNeedleColour, 1);
}

}  // namespace velmora
