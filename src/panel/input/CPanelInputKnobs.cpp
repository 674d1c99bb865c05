// The knobs, the six-position switch and the frequency digits of CPanelInput.
#include <algorithm>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "panel/input/CPanelInput.h"
#include "panel/input/CircleHit.h"
#include "panel/input/KnobTable.h"
#include "panel/input/PanelRegions.h"

namespace velmora {

namespace {

constexpr int kDragTrackMs = 30;
constexpr int kDialSendMs = 30, kKnobSendMs = 60;
constexpr int kFirstRepeatMs = 1000, kRepeatMs = 200;
constexpr int kWheelRestMs = 200;
constexpr int kWheelSendMs = 30;  // one command slot of the link
constexpr int32_t kSwitchLast = 5;

bool isDigit(int32_t code) {
    return code >= panel_code::MAIN_DIGIT_1 && code <= panel_code::SUB_DIGIT_8;
}
bool isMultiFunction(int32_t code) {
    return code >= panel_code::MAIN_KNOB_FIRST && code <= panel_code::SUB_KNOB_LAST;
}
uint32_t digitCursorNotice(uint8_t side) {
    return side == kSub ? notice::CURSOR_B : notice::CURSOR_A;
}

}  // namespace

CPanelInput::Hit CPanelInput::hitAt(PanelPoint p) const {
    const int region = regionAt(p);
    if (region == 0) return {};
    const int32_t zone = zoneAt(region, p);
    if (region == 2 || region == 11) {
        if (zone == 0 || anyWindowOpen()) return {};
        return {ControlKind::Digit, zone};
    }
    if (zone != 0) return {ControlKind::Key, zone};
    return knobAt(region, p);
}

CPanelInput::Hit CPanelInput::knobAt(int region, PanelPoint p) const {
    // No knob turns behind an open window.
    if (anyWindowOpen()) return {};
    const RadioRecords& r = store_.records;
    const auto multiFunction = [&](int side) {
        return multiFunctionCode(side, r.kcValue[side][0].get(), r.md[side].get(),
                                 r.coOn[side].get());
    };
    switch (region) {
        case 6:
            if (circleHit(p, kSwitchCentre, kSwitchRadius)) {
                return {ControlKind::Switch, panel_code::SWITCH};
            }
            for (const ValueKnobPair& pair : valueKnobPairs()) {
                if (circleHit(p, pair.centre, kValueKnobInnerRadius)) {
                    return {ControlKind::Knob, pair.inner};
                }
                if (circleHit(p, pair.centre, kValueKnobOuterRadius)) {
                    return {ControlKind::Knob, pair.outer};
                }
            }
            return {};
        case 7:
            if (!circleHit(p, kMainDialPlace.hitCentre, kMainDialPlace.radius)) return {};
            return {ControlKind::Dial, panel_code::MAIN_DIAL};
        case 8:
            if (!circleHit(p, kClarKnobPlace.hitCentre, kClarKnobPlace.radius)) return {};
            return {ControlKind::Dial, clarCode(r.sf.get())};
        case 9:
            if (!circleHit(p, kMainKnobPlace.hitCentre, kMainKnobPlace.radius)) return {};
            return {ControlKind::Knob, multiFunction(kMain)};
        case 10:
            if (!circleHit(p, kSubKnobPlace.hitCentre, kSubKnobPlace.radius)) return {};
            return {ControlKind::Knob, multiFunction(kSub)};
        default:
            return {};
    }
}

int32_t CPanelInput::KnobAngle(int32_t code) const {
    const KnobPlace* place = knobPlaceOf(code);
    return place ? angleAround(host_.cursorPosition(), place->angleCentre) : 0;
}

KnobTurn& CPanelInput::turnOf(int32_t code) {
    if (isMultiFunction(code))
        return knobs_[static_cast<size_t>(code - panel_code::MAIN_KNOB_FIRST)];
    if (code == panel_code::CLAR_DIAL) return dials_[1];
    if (code == panel_code::CLAR_DIAL_2) return dials_[2];
    return dials_[0];
}

void CPanelInput::endSelection() {
    if (dragging_) {
        endDrag();
    } else if (isValueKnob(activeCode_)) {
        deselectValueKnob();
    } else if (isDigit(activeCode_)) {
        deselectDigit();
    }
}

void CPanelInput::startDrag(int32_t code) {
    endSelection();
    activeCode_ = code;
    dragging_ = true;
    KnobTurn& knob = turnOf(code);
    const int32_t angle = KnobAngle(code);
    lastAngle_ = angle;
    knob.angle = angle;
    knob.accumulated = 0;
    const bool dial = code == panel_code::MAIN_DIAL || code == panel_code::CLAR_DIAL;
    window_.setTimer(timer::DRAG_SEND, dial ? kDialSendMs : kKnobSendMs);
    window_.setTimer(timer::PANEL_TRACK, kDragTrackMs);
    window_.send(knobImageNotice(code), static_cast<uintptr_t>(angle), 0);
}

void CPanelInput::dragTick() {
    if (!host_.buttonHeld(MouseButton::Left)) {
        endDrag();
        return;
    }
    KnobTurn& knob = turnOf(activeCode_);
    const int32_t angle = KnobAngle(activeCode_);
    knob.pending += isMultiFunction(activeCode_) ? DeltaStepsClamped(knob, lastAngle_, angle)
                                                 : DeltaSteps(knob, lastAngle_, angle);
    if (angle == knob.angle) return;
    knob.angle = angle;
    window_.send(knobImageNotice(activeCode_), static_cast<uintptr_t>(angle), 0);
}

void CPanelInput::endDrag() {
    const int32_t code = activeCode_;
    // Steps turned since the last send go out now rather than wait for the knob's next turn.
    IssuePanelCommand(code, subTarget_);
    if (code != panel_code::MAIN_DIAL) window_.send(knobImageNotice(code), kAtRest, 0);
    activeCode_ = 0;
    dragging_ = false;
    window_.killTimer(timer::DRAG_SEND);
    window_.killTimer(timer::PANEL_TRACK);
}

void CPanelInput::OnMouseWheel(uint32_t, int32_t delta, int32_t x, int32_t y) {
    if (delta == 0) return;
    const bool up = delta > 0;
    if (isDigit(activeCode_)) {
        tuneDigit(up);
        return;
    }
    if (isValueKnob(activeCode_)) {
        if (repeating_) return;
        knobValue_ = StepKnobValue(activeCode_, !up, false, true);
        IssuePanelCommand(activeCode_, subTarget_);
        return;
    }
    if (activeCode_ != 0) return;
    const Hit hit = hitAt({x, y});
    if (hit.kind == ControlKind::Switch) {
        stepSwitch(!up);
    } else if ((hit.kind == ControlKind::Dial || hit.kind == ControlKind::Knob) && hit.code != 0 &&
               !isValueKnob(hit.code)) {
        wheelKnob(hit.code, up);
    }
}

void CPanelInput::wheelKnob(int32_t code, bool up) {
    KnobTurn& knob = turnOf(code);
    knob.pending += wheelStep(knob, lastAngle_, up);
    window_.send(knobImageNotice(code), static_cast<uintptr_t>(knob.angle), 0);
    sendWheelSteps(code);
    if (code == panel_code::CLAR_DIAL || code == panel_code::CLAR_DIAL_2) {
        window_.setTimer(timer::CLAR_WHEEL_REST, kWheelRestMs);
    } else if (code >= panel_code::MAIN_KNOB_FIRST && code <= panel_code::MAIN_KNOB_LAST) {
        window_.setTimer(timer::MAIN_KNOB_REST, kWheelRestMs);
    } else if (code >= panel_code::SUB_KNOB_FIRST) {
        window_.setTimer(timer::SUB_KNOB_REST, kWheelRestMs);
    }
}

// A fast wheel gives notches quicker than the link takes commands: the first notch goes out at
// once, the ones that follow within one command slot go out together at its end, so no notch is
// lost and the line is not flooded with one-step commands.
void CPanelInput::sendWheelSteps(int32_t code) {
    if (wheelCode_ == code) return;  // the slot's end sends it
    if (wheelCode_ != 0) IssuePanelCommand(wheelCode_, subTarget_);
    IssuePanelCommand(code, subTarget_);
    wheelCode_ = code;
    window_.setTimer(timer::WHEEL_SEND, kWheelSendMs);
}

void CPanelInput::onWheelSend() {
    const int32_t* pending = pendingOf(wheelCode_);
    if (pending && *pending != 0) {
        IssuePanelCommand(wheelCode_, subTarget_);
        return;
    }
    window_.killTimer(timer::WHEEL_SEND);
    wheelCode_ = 0;
}

// The wheel-turned pictures go back to rest; a knob being dragged keeps its angle.
void CPanelInput::restKnobs(int32_t first, int32_t last) {
    for (int32_t code = first; code <= last; ++code) {
        if (dragging_ && code == activeCode_) continue;
        window_.send(knobImageNotice(code), kAtRest, 0);
    }
}

void CPanelInput::onClarWheelRest() {
    window_.killTimer(timer::CLAR_WHEEL_REST);
    restKnobs(panel_code::CLAR_DIAL, panel_code::CLAR_DIAL_2);
    window_.send(notice::CLAR_TURNED, kAtRest, 0);
}

int32_t CPanelInput::StepKnobValue(int32_t code, bool down, bool hold, bool wheel) {
    if (!repeating_ && hold) {
        window_.setTimer(timer::KNOB_REPEAT, kRepeatMs);
        repeating_ = true;
    }
    const ValueKnobRow* row = valueKnobRow(code);
    if (!row) return 0;
    const int32_t step = wheel ? row->wheel : hold ? row->repeat : row->click;
    const int32_t now = row->record(store_.records).get();
    return std::clamp(down ? now - step : now + step, row->min, row->max);
}

void CPanelInput::selectValueKnob(int32_t code) {
    if (dragging_ || isDigit(activeCode_)) endSelection();
    if (isValueKnob(activeCode_) && activeCode_ != code) deselectValueKnob();
    if (activeCode_ != code) {
        repeating_ = false;
        activeCode_ = code;
        window_.send(notice::LABEL_REGION, 1, valueKnobRow(code)->highlight);
    }
    startHold(Hold::Left);
}

void CPanelInput::deselectValueKnob() {
    window_.send(notice::LABEL_REGION, 0, valueKnobRow(activeCode_)->highlight);
    window_.killTimer(timer::KNOB_REPEAT);
    activeCode_ = 0;
    hold_ = Hold::None;
    repeating_ = false;
}

void CPanelInput::startHold(Hold button) {
    repeatDown_ = button == Hold::Left;
    hold_ = button;
    window_.setTimer(timer::KNOB_REPEAT, kFirstRepeatMs);
}

void CPanelInput::finishHold(Hold button) {
    if (hold_ != button) return;
    hold_ = Hold::None;
    window_.killTimer(timer::KNOB_REPEAT);
    if (repeating_) {
        repeating_ = false;
        return;
    }
    knobValue_ = StepKnobValue(activeCode_, button == Hold::Left, false, false);
    IssuePanelCommand(activeCode_, subTarget_);
}

void CPanelInput::onRepeatTick() {
    const MouseButton button = repeatDown_ ? MouseButton::Left : MouseButton::Right;
    if (!isValueKnob(activeCode_) || hold_ == Hold::None || !host_.buttonHeld(button)) {
        window_.killTimer(timer::KNOB_REPEAT);
        hold_ = Hold::None;
        repeating_ = false;
        return;
    }
    knobValue_ = StepKnobValue(activeCode_, repeatDown_, true, false);
    IssuePanelCommand(activeCode_, subTarget_);
}

void CPanelInput::stepSwitch(bool down) {
    const int32_t now = store_.records.ms.get();
    const int32_t position = std::clamp(down ? now - 1 : now + 1, 0, kSwitchLast);
    if (position == now) return;
    switchPosition_ = position;
    IssuePanelCommand(panel_code::SWITCH, subTarget_);
}

void CPanelInput::selectDigit(int32_t code) {
    if (dragging_ || isValueKnob(activeCode_)) endSelection();
    const uint8_t side = code >= panel_code::SUB_DIGIT_1 ? kSub : kMain;
    if (code == activeCode_) {
        deselectDigit();
        return;
    }
    if (isDigit(activeCode_) && side != digitSide_) {
        window_.send(digitCursorNotice(digitSide_), 0, 0);
    }
    digitSide_ = side;
    digitPosition_ = code - (side == kSub ? panel_code::SUB_DIGIT_1 : panel_code::MAIN_DIGIT_1) + 1;
    activeCode_ = code;
    window_.send(digitCursorNotice(side), static_cast<uintptr_t>(digitPosition_), 0);
}

void CPanelInput::deselectDigit() {
    window_.send(digitCursorNotice(digitSide_), 0, 0);
    activeCode_ = 0;
}

void CPanelInput::tuneDigit(bool up) {
    const PanelValue& base = digitSide_ == kSub ? store_.panel.vfoB : store_.panel.vfoA;
    int64_t step = 1;
    for (int i = 1; i < digitPosition_; ++i) step *= 10;
    int64_t f = base.get() + (up ? step : -step);
    if (f < PanelState::kFrequencyMin) return;
    if (f > PanelState::kFrequencyMax) {
        if (digitPosition_ != 8) return;
        f = PanelState::kFrequencyMax;
    }
    frequency_ = static_cast<int32_t>(f);
    IssuePanelCommand(activeCode_, 0);
}

}  // namespace velmora
