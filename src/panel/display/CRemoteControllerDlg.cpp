#include "panel/display/CRemoteControllerDlg.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "panel/display/DrawKnob.h"
#include "panel/display/FrequencyDisplay.h"
#include "panel/display/LabelRegion.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora {

namespace {

// The notifications the initial draw sends to the window, in order. notify::RESERVED_1 and
// notify::RESERVED_2 have no handler and draw nothing; they stay in the list so the order reads as
// the start-up's.
constexpr uint32_t kInitialDrawNotifications[] = {
    notify::AI, notify::FA,         notify::FB, notify::VX,         notify::NA, notify::AN,
    notify::RA, notify::RESERVED_1, notify::RF, notify::FR,         notify::GT, notify::NB,
    notify::PL, notify::PA,         notify::ML, notify::KR,         notify::BI, notify::AC,
    notify::FT, notify::LK,         notify::FS, notify::RL,         notify::RI, notify::BC,
    notify::XT, notify::RT,         notify::IF, notify::RESERVED_2, notify::BY, notify::SF,
    notify::KS, notify::KP,         notify::SQ, notify::MG,         notify::VG, notify::AG,
    notify::IS, notify::SH,         notify::BP, notify::CO,         notify::MS, notify::VF,
    notify::BG, notify::RM,         notify::KC,
};

// The full repaint's handlers after the R.FLT indicators (the first seven come before them).
constexpr uint32_t kRepaintBeforeRflt[] = {notify::FA, notify::FB, notify::AI, notify::VX,
                                           notify::NA, notify::AN, notify::RA};
constexpr uint32_t kRepaintAfterRflt[] = {
    notify::FR, notify::GT, notify::NB, notify::PL, notify::PA, notify::ML, notify::KR,
    notify::BI, notify::AC, notify::FT, notify::LK, notify::FS, notify::RI, notify::BC,
    notify::XT, notify::RT, notify::IF, notify::BY, notify::SF, notify::KS, notify::KP,
    notify::SQ, notify::MG, notify::VG, notify::AG, notify::IS, notify::SH, notify::BP,
    notify::CO, notify::MS, notify::VF, notify::RM, notify::MX,
};

// What the background picture carries besides the panel itself: the keys that neither the
// initial draw nor the full repaint draws (the mode keys) or that only the initial draw draws,
// in their released state, the DSP knobs at rest, the meter's face and the unlit R.FLT words. The
// built-in artist paints the background without them, so the wipe adds them.
constexpr uint32_t kBackgroundKeys[] = {
    notice::LSB_KEY,      notice::USB_KEY,  notice::CW_KEY,
    notice::AM_FM_KEY,    notice::RTTY_KEY, notice::PKT_KEY,  // LSB, USB, CW, AM/FM, RTTY, PKT
    notice::STO_KEY,      notice::RCL_KEY,  notice::NAR_KEY,
    notice::SPLIT_KEY,    notice::TXW_KEY,  notice::CS_KEY,  // STO, RCL, NAR, SPLIT, TXW, C.S
    notice::FAST_KEY,     notice::LOCK_KEY, notice::A_TO_B_KEY,
    notice::A_SWAP_B_KEY, notice::VM_KEY,   notice::M_TO_A_KEY,
    notice::A_TO_M_KEY,   notice::MENU_KEY, notice::CLASS_A_KEY,  // FAST .. MENU, CLASS-A
};
constexpr PanelRect kMeterFaceAt{58, 34, 161, 66};

}  // namespace

CRemoteControllerDlg::CRemoteControllerDlg(Canvas& canvas, const PanelPictures& pictures,
                                           RadioStateStore& store, WindowHost& host,
                                           LinkShell& link, PanelInputHost& inputHost,
                                           DlgHooks hooks)
    : canvas_(canvas),
      store_(store),
      host_(host),
      link_(link),
      hooks_(std::move(hooks)),
      display_(canvas, pictures, store, host),
      meters_({canvas, pictures, store}, host, [&link] { return link.portOpen(); }),
      panelInput_(store, host, inputHost),
      keys_(store, host, keyDefinitionPath(link.baseDirectory()),
            [&inputHost] { inputHost.runVersionWindow(); }) {
    display_.setPortConnectedQuery([&link] { return link.portOpen(); });
}

void CRemoteControllerDlg::startUp(bool splashShown) {
    if (splashShown) host_.setTimer(timer::SPLASH, kSplashMs);
    for (int id : {timer::FREQUENCY_A, timer::FREQUENCY_B, timer::FILTER_A, timer::FILTER_B})
        host_.setTimer(id, kRefreshMs);
    host_.setTimer(timer::INITIAL_DRAW, kInitialDrawMs);
}

void CRemoteControllerDlg::exposed() {
    host_.setTimer(timer::FULL_REPAINT, kRefreshMs);
}

void CRemoteControllerDlg::onMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (id == msg::WM_COMM_FAILURE || id == msg::WM_AI_SWITCHED_ON) {
        link_.onWindowMessage(id, wParam, lParam);
        // The link is up: the connection notice closes.
        panelInput_.onWindowMessage(id, wParam, lParam);
    } else if (isNotification(id)) {
        // The shell follows the link's progress on the same notifications the panel draws, and
        // the panel input passes some on to the windows it has open.
        link_.onWindowMessage(id, wParam, lParam);
        onNotification(id);
        panelInput_.onWindowMessage(id, wParam, lParam);
    } else if (id == msg::WM_READ_INCOMPLETE || id == msg::WM_COMM_SETTING_SET_ASIDE) {
        link_.onWindowMessage(id, wParam, lParam);
    } else if (id == notice::EXIT) {
        if (hooks_.closeProgram) hooks_.closeProgram();
    } else if (id == msg::WM_WAIT_WINDOW_CLOSE) {
        if (hooks_.readFinished) hooks_.readFinished();
    } else if (panelInput_.onWindowMessage(id, wParam, lParam)) {
        // A window's close notice or VFO SET's result.
    } else if (id >= notice::FIRST && id <= notice::LAST) {
        onImageNotice(id, wParam, lParam);
    }
    // Everything else (notify::RESERVED_1, notify::RESERVED_2 among them) has no handler and
    // changes nothing.
}

bool CRemoteControllerDlg::onKey(const KeyPress& press) {
    return keys_.onKey(press, panelInput_.isIdle());
}

bool CRemoteControllerDlg::onNotification(uint32_t id) {
    bool drawn = display_.onNotification(id);
    if (id == notify::AI) {
        display_.onKeyNotice(notice::COM_KEY, 0);
        drawn = true;
    } else if (id == notify::PS) {
        display_.onKeyNotice(notice::ON_OFF_KEY, 0);
        drawn = true;
    } else if (id == notify::CA) {
        // Draws nothing: the panel keeps its own copy of the CA state for the panel input.
        store_.panel.ca.set(store_.records.ca.get());
        return true;
    }
    // The meter, knob pointer or bar part of the same notification.
    return meters_.onNotification(id) || drawn;
}

bool CRemoteControllerDlg::onImageNotice(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    const auto angle = static_cast<int32_t>(wParam);
    if (id == notice::MAIN_DIAL) {
        dialAngle_ = angle;
        DrawKnob(canvas_, Knob::MainDial, angle);
    } else if (id == notice::CURSOR_A || id == notice::CURSOR_B) {
        display_.setDigitCursor(id == notice::CURSOR_A ? kMain : kSub, angle);
    } else if (id == notice::CLAR_KNOB || id == notice::CLAR_KNOB_LARGE) {
        DrawKnob(canvas_, id == notice::CLAR_KNOB ? Knob::Clar : Knob::ClarLarge, angle);
    } else if (id == notice::CLAR_TURNED) {
        display_.noteKnobTurned();
    } else if (id == notice::LABEL_REGION) {
        litRegionLit_ = wParam != 0;
        litRegionIndex_ = static_cast<int>(lParam);
        DrawLabelRegion(canvas_, litRegionLit_, litRegionIndex_);
    } else if (id >= notice::DSP_KNOB_A) {
        DrawKnob(canvas_, id >= notice::DSP_KNOB_B ? Knob::DspB : Knob::DspA, angle);
        display_.noteKnobTurned();
    } else if (id <= notice::KEYS_LAST) {
        // Unknown and reserved notices draw nothing there; the panel input's own ones too.
        display_.onKeyNotice(id, static_cast<int>(wParam));
    } else {
        return false;
    }
    return true;
}

void CRemoteControllerDlg::onTimer(int id) {
    if (panelInput_.OnTimer(id) || meters_.onTimer(id)) return;
    switch (id) {
        case timer::FREQUENCY_A:
            refreshFrequency(kMain);
            break;
        case timer::FREQUENCY_B:
            refreshFrequency(kSub);
            break;
        case timer::RFLT_BLINK_A:
        case timer::RFLT_BLINK_B:
            display_.onTimer(id);
            break;
        case timer::INITIAL_DRAW:
            initialDraw();
            break;
        case timer::FULL_REPAINT:
            fullRepaint();
            break;
        case timer::KEY_SEQUENCE:
            keys_.step();
            break;
        case timer::SPLASH:
            host_.killTimer(timer::SPLASH);
            if (hooks_.closeSplash) hooks_.closeSplash();
            break;
        default:
            link_.onTimer(id);
            break;
    }
}

void CRemoteControllerDlg::refreshFrequency(int side) {
    const RadioStateStore& store = store_;
    const Shown now{side == kMain ? displayedVfoA(store) : displayedVfoB(store),
                    display_.digitCursor(side)};
    Shown& last = shown_[side == kMain ? 0 : 1];
    if (refreshOnlyChanges_ && now.hz == last.hz && now.cursor == last.cursor) return;
    last = now;
    display_.onTimer(side == kMain ? timer::FREQUENCY_A : timer::FREQUENCY_B);
}

void CRemoteControllerDlg::keys(std::initializer_list<uint32_t> notices) {
    for (uint32_t n : notices) display_.onKeyNotice(n, 0);
}

void CRemoteControllerDlg::keyRange(uint32_t first, uint32_t last) {
    for (uint32_t n = first; n <= last; ++n) display_.onKeyNotice(n, 0);
}

void CRemoteControllerDlg::drawRestingKnobs() {
    for (Knob k : {Knob::Clar, Knob::ClarLarge}) DrawKnob(canvas_, k, kKnobAtRest);
}

void CRemoteControllerDlg::wipe() {
    canvas_.drawPicture(picture::kBackground, kPanelArea, kPanelArea);
    canvas_.drawPicture(picture::kMeterFace, {0, 0, kMeterFaceAt.width, kMeterFaceAt.height},
                        kMeterFaceAt);
    for (uint32_t n : kBackgroundKeys) display_.onKeyNotice(n, 0);
    for (Knob k : {Knob::DspA, Knob::DspB}) DrawKnob(canvas_, k, kKnobAtRest);
    display_.drawUnlitRflt();  // a code outside the tables draws nothing over them
    meters_.forgetDrawn();
}

void CRemoteControllerDlg::initialDraw() {
    host_.killTimer(timer::INITIAL_DRAW);
    for (uint32_t id : kInitialDrawNotifications) onNotification(id);
    onImageNotice(notice::MAIN_DIAL, 0, 0);
    onImageNotice(notice::CLAR_KNOB, kKnobAtRest, 0);
    onImageNotice(notice::CLAR_KNOB_LARGE, kKnobAtRest, 0);
    onImageNotice(notice::CLAR_TURNED, kKnobAtRest, 0);
    keys({notice::DIM_KEY});
    keyRange(notice::TUNE_KEY, notice::SPOT_KEY);
    keys({notice::UP_KEY, notice::DOWN_KEY});
    keyRange(notice::RESERVED_GROUP_0, notice::RESERVED_GROUP_7);
    keyRange(notice::RX_CLAR_KEY, notice::RESERVED_GROUP_12);
    keyRange(notice::BAND_1_8_KEY, notice::BAND_GEN_KEY);
    keys({notice::BAND_50_KEY, notice::ENT_KEY});
    // ON/OFF, COM, STO, RCL, NAR, SPLIT, TXW, CLASS-A, C.S, FAST, LOCK, A>B, A<>B, V/M, M>A, A>M,
    // MENU.
    keys({notice::ON_OFF_KEY, notice::COM_KEY, notice::STO_KEY, notice::RCL_KEY, notice::NAR_KEY,
          notice::SPLIT_KEY, notice::TXW_KEY, notice::CLASS_A_KEY, notice::CS_KEY, notice::FAST_KEY,
          notice::LOCK_KEY, notice::A_TO_B_KEY, notice::A_SWAP_B_KEY, notice::VM_KEY,
          notice::M_TO_A_KEY, notice::A_TO_M_KEY, notice::MENU_KEY});
    for (uint32_t id : {notify::MD, notify::VS, notify::SM}) onNotification(id);
    // The start-up shows the roofing filters steadily; from now on a blinking code blinks (left
    // static, the indicators could never blink at all).
    for (int side : {kMain, kSub}) display_.rflt().setStatic(side, false);
    initialDrawDone_ = true;
}

void CRemoteControllerDlg::fullRepaint() {
    host_.killTimer(timer::FULL_REPAINT);
    ++fullRepaints_;
    wipe();
    display_.clearTexts();
    shown_[0] = shown_[1] = Shown{};
    for (uint32_t id : kRepaintBeforeRflt) onNotification(id);
    display_.drawRfltSteadily();
    for (uint32_t id : kRepaintAfterRflt) onNotification(id);
    DrawKnob(canvas_, Knob::MainDial, dialAngle_);
    drawRestingKnobs();
    // ON/OFF, DIM, TUNE, the two antenna keys, RX-ANT, MONI, PROC, KEYER, ATT, THRU, R.FLT, AGC,
    // NB, SPOT, BK-IN, UP, DOWN, RX CLAR, TX CLAR, CLEAR, then the band keys and reserved groups.
    keys({notice::ON_OFF_KEY,  notice::DIM_KEY,    notice::TUNE_KEY,    notice::ANT_KEY,
          notice::ANT_KEY_ALT, notice::RX_ANT_KEY, notice::MONI_KEY,    notice::PROC_KEY,
          notice::KEYER_KEY,   notice::ATT_KEY,    notice::THRU_KEY,    notice::RFLT_KEY,
          notice::AGC_KEY,     notice::NB_KEY,     notice::SPOT_KEY,    notice::BK_IN_KEY,
          notice::UP_KEY,      notice::DOWN_KEY,   notice::RX_CLAR_KEY, notice::TX_CLAR_KEY,
          notice::CLEAR_KEY});
    keyRange(notice::BAND_50_KEY, notice::ENT_KEY);
    keyRange(notice::RESERVED_GROUP_0, notice::RESERVED_GROUP_7);
    keyRange(notice::RESERVED_GROUP_8, notice::RESERVED_GROUP_12);
    for (uint32_t id : {notify::MD, notify::SF, notify::VS, notify::BG}) onNotification(id);
    // The DSP keys and DNR lamps of both sides, released.
    keyRange(notice::PRESEL_FTUNE_KEY_A, notice::WIDTH_KEY_A);
    keys({notice::DNR_LAMP_A});
    keyRange(notice::PRESEL_KEY_B, notice::WIDTH_KEY_B);
    keys({notice::DNR_LAMP_B});
    // Three indicator groups without pictures come here; drawing them would change nothing.
    meters_.repaint();
    if (litRegionIndex_ >= 0) DrawLabelRegion(canvas_, litRegionLit_, litRegionIndex_);
}

}  // namespace velmora
