#include "panel/display/RfltIndicator.h"

#include "panel/display/MultiPartIndicators.h"

namespace velmora {

namespace {

constexpr int kDspSelectionReset = 8;
constexpr int kBlinkFlashes = 5;

struct RfltCode {
    int part;
    bool blinks;
};

// A side parts: 300, 600, 3k, 6k, 15k. Codes 1-3, 7, 8 steady; 4-6, 9, 10 their blinking twins.
// B side parts: 3k, 6k, 15k; codes 1-3 steady, 4-6 blinking.
bool decode(int side, int32_t code, RfltCode& out) {
    constexpr RfltCode kA[] = {{-1, false}, {4, false}, {3, false}, {2, false},
                               {4, true},   {3, true},  {2, true},  {1, false},
                               {0, false},  {1, true},  {0, true}};
    constexpr RfltCode kB[] = {{-1, false}, {2, false}, {1, false}, {0, false},
                               {2, true},   {1, true},  {0, true}};
    const int32_t size = side == kSub ? 7 : 11;
    if (code < 1 || code >= size) return false;
    out = side == kSub ? kB[code] : kA[code];
    return true;
}

PanelElement elementOf(int side) {
    return side == kSub ? PanelElement::RfltB : PanelElement::RfltA;
}
int partsOf(int side) {
    return side == kSub ? 3 : 5;
}

}  // namespace

void RfltIndicator::drawValue(const DisplayContext& ctx, int side, int part) const {
    drawParts(ctx, elementOf(side), partsOf(side), part >= 0 ? 1u << part : 0u);
}

void RfltIndicator::draw(const DisplayContext& ctx, int side) {
    Side& s = sides_[index(side)];
    const int32_t mode = ctx.store.panel.md[index(side)].get();
    const int32_t band = ctx.store.records.band.get();
    const bool changed = mode != s.lastMode || band != s.lastBand;
    s.lastMode = mode;
    s.lastBand = band;

    RfltCode code{};
    if (!decode(side, ctx.store.records.rf[index(side)].get(), code)) return;
    if (code.blinks && !s.isStatic && !changed) {
        startBlink(ctx, side, code.part);
        return;
    }
    if (s.running) stop(side);
    drawValue(ctx, side, code.part);
}

void RfltIndicator::startBlink(const DisplayContext& ctx, int side, int part) {
    Side& s = sides_[index(side)];
    s.part = part;
    s.phase = true;
    s.litCount = 0;
    s.blinkMode = s.lastMode;
    s.blinkBand = s.lastBand;
    s.blinkKnobTurns = knobTurns_;
    drawValue(ctx, side, -1);
    if (!s.running) {
        s.running = true;
        timers_.setTimer(timerOf(side), kBlinkPeriodMs);
    }
}

void RfltIndicator::stop(int side) {
    sides_[index(side)].running = false;
    timers_.killTimer(timerOf(side));
}

bool RfltIndicator::shouldEndBlink(const DisplayContext& ctx, int side) const {
    const Side& s = sides_[index(side)];
    if (ctx.store.panel.md[index(side)].get() != s.blinkMode) return true;
    if (ctx.store.records.band.get() != s.blinkBand) return true;
    if (ctx.store.records.kcValue[index(side)][0].get() == kDspSelectionReset) return true;
    return knobTurns_ != s.blinkKnobTurns;
}

void RfltIndicator::onTimer(const DisplayContext& ctx, int timerId) {
    if (timerId != timer::RFLT_BLINK_A && timerId != timer::RFLT_BLINK_B) return;
    const int side = timerId == timer::RFLT_BLINK_B ? kSub : kMain;
    Side& s = sides_[index(side)];
    if (s.isStatic) {
        stop(side);
        return;
    }
    if (shouldEndBlink(ctx, side)) {
        // Whatever ended the blink, the value is left lit.
        stop(side);
        drawValue(ctx, side, s.part);
        return;
    }
    if (s.phase) {
        s.phase = false;
        drawValue(ctx, side, s.part);
        // The sixth flash stays lit.
        if (++s.litCount > kBlinkFlashes) stop(side);
    } else {
        drawValue(ctx, side, -1);
        s.phase = true;
    }
}

}  // namespace velmora
