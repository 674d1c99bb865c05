#include "panel/display/StatusWords.h"

#include "link/RadioInfo.h"

namespace velmora {

namespace {
using E = PanelElement;
constexpr int kUnlit = 0, kLampLit = 2;  // lamps with a key have their lit pictures at 2

bool on(const BoundedInt& r) {
    return r.get() == 1;
}
bool on(const PanelValue& v) {
    return v.get() == 1;
}

void pair(const DisplayContext& ctx, E a, E b, bool litA, bool litB) {
    ctx.drawLit(a, litA);
    ctx.drawLit(b, litB);
}
}  // namespace

void drawClarifierWords(const DisplayContext& ctx) {
    const auto& p = ctx.store.panel;
    ctx.drawLit(E::ClarRx, on(p.rt));
    ctx.drawLit(E::ClarTx, on(p.xt));
    ctx.drawLit(E::Clar, on(p.rt) || on(p.xt));
}

void drawTransmitSideLamps(const DisplayContext& ctx) {
    switch (ctx.store.records.ft.get()) {
        case 0:
            ctx.draw(E::DialTxLamp, kLampLit);
            ctx.draw(E::ClarTxLed, kUnlit);
            break;
        case 1:
            ctx.draw(E::DialTxLamp, kUnlit);
            ctx.draw(E::ClarTxLed, kLampLit);
            break;
        default:
            break;
    }
}

void drawReceiveLamps(const DisplayContext& ctx) {
    // Receive configuration: 0 VFO-A, 1 none, 2 both, 3 VFO-B.
    const int32_t fr = ctx.store.panel.fr.get();
    if (fr < 0 || fr > 3) return;
    ctx.draw(E::DialRxLamp, fr == 0 || fr == 2 ? kLampLit : kUnlit);
    ctx.draw(E::ClarRxLed, fr == 2 || fr == 3 ? kLampLit : kUnlit);
}

void drawLockWords(const DisplayContext& ctx) {
    const auto& lk = ctx.store.panel.lk;
    pair(ctx, E::LockA, E::LockB, on(lk[0]), on(lk[1]));
}

void drawFastWords(const DisplayContext& ctx) {
    const auto& fs = ctx.store.panel.fs;
    pair(ctx, E::FastA, E::FastB, on(fs[0]), on(fs[1]));
}

void drawNarrowWords(const DisplayContext& ctx) {
    const auto& na = ctx.store.records.na;
    pair(ctx, E::NarA, E::NarB, on(na[0]), on(na[1]));
}

void drawNoiseBlankerWords(const DisplayContext& ctx) {
    for (int side = 0; side < 2; ++side) {
        const int32_t nb = ctx.store.records.nb[static_cast<size_t>(side)].get();
        if (nb < 0 || nb > 2) continue;
        ctx.drawLit(side == kSub ? E::NbB : E::NbA, nb >= 1);
        ctx.drawLit(side == kSub ? E::WB : E::WA, nb == 2);
    }
}

void drawKeyerWord(const DisplayContext& ctx) {
    ctx.drawLit(E::Keyer, on(ctx.store.panel.kr));
}
void drawBreakInWord(const DisplayContext& ctx) {
    ctx.drawLit(E::BkIn, on(ctx.store.panel.bi));
}
void drawProcessorWord(const DisplayContext& ctx) {
    ctx.drawLit(E::Proc, on(ctx.store.panel.pr));
}
void drawMonitorWord(const DisplayContext& ctx) {
    ctx.drawLit(E::Moni, on(ctx.store.panel.mlFlag));
}

void drawTunerWord(const DisplayContext& ctx) {
    const int32_t ac = ctx.store.records.ac.get();
    if (ac >= 0 && ac <= 2) ctx.draw(E::Tuner, ac);
}

void drawPreselectorWords(const DisplayContext& ctx) {
    const auto& r = ctx.store.records;
    // The preselector is in when the receiver's VF flag is 1; THRU shows it bypassed. No answer
    // reports the fine-tune form: it is kept in the first display-owned flag.
    const bool preselA = on(r.vf[0].flag), preselB = on(r.vf[1].flag);
    ctx.drawLit(E::PreselA, preselA);
    ctx.drawLit(E::Ftune, on(r.auxFlag[0]));
    ctx.drawLit(E::ThruA, !preselA);
    ctx.drawLit(E::PreselB, preselB);
    ctx.drawLit(E::ThruB, !preselB);
}

void drawBusyWords(const DisplayContext& ctx) {
    const auto& by = ctx.store.records.by;
    pair(ctx, E::BusyA, E::BusyB, on(by[0]), on(by[1]));
}

void drawRadioInfoWords(const DisplayContext& ctx) {
    const auto& ri = ctx.store.records.ri;
    constexpr struct {
        RadioInfo info;
        E element;
    } kWords[] = {{kInfoHiSwr, E::HiSwr}, {kInfoMicEq, E::MicEq}, {kInfoClassA, E::ClassA},
                  {kInfoRec, E::Rec},     {kInfoPlay, E::Play},   {kInfoTxA, E::TxA},
                  {kInfoTxB, E::TxB}};
    for (const auto& w : kWords) ctx.drawLit(w.element, on(ri[static_cast<size_t>(w.info)]));
    drawReceiveLamps(ctx);
}

}  // namespace velmora
