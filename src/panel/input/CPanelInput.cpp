#include "panel/input/CPanelInput.h"

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "panel/input/KnobTable.h"
#include "panel/input/PanelCommandTable.h"
#include "panel/input/PanelRegions.h"
#include "resources/StringTable.h"

namespace velmora {

namespace {

constexpr int kReleaseTrackMs = 100;
constexpr int kLongPressMs = 1000;
constexpr int kStepRepeatMs = 100;

bool isLongPressKey(int32_t code) {
    return code == panel_code::CLAR_GRP || code == panel_code::BAND_MCH;
}
bool isStepKey(int32_t code) {
    return code == panel_code::STEP_DOWN || code == panel_code::STEP_UP;
}

// Knobs, the switch and the digits would write the start values of an unread radio.
bool needsReadRadio(int32_t code) {
    using namespace panel_code;
    return code == SWITCH || (code >= MAIN_DIAL && code <= VALUE_KNOB_LAST) ||
           (code >= MAIN_DIGIT_1 && code <= SUB_DIGIT_8) ||
           (code >= VALUE_KNOB_2_FIRST && code <= SUB_KNOB_LAST);
}

}  // namespace

CPanelInput::CPanelInput(RadioStateStore& store, WindowHost& window, PanelInputHost& host)
    : store_(store), window_(window), host_(host) {}

void CPanelInput::OnLButtonDown(uint32_t, int32_t x, int32_t y) {
    focusFirstOpenWindow();
    refreshSubTarget();
    const Hit hit = hitAt({x, y});
    switch (hit.kind) {
        case ControlKind::Key:
            endSelection();
            PressPanelCode(OptionMenuStep(hit.code));
            break;
        case ControlKind::Digit:
            selectDigit(hit.code);
            break;
        case ControlKind::Switch:
            endSelection();
            stepSwitch(true);
            break;
        case ControlKind::Knob:
            if (isValueKnob(hit.code)) {
                selectValueKnob(hit.code);
            } else if (hit.code != 0) {
                startDrag(hit.code);
            }
            break;
        case ControlKind::Dial:
            if (hit.code != 0) startDrag(hit.code);
            break;
        case ControlKind::None:
            if (isValueKnob(activeCode_)) startHold(Hold::Left);
            break;
    }
}

void CPanelInput::OnLButtonUp(uint32_t, int32_t, int32_t) {
    if (dragging_) {
        endDrag();
    } else if (isValueKnob(activeCode_)) {
        finishHold(Hold::Left);
    } else if (activeCode_ >= panel_code::MAIN_DIGIT_1 && activeCode_ <= panel_code::SUB_DIGIT_8) {
        // A selected digit stays selected.
    } else {
        PressPanelCode(activeCode_);
    }
}

void CPanelInput::OnRButtonDown(uint32_t, int32_t x, int32_t y) {
    focusFirstOpenWindow();
    refreshSubTarget();
    if (hitAt({x, y}).kind == ControlKind::Switch) {
        if (isValueKnob(activeCode_)) deselectValueKnob();
        stepSwitch(false);
    } else if (isValueKnob(activeCode_)) {
        startHold(Hold::Right);
    }
}

void CPanelInput::OnRButtonUp(uint32_t, int32_t, int32_t) {
    if (isValueKnob(activeCode_)) finishHold(Hold::Right);
}

bool CPanelInput::OnTimer(int id) {
    switch (id) {
        case timer::PANEL_TRACK:
            if (dragging_) {
                dragTick();
            } else if (regionOfCode(activeCode_) != 0) {
                trackRelease();
            } else {
                window_.killTimer(timer::PANEL_TRACK);
            }
            return true;
        case timer::KNOB_REPEAT:
            onRepeatTick();
            return true;
        case timer::DRAG_SEND:
            if (dragging_) {
                IssuePanelCommand(activeCode_, subTarget_);
            } else {
                window_.killTimer(timer::DRAG_SEND);
            }
            return true;
        case timer::CLAR_WHEEL_REST:
            onClarWheelRest();
            return true;
        case timer::WHEEL_SEND:
            onWheelSend();
            return true;
        case timer::CONNECT_TIMEOUT:
            closeConnectionNotice();
            host_.showMessage(string_id::kConnectFailed);
            return true;
        case timer::LONG_PRESS:
            onLongPress();
            return true;
        case timer::STEP_REPEAT:
            onStepRepeat();
            return true;
        case timer::MAIN_KNOB_REST:
            window_.killTimer(timer::MAIN_KNOB_REST);
            restKnobs(panel_code::MAIN_KNOB_FIRST, panel_code::MAIN_KNOB_LAST);
            return true;
        case timer::SUB_KNOB_REST:
            window_.killTimer(timer::SUB_KNOB_REST);
            restKnobs(panel_code::SUB_KNOB_FIRST, panel_code::SUB_KNOB_LAST);
            return true;
        default:
            return false;
    }
}

void CPanelInput::PressPanelCode(int32_t code) {
    if (code == 0) return;
    if (code == activeCode_) {
        releaseKey(code);
        return;
    }
    // One control at a time: a key still held is released (with its release action) first.
    if (regionOfCode(activeCode_) != 0) {
        releaseKey(activeCode_);
    } else if (activeCode_ != 0) {
        endSelection();
    }
    if (blockingWindowOpen() || windowOpen(PanelWindow::MenuList)) return;
    if (!windowOpen(PanelWindow::VfoSet)) {
        if (code == panel_code::MENU) {
            ShowButtonState(code, true);
            host_.runWaitWindow();
            openWindow(PanelWindow::MenuList);
            ShowButtonState(code, false);
            return;
        }
        if (code == panel_code::KEYPAD_ENTER && openWindow(PanelWindow::VfoSet)) {
            vfoSetTarget_ = subTarget_;
        }
    } else if (code == panel_code::KEYPAD_ENTER) {
        host_.vfoSetEnter();
    } else if (code >= panel_code::KEYPAD_0 && code <= panel_code::KEYPAD_9) {
        host_.vfoSetAppendDigit(code - panel_code::KEYPAD_0);
    } else {
        return;
    }
    pressKey(code);
}

void CPanelInput::pressKey(int32_t code) {
    activeCode_ = code;
    ShowButtonState(code, true);
    if (isLongPressKey(code) || isStepKey(code)) {
        window_.setTimer(timer::LONG_PRESS, kLongPressMs);
    } else if (!windowOpen(PanelWindow::VfoSet)) {
        IssuePanelCommand(code, code == panel_code::TXW ? 1 : subTarget_);
    }
    window_.setTimer(timer::PANEL_TRACK, kReleaseTrackMs);
    if (code == panel_code::COM_KEY && !linkUp()) openConnectionNotice();
}

void CPanelInput::releaseKey(int32_t code) {
    ShowButtonState(code, false);
    window_.killTimer(timer::PANEL_TRACK);
    if (code == panel_code::TXW) IssuePanelCommand(code, 0);
    if (isLongPressKey(code) || isStepKey(code)) {
        window_.killTimer(timer::LONG_PRESS);
        window_.killTimer(timer::STEP_REPEAT);
        IssuePanelCommand(code, 0);
    }
    activeCode_ = 0;
}

void CPanelInput::trackRelease() {
    const PanelPoint p = host_.cursorPosition();
    const bool stillOn = zoneAt(regionOfCode(activeCode_), p) == activeCode_;
    if (stillOn && host_.buttonHeld(MouseButton::Left)) return;
    PressPanelCode(activeCode_);
}

void CPanelInput::onLongPress() {
    window_.killTimer(timer::LONG_PRESS);
    if (isLongPressKey(activeCode_)) {
        // The long press is the key's whole action: the later button-up finds nothing to release.
        const int32_t code = activeCode_;
        IssuePanelCommand(code, 1);
        ShowButtonState(code, false);
        window_.killTimer(timer::PANEL_TRACK);
        activeCode_ = 0;
    } else if (isStepKey(activeCode_)) {
        IssuePanelCommand(activeCode_, 1);
        window_.setTimer(timer::STEP_REPEAT, kStepRepeatMs);
    }
}

void CPanelInput::onStepRepeat() {
    if (isStepKey(activeCode_)) {
        IssuePanelCommand(activeCode_, 1);
    } else {
        window_.killTimer(timer::STEP_REPEAT);
    }
}

void CPanelInput::IssuePanelCommand(int32_t code, uint8_t state) {
    const PanelCommandRow* row = panelCommandRow(code);
    if (!row) return;
    int32_t* pending = row->source == ValueSource::PendingSteps ? pendingOf(code) : nullptr;
    if (needsReadRadio(code) && !linkReady()) {
        if (pending) *pending = 0;
        return;
    }
    int32_t value = 0;
    switch (row->source) {
        case ValueSource::None:
            break;
        case ValueSource::MenuChoice:
            value = menuChoice_;
            break;
        case ValueSource::State:
            value = state;
            break;
        case ValueSource::KcFunction:
            value = kcFunctionOf(code);
            break;
        case ValueSource::SwitchPosition:
            value = switchPosition_;
            break;
        case ValueSource::PendingSteps:
            if (!pending || *pending == 0) return;
            value = *pending;
            *pending = 0;
            break;
        case ValueSource::KnobValue:
            value = knobValue_;
            break;
        case ValueSource::Frequency:
            value = frequency_;
            break;
    }
    const bool target = (row->flags & kCarriesTarget) != 0;
    PostPanelAction(store_.mailbox, panelAction(*row, code), target, target && state != 0,
                    (row->flags & kCarriesValue) != 0, value);
}

void CPanelInput::ShowButtonState(int32_t code, bool pressed) {
    const uint32_t notice = keyImageNotice(code);
    if (notice != 0) window_.send(notice, pressed ? 1 : 0, 0);
}

int32_t* CPanelInput::pendingOf(int32_t code) {
    if (!knobPlaceOf(code)) return nullptr;
    return &turnOf(code).pending;
}

bool CPanelInput::linkUp() const {
    return store_.records.ai.get() == 1;
}

bool CPanelInput::linkReady() const {
    return linkUp() && store_.windowFlags.initialReadDone.load();
}

void CPanelInput::refreshSubTarget() {
    subTarget_ = store_.panel.subTarget.get() != 0 ? 1 : 0;
}

bool CPanelInput::isIdle() const {
    return activeCode_ == 0 && !dragging_ && hold_ == Hold::None && !anyWindowOpen();
}

int32_t CPanelInput::activeCode() const {
    return activeCode_;
}

}  // namespace velmora
