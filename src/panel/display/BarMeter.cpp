#include "panel/display/BarMeter.h"

#include <algorithm>

#include "link/MessageIds.h"

namespace velmora {

namespace {
constexpr int kOff = 0, kLit = 1, kLitUpper = 2, kStates = 3;
}  // namespace

BarMeter::BarMeter(const DisplayContext& ctx, WindowHost& timers, std::function<bool()> live)
    : ctx_(ctx), timers_(timers), live_(std::move(live)) {}

int BarMeter::litSegments(int32_t level) {
    // Segment k is lit when level > 7k.
    if (level <= 0) return 0;
    return std::min(kSegments, (level - 1) / kLevelStep + 1);
}

int BarMeter::peakSegment(int32_t peak) {
    // The same step as the bars, so the marker sits on the top segment the peak lit.
    return std::clamp(litSegments(peak) - 1, 0, kSegments - 1);
}

int32_t BarMeter::shownLevel() const {
    return live_ && live_() ? level_ : 0;
}

int BarMeter::holdMs() const {
    const auto setting = ctx_.store.menus.value(kHoldMenuItem);
    const int v = setting ? static_cast<int>(*setting) : 0;
    if (v == 0) return 0;
    return v == 1 ? 500 : v == 2 ? 1000 : 2000;
}

void BarMeter::drawSegment(int k, int state, bool all) {
    if (!all && shown_[static_cast<size_t>(k)] == state) return;
    shown_[static_cast<size_t>(k)] = state;
    ctx_.draw(PanelElement::BarMeter, k * kStates + state);
}

void BarMeter::drawSegments(int32_t level, bool all) {
    const int lit = litSegments(level);
    for (int k = 0; k < kSegments; ++k)
        drawSegment(k, k >= lit ? kOff : k < kUpperFrom ? kLit : kLitUpper, all);
}

void BarMeter::runHold(int32_t level, bool all) {
    if (level >= prevLevel_) {
        if (heldPeak_ <= level) endHold();
    } else if (holdMs() != 0 && level != 0 && heldPeak_ == 0) {
        timers_.setTimer(timer::PEAK_HOLD, holdMs());
        heldPeak_ = prevLevel_;
    }
    prevLevel_ = level;
    if (heldPeak_ == 0) return;
    const int k = peakSegment(heldPeak_);
    drawSegment(k, k < kUpperFrom ? kLit : kLitUpper, all);
}

void BarMeter::endHold() {
    timers_.killTimer(timer::PEAK_HOLD);
    heldPeak_ = 0;
}

void BarMeter::onLevel() {
    // The main receiver's readings come with the same notification; an unchanged sub level would
    // draw the same pixels and leave the hold as it is.
    const int32_t level = ctx_.store.records.sm[1].get();
    if (level == level_ && drawn_) return;
    level_ = level;
    update(!drawn_);
}

void BarMeter::redraw() {
    update(true);
}

void BarMeter::update(bool all) {
    drawn_ = true;
    const int32_t level = shownLevel();
    drawSegments(level, all);
    runHold(level, all);
}

void BarMeter::onLinkState() {
    if (!(live_ && live_())) {
        endHold();
        prevLevel_ = 0;
    }
    // The keep-alive's answers repeat the link state every second: redraw what changed only.
    update(!drawn_);
}

void BarMeter::onHoldTimer() {
    endHold();
    drawSegments(shownLevel(), false);
}

}  // namespace velmora
