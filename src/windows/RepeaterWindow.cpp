#include "windows/RepeaterWindow.h"

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "windows/RepeaterTexts.h"

namespace velmora {

namespace {

constexpr int kStatusReadAction = 146;                         // IF; for MAIN, OI; for SUB
constexpr int kToneAction = 142;                               // CN + target + tone in two digits
constexpr int kKeyActions[] = {139, 140, 141, 143, 144, 145};  // in RepeaterKey's order

}  // namespace

RepeaterWindow::RepeaterWindow(RadioStateStore& store)
    : store_(store), target_(store.panel.subTarget.get() != 0 ? 1 : 0) {
    showStored();
}

void RepeaterWindow::post(int action, bool carriesValue, int32_t value) {
    PostPanelAction(store_.mailbox, action, true, target_ == 1, carriesValue, value);
}

void RepeaterWindow::open() {
    post(kStatusReadAction, false, 0);
}

void RepeaterWindow::showStored() {
    const auto& r = store_.records;
    mode_ = r.ct[target_].get();
    tone_ = r.cn[target_].get();
    shift_ = r.os[target_].get();
}

void RepeaterWindow::showStatus() {
    const ReceiverStatus& s = target_ == 0 ? store_.records.ifStatus : store_.records.oiStatus;
    mode_ = s.toneMode.get();
    tone_ = s.toneNumber.get();
    shift_ = s.shift.get();
}

bool RepeaterWindow::onNotification(uint32_t id) {
    const auto& r = store_.records;
    if (id == notify::CT) {
        mode_ = r.ct[target_].get();
    } else if (id == notify::CN) {
        tone_ = r.cn[target_].get();
    } else if (id == notify::OS) {
        shift_ = r.os[target_].get();
    } else if (id == (target_ == 0 ? notify::IF : notify::OI)) {
        showStatus();
    } else {
        return false;
    }
    return true;
}

void RepeaterWindow::press(RepeaterKey key) {
    post(kKeyActions[static_cast<size_t>(key)], false, 0);
}

void RepeaterWindow::chooseTone(int32_t tone) {
    if (tone < 0 || tone >= kToneCount) return;
    post(kToneAction, true, tone);
}

RepeaterTexts RepeaterWindow::texts() const {
    return {target_ == 1 ? "<VFO-B>" : "<VFO-A>", std::string(ctcssModeText(mode_)),
            std::string(toneText(tone_)), std::string(shiftText(shift_))};
}

}  // namespace velmora
