// The modeless windows of CPanelInput: opening and closing them, the menu bar, VFO SET's keypad
// entry, the connection notice, and the radio notifications each open window follows.
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "panel/input/CPanelInput.h"
#include "resources/StringTable.h"

namespace velmora {

namespace {

constexpr int kRotatorReadMs = 100;
constexpr int kConnectTimeoutMs = 5000;

size_t slot(PanelWindow window) {
    return static_cast<size_t>(window);
}

// The close notice each window sends when it closes.
struct CloseNotice {
    uint32_t id;
    PanelWindow window;
};
// clang-format off
constexpr CloseNotice kCloseNotices[] = {
    {notice::MENU_LIST_CLOSED,    PanelWindow::MenuList},
    {notice::COM_SELECT_CLOSED,   PanelWindow::ComSelect},
    {notice::BAUD_RATE_CLOSED,    PanelWindow::BaudRate},
    {notice::COMMAND_SEND_CLOSED, PanelWindow::CommandSend},
    {notice::CW_CLOSED,           PanelWindow::Cw},
    {notice::PLAYBACK_CLOSED,     PanelWindow::Playback},
    {notice::ROTATOR_CLOSED,      PanelWindow::Rotator},
    {notice::REPEATER_CLOSED,     PanelWindow::Repeater},
    {notice::EQUALIZER_CLOSED,    PanelWindow::Equalizer},
};

// The radio notifications an open window follows.
struct Relay {
    PanelWindow window;
    uint32_t id;
};
constexpr Relay kRelays[] = {
    {PanelWindow::MenuList,  notify::EX},
    {PanelWindow::Playback,  notify::RI},
    {PanelWindow::Playback,  notify::AI},
    {PanelWindow::Rotator,   notify::RO},
    {PanelWindow::Repeater,  notify::CN},
    {PanelWindow::Repeater,  notify::CT},
    {PanelWindow::Repeater,  notify::OS},
    {PanelWindow::Repeater,  notify::IF},
    {PanelWindow::Repeater,  notify::OI},
    {PanelWindow::Cw,        notify::KM},
    {PanelWindow::Equalizer, notify::AI},
    {PanelWindow::Equalizer, notify::PE},
    {PanelWindow::Equalizer, notify::EX},
};

// The menu commands that open a window of their own.
struct MenuWindow {
    int id;
    PanelWindow window;
};
constexpr MenuWindow kMenuWindows[] = {
    {menu_item::COMMAND_SEND, PanelWindow::CommandSend},
    {menu_item::COM_SELECT,   PanelWindow::ComSelect},
    {menu_item::BAUD_RATE,    PanelWindow::BaudRate},
    {menu_item::PLAYBACK,     PanelWindow::Playback},
    {menu_item::CW,           PanelWindow::Cw},
    {menu_item::REPEATER,     PanelWindow::Repeater},
};
// clang-format on

}  // namespace

bool CPanelInput::windowOpen(PanelWindow window) const {
    return open_[slot(window)];
}

bool CPanelInput::anyWindowOpen() const {
    for (const bool open : open_) {
        if (open) return true;
    }
    return false;
}

// The windows behind which the panel's keys do nothing at all.
bool CPanelInput::blockingWindowOpen() const {
    for (size_t w = 0; w < open_.size(); ++w) {
        const auto window = static_cast<PanelWindow>(w);
        if (open_[w] && window != PanelWindow::MenuList && window != PanelWindow::VfoSet) {
            return true;
        }
    }
    return false;
}

bool CPanelInput::openWindow(PanelWindow window) {
    if (windowOpen(window)) return true;
    if (!host_.openWindow(window)) return false;
    open_[slot(window)] = true;
    updateMenuBar();
    return true;
}

void CPanelInput::closeWindow(PanelWindow window) {
    if (!windowOpen(window)) return;
    open_[slot(window)] = false;
    updateMenuBar();
    host_.closeWindow(window);
    if (window == PanelWindow::Rotator) window_.killTimer(timer::ROTATOR_READ);
}

void CPanelInput::updateMenuBar() {
    host_.enableMenuCommands(!anyWindowOpen());
}

void CPanelInput::focusFirstOpenWindow() {
    for (size_t w = 0; w < open_.size(); ++w) {
        if (!open_[w]) continue;
        host_.focusWindow(static_cast<PanelWindow>(w));
        return;
    }
}

void CPanelInput::OnMenuCommand(int id) {
    focusFirstOpenWindow();
    endSelection();
    if (id == menu_item::EXIT) {
        window_.send(notice::EXIT, 0, 0);
        return;
    }
    // The other items are greyed while a window is open; a shortcut does not get past that.
    if (anyWindowOpen()) return;
    for (const MenuWindow& m : kMenuWindows) {
        if (m.id == id) openWindow(m.window);
    }
    if (id == menu_item::ROTATOR && openWindow(PanelWindow::Rotator)) {
        window_.setTimer(timer::ROTATOR_READ, kRotatorReadMs);
        store_.mailbox.post(Thread::Anl_Send_Thread, req::ROTATOR_READ);
    } else if (id == menu_item::PRMTRC || id == menu_item::P_PRMTRC) {
        if (store_.windowFlags.readBusy.load()) host_.runWaitWindow();
        equalizerSet_ = id == menu_item::PRMTRC ? 0 : 1;
        openWindow(PanelWindow::Equalizer);
    } else if (id == menu_item::VERSION) {
        host_.runVersionWindow();
    }
}

bool CPanelInput::onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (id == notice::VFO_SET_RESULT) {
        onVfoSetResult(wParam);
        return true;
    }
    if (id == msg::WM_AI_SWITCHED_ON) {
        closeConnectionNotice();
        return true;
    }
    for (const CloseNotice& c : kCloseNotices) {
        if (c.id != id) continue;
        closeWindow(c.window);
        return true;
    }
    // MENU LIST follows the radio's menu answers itself (lines without a pending edit refresh),
    // so it needs no box asking to close and reopen it.
    return relayNotification(id, wParam, lParam);
}

bool CPanelInput::relayNotification(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    bool relayed = false;
    for (const Relay& r : kRelays) {
        if (r.id != id || !windowOpen(r.window)) continue;
        host_.relayToWindow(r.window, id, wParam, lParam);
        relayed = true;
    }
    return relayed;
}

void CPanelInput::openConnectionNotice() {
    if (openWindow(PanelWindow::ConnectionNotice)) {
        window_.setTimer(timer::CONNECT_TIMEOUT, kConnectTimeoutMs);
    }
}

void CPanelInput::closeConnectionNotice() {
    window_.killTimer(timer::CONNECT_TIMEOUT);
    closeWindow(PanelWindow::ConnectionNotice);
}

void CPanelInput::onVfoSetResult(uintptr_t hz) {
    closeWindow(PanelWindow::VfoSet);
    if (hz < PanelState::kFrequencyMin || hz > PanelState::kFrequencyMax) return;
    frequency_ = static_cast<int32_t>(hz);
    IssuePanelCommand(vfoSetTarget_ ? panel_code::VFO_SET_SUB : panel_code::VFO_SET_MAIN, 0);
}

}  // namespace velmora
