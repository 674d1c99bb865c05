#include "panel/display/Meters.h"

#include "link/MessageIds.h"
#include "panel/display/AnalogMeter.h"
#include "panel/display/KnobPointers.h"

namespace velmora {

Meters::Meters(const DisplayContext& ctx, WindowHost& timers, std::function<bool()> portOpen)
    : ctx_(ctx),
      portOpen_(std::move(portOpen)),
      bar_(ctx, timers,
           [this] { return portOpen_ && portOpen_() && ctx_.store.records.ps.get() == 1; }),
      filters_{{ctx, 0, [this] { return portOpen_ && portOpen_(); }},
               {ctx, 1, [this] { return portOpen_ && portOpen_(); }}} {}

bool Meters::onNotification(uint32_t id) {
    switch (id) {
        case notify::RM:
        case notify::ID:
            DrawAnalogMeter(ctx_.canvas, ctx_.store.records.rm.get());
            return true;
        case notify::SM:
            bar_.onLevel();
            return true;
        case notify::AI:
        case notify::PS:
            bar_.onLinkState();
            return true;
        case notify::BG:
        case notify::IF:
            // The clarifier offset comes with IF; BG redraws the bar as the radio's display does.
            offsetBar_.draw(ctx_);
            return true;
        default:
            break;
    }
    const PointerKnobs knobs = pointerKnobsOf(id);
    if (!knobs.first) return false;
    DrawPointerKnob(ctx_.canvas, ctx_.store, *knobs.first);
    if (knobs.second) DrawPointerKnob(ctx_.canvas, ctx_.store, *knobs.second);
    return true;
}

bool Meters::onTimer(int id) {
    switch (id) {
        case timer::PEAK_HOLD:
            bar_.onHoldTimer();
            return true;
        case timer::FILTER_A:
        case timer::FILTER_B:
            filter(id == timer::FILTER_A ? 0 : 1).refresh();
            return true;
        default:
            return false;
    }
}

void Meters::forgetDrawn() {
    offsetBar_.forget();
}

void Meters::repaint() {
    bar_.redraw();
    for (FilterDisplay& f : filters_) f.refresh(true);
}

}  // namespace velmora
