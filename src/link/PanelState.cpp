#include "link/PanelState.h"

namespace velmora {

namespace {

void resetPlain(std::initializer_list<PanelValue*> values) {
    for (PanelValue* v : values) v->reset(0);
}

}  // namespace

void InitPanelState(PanelState& p) {
    p.vfoA.reset(0, PanelState::kFrequencyMax, PanelState::kFrequencyMin);
    p.vfoB.reset(0, PanelState::kFrequencyMax, PanelState::kFrequencyMin);
    resetPlain({&p.subTarget, &p.modeClass, &p.rt, &p.xt, &p.ms, &p.fr, &p.kr, &p.ds, &p.mx, &p.vx,
                &p.bi, &p.pr, &p.cs, &p.ca, &p.mlFlag, &p.mlLevel});
    for (int side = 0; side < 2; ++side) {
        resetPlain({&p.md[side], &p.lk[side], &p.fs[side], &p.bpOn[side], &p.coOn[side]});
        p.bpLevel[side].reset(0, 400, 0);
        p.coFirst[side].reset(0, 40, 0);
        p.coSecond[side].reset(0, 50, 0);
        p.is[side].reset(0, 1000, -1000);
        p.sh[side].reset(0, 31, 0);
        p.rl[side].reset(0, 15, 1);
    }
    p.delayKnob.reset(0, 5000, 20);

    auto& u = p.unassigned;
    u.range0to3.reset(0, 3, 0);
    u.range0to2.reset(0, 2, 0);
    constexpr int32_t kSingles[7] = {5, 10, 22, 255, -60, 310, -310};
    for (int i = 0; i < 7; ++i) u.singles[i].reset(kSingles[i]);
    for (auto& w : u.blockA) w.store(0, std::memory_order_relaxed);
    for (auto& w : u.blockB) w.store(0, std::memory_order_relaxed);
}

}  // namespace velmora
