#include "windows/RotatorWindow.h"

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

// The panel actions of the four keys; each carries 1 for a press, 0 for a release.
constexpr int kActionOf[] = {125, 126, 127, 128};  // CCW, CW, SLOW, FAST

int actionOf(RotatorKey key) {
    return kActionOf[static_cast<size_t>(key)];
}

}  // namespace

void RotatorWindow::post(int action, int32_t value) {
    PostPanelAction(store_.mailbox, action, false, false, true, value);
}

void RotatorWindow::press(RotatorKey key) {
    if (key == RotatorKey::Ccw || key == RotatorKey::Cw) {
        // A second direction pressed over the first: the radio turns the new way.
        turnKey_ = key;
        turning_ = true;
        post(actionOf(key), 1);
        return;
    }
    speedKey_ = key == RotatorKey::Fast ? 1 : 0;
    speedHeld_ = true;
    post(actionOf(key), 1);
    timers_.setTimer(timer::ROTATOR_REPEAT, kRepeatMs);
}

void RotatorWindow::release(RotatorKey key) {
    if (key == RotatorKey::Ccw || key == RotatorKey::Cw) {
        if (!turning_ || key != turnKey_) return;
        turning_ = false;
        post(actionOf(key), 0);
        return;
    }
    speedHeld_ = false;
    timers_.killTimer(timer::ROTATOR_REPEAT);
}

void RotatorWindow::releaseAll() {
    if (turning_) release(turnKey_);
    if (speedHeld_) release(speedKey_ ? RotatorKey::Fast : RotatorKey::Slow);
}

bool RotatorWindow::onTimer(int id) {
    if (id != timer::ROTATOR_REPEAT) return false;
    if (!store_.port.open.load(std::memory_order_relaxed)) {
        speedHeld_ = false;
        timers_.killTimer(timer::ROTATOR_REPEAT);
        return true;
    }
    post(actionOf(speedKey_ ? RotatorKey::Fast : RotatorKey::Slow), 1);
    return true;
}

RotatorDisplay RotatorWindow::directionDisplay(int32_t degrees) {
    if (degrees >= kOverlapFrom)
        return {std::to_string(degrees - kOverlapFrom), window_colour::kRed};
    return {std::to_string(degrees), window_colour::kOrange};
}

RotatorDisplay RotatorWindow::speedDisplay(int32_t percent) {
    return {std::to_string(percent) + "%", window_colour::kOrange};
}

int32_t RotatorWindow::storedDirection() const {
    return store_.records.roFirst.get();
}

int32_t RotatorWindow::storedSpeed() const {
    return store_.records.roSecond.get();
}

RotatorDisplay RotatorWindow::direction() const {
    return directionDisplay(storedDirection());
}

RotatorDisplay RotatorWindow::speed() const {
    return speedDisplay(storedSpeed());
}

}  // namespace velmora
