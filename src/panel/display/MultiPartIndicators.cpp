#include "panel/display/MultiPartIndicators.h"

namespace velmora {

namespace {
using E = PanelElement;
constexpr unsigned bit(int part) {
    return 1u << part;
}
}  // namespace

void drawParts(const DisplayContext& ctx, PanelElement e, int parts, unsigned litMask,
               bool litFirst) {
    for (int part = 0; part < parts; ++part) {
        const bool lit = (litMask & bit(part)) != 0;
        ctx.draw(e, lit == litFirst ? part : parts + part);
    }
}

void drawAttenuator(const DisplayContext& ctx, int side, int32_t value) {
    if (value < 0 || value > 3) return;
    drawParts(ctx, side == kSub ? E::AttB : E::AttA, 4, bit(value));
}

void drawAntenna(const DisplayContext& ctx, int side, int32_t antenna, int32_t rxAntenna) {
    if (antenna >= 0 && antenna <= 3) {
        drawParts(ctx, side == kSub ? E::AntB : E::AntA, 4, bit(antenna), true);
    }
    if (rxAntenna == 0 || rxAntenna == 1) {
        ctx.drawLit(side == kSub ? E::RxAntB : E::RxAntA, rxAntenna == 1);
    }
}

void drawPreamp(const DisplayContext& ctx, int side, int32_t value) {
    // Parts: AMP1, AMP2, THRU1 (, THRU2 on the A side). Value 0 is THRU1, 1 AMP1, 2 AMP2, 3 THRU2.
    constexpr int kPartOfValue[] = {2, 0, 1, 3};
    const int parts = side == kSub ? 3 : 4;
    if (value < 0 || value >= parts) return;
    drawParts(ctx, side == kSub ? E::PreampB : E::PreampA, parts, bit(kPartOfValue[value]));
}

void drawAgc(const DisplayContext& ctx, int side, int32_t value) {
    // Parts: AUTO, FAST, MID, SLOW. 4..6 light AUTO with FAST, MID or SLOW.
    constexpr unsigned kLit[] = {
        0, bit(1), bit(2), bit(3), bit(0) | bit(1), bit(0) | bit(2), bit(0) | bit(3)};
    if (value < 0 || value > 6) return;
    drawParts(ctx, side == kSub ? E::AgcB : E::AgcA, 4, kLit[value]);
}

}  // namespace velmora
