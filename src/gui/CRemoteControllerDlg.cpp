#include "gui/CRemoteControllerDlg.h"

#include "app/LinkApplication.h"
#include "gui/QtCanvas.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "panel/display/DrawKnob.h"
#include "panel/display/FrequencyDisplay.h"
#include "panel/display/LabelRegion.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora::gui {

namespace {

// The notifications the initial draw sends to the window, in order. 0x8301 and 0x834A have no
// handler and draw nothing; they stay in the list so the order reads as the start-up's.
constexpr uint32_t kInitialDrawNotifications[] = {
    0x833A, 0x8333, 0x8334, 0x831B, 0x830F, 0x8317, 0x8313, 0x8301, 0x8311, 0x830A, 0x8312, 0x8310,
    0x8327, 0x8314, 0x831E, 0x8315, 0x831C, 0x8318, 0x8309, 0x830C, 0x830D, 0x8331, 0x8348, 0x8306,
    0x8303, 0x8302, 0x832D, 0x834A, 0x8332, 0x8304, 0x8323, 0x8322, 0x832A, 0x8326, 0x8328, 0x832B,
    0x832F, 0x8330, 0x8305, 0x8307, 0x8346, 0x832E, 0x834D, 0x8321, 0x8355,
};

// The full repaint's handlers after the R.FLT indicators (the first seven come before them).
constexpr uint32_t kRepaintBeforeRflt[] = {0x8333, 0x8334, 0x833A, 0x831B, 0x830F, 0x8317, 0x8313};
constexpr uint32_t kRepaintAfterRflt[] = {
    0x830A, 0x8312, 0x8310, 0x8327, 0x8314, 0x831E, 0x8315, 0x831C, 0x8318, 0x8309, 0x830C,
    0x830D, 0x8348, 0x8306, 0x8303, 0x8302, 0x832D, 0x8332, 0x8304, 0x8323, 0x8322, 0x832A,
    0x8326, 0x8328, 0x832B, 0x832F, 0x8330, 0x8305, 0x8307, 0x8346, 0x832E, 0x8321, 0x831A,
};

// Image notices of the knobs and of the messages that belong to the panel input.
constexpr uint32_t kNoticeMainDial = 0x85C8, kNoticeCursorA = 0x85C9, kNoticeCursorB = 0x85CA;
constexpr uint32_t kNoticeClarKnob = 0x85CB, kNoticeLabelRegion = 0x85D2;
constexpr uint32_t kNoticeClarLarge = 0x85D4, kNoticeClarTurned = 0x85D5;
constexpr uint32_t kNoticeDspAFirst = 0x85F2, kNoticeDspBFirst = 0x85FA, kNoticeLast = 0x8601;
constexpr uint32_t kNoticeFirst = 0x8578, kKeyNoticeLast = 0x85F1;
constexpr uint32_t kNoticeComKey = 0x8578, kNoticeOnOffKey = 0x8579;

// What the background picture carries besides the panel itself: the keys that neither the
// initial draw nor the full repaint draws (the mode keys) or that only the initial draw draws,
// in their released state, the DSP knobs at rest, the meter's face and the unlit R.FLT words. The
// built-in artist paints the background without them, so the wipe adds them.
constexpr uint32_t kBackgroundKeys[] = {
    0x8594, 0x8595, 0x8596, 0x8597, 0x8598, 0x8599,  // LSB, USB, CW, AM/FM, RTTY, PKT
    0x859A, 0x859B, 0x859C, 0x859D, 0x859E, 0x859F,  // STO, RCL, NAR, SPLIT, TXW, C.S
    0x85A2, 0x85A3, 0x85A4, 0x85A5, 0x85A6, 0x85A7,
    0x85A8, 0x85A9, 0x85DD,  // FAST .. MENU, CLASS-A
};
constexpr PanelRect kMeterFaceAt{58, 34, 161, 66};

bool isLinkNotification(uint32_t id) {
    return (id >= msg::kNotifyFirst && id <= msg::kNotifyLast) || id == msg::NOTIFY_EX;
}

}  // namespace

CRemoteControllerDlg::CRemoteControllerDlg(QtCanvas& canvas, const PanelPictures& pictures,
                                           LinkApplication& app, WindowHost& host, DlgHooks hooks)
    : canvas_(canvas),
      app_(app),
      host_(host),
      hooks_(std::move(hooks)),
      display_(canvas, pictures, app.store(), host) {
    display_.setPortConnectedQuery([&app] { return app.port().IsPortOpen(); });
}

void CRemoteControllerDlg::startUp(bool splashShown) {
    if (splashShown) host_.setTimer(kTimerSplash, kSplashMs);
    for (int id : {PanelDisplay::kTimerFrequencyA, PanelDisplay::kTimerFrequencyB, kTimerFilterA,
                   kTimerFilterB})
        host_.setTimer(id, kRefreshMs);
    host_.setTimer(kTimerInitialDraw, kInitialDrawMs);
}

void CRemoteControllerDlg::exposed() {
    host_.setTimer(kTimerFullRepaint, kRefreshMs);
}

void CRemoteControllerDlg::onMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (id == msg::WM_COMM_FAILURE || id == msg::WM_AI_SWITCHED_ON) {
        app_.onWindowMessage(id, wParam, lParam);
    } else if (isLinkNotification(id)) {
        // The shell follows the link's progress on the same notifications the panel draws.
        app_.onWindowMessage(id, wParam, lParam);
        onNotification(id);
    } else if (id >= kNoticeFirst && id <= kNoticeLast) {
        onImageNotice(id, wParam, lParam);
    }
    // Everything else (0x8301, 0x834A among them) has no handler and changes nothing.
}

bool CRemoteControllerDlg::onNotification(uint32_t id) {
    if (display_.onNotification(id)) return true;
    // The keys of these two; their bar meter part comes with the meters.
    if (id == 0x833A) {
        display_.onKeyNotice(kNoticeComKey, 0);
        return true;
    }
    if (id == 0x8347) {
        display_.onKeyNotice(kNoticeOnOffKey, 0);
        return true;
    }
    if (id == 0x8356) {
        // Draws nothing: the panel keeps its own copy of the CA state for the panel input.
        RadioStateStore& store = app_.store();
        store.panel.ca.set(store.records.ca.get());
        return true;
    }
    return false;
}

bool CRemoteControllerDlg::onImageNotice(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    const auto angle = static_cast<int32_t>(wParam);
    if (id == kNoticeMainDial) {
        dialAngle_ = angle;
        DrawKnob(canvas_, Knob::MainDial, angle);
    } else if (id == kNoticeCursorA || id == kNoticeCursorB) {
        display_.setDigitCursor(id == kNoticeCursorA ? kMain : kSub, angle);
    } else if (id == kNoticeClarKnob || id == kNoticeClarLarge) {
        DrawKnob(canvas_, id == kNoticeClarKnob ? Knob::Clar : Knob::ClarLarge, angle);
    } else if (id == kNoticeClarTurned) {
        display_.noteKnobTurned();
    } else if (id == kNoticeLabelRegion) {
        litRegionLit_ = wParam != 0;
        litRegionIndex_ = static_cast<int>(lParam);
        DrawLabelRegion(canvas_, litRegionLit_, litRegionIndex_);
    } else if (id >= kNoticeDspAFirst) {
        DrawKnob(canvas_, id >= kNoticeDspBFirst ? Knob::DspB : Knob::DspA, angle);
        display_.noteKnobTurned();
    } else if (id <= kKeyNoticeLast) {
        // Unknown and reserved notices draw nothing there; the panel input's own ones too.
        display_.onKeyNotice(id, static_cast<int>(wParam));
    } else {
        return false;
    }
    return true;
}

void CRemoteControllerDlg::onTimer(int id) {
    switch (id) {
        case PanelDisplay::kTimerFrequencyA:
            refreshFrequency(kMain);
            break;
        case PanelDisplay::kTimerFrequencyB:
            refreshFrequency(kSub);
            break;
        case RfltIndicator::kTimerA:
        case RfltIndicator::kTimerB:
            display_.onTimer(id);
            break;
        case kTimerInitialDraw:
            initialDraw();
            break;
        case kTimerFullRepaint:
            fullRepaint();
            break;
        case kTimerSplash:
            host_.killTimer(kTimerSplash);
            if (hooks_.closeSplash) hooks_.closeSplash();
            break;
        case kTimerFilterA:
        case kTimerFilterB:
            // The filter displays draw only on change; they come with the meters.
            break;
        default:
            app_.onTimer(id);
            break;
    }
}

void CRemoteControllerDlg::refreshFrequency(int side) {
    const RadioStateStore& store = app_.store();
    const Shown now{side == kMain ? DisplayedVfoA(store) : DisplayedVfoB(store),
                    display_.digitCursor(side)};
    Shown& last = shown_[side == kMain ? 0 : 1];
    if (refreshOnlyChanges_ && now.hz == last.hz && now.cursor == last.cursor) return;
    last = now;
    display_.onTimer(side == kMain ? PanelDisplay::kTimerFrequencyA
                                   : PanelDisplay::kTimerFrequencyB);
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
    canvas_.drawBackground();
    canvas_.drawPicture(picture::kMeterFace, {0, 0, kMeterFaceAt.width, kMeterFaceAt.height},
                        kMeterFaceAt);
    for (uint32_t n : kBackgroundKeys) display_.onKeyNotice(n, 0);
    for (Knob k : {Knob::DspA, Knob::DspB}) DrawKnob(canvas_, k, kKnobAtRest);
    display_.drawUnlitRflt();  // a code outside the tables draws nothing over them
}

void CRemoteControllerDlg::initialDraw() {
    host_.killTimer(kTimerInitialDraw);
    for (uint32_t id : kInitialDrawNotifications) onNotification(id);
    onImageNotice(kNoticeMainDial, 0, 0);
    onImageNotice(kNoticeClarKnob, kKnobAtRest, 0);
    onImageNotice(kNoticeClarLarge, kKnobAtRest, 0);
    onImageNotice(kNoticeClarTurned, kKnobAtRest, 0);
    keys({0x857A});
    keyRange(0x857D, 0x8589);
    keys({0x85DE, 0x85DF});
    keyRange(0x858A, 0x8591);
    keyRange(0x85B6, 0x85BD);
    keyRange(0x85AB, 0x85B4);
    keys({0x85AA, 0x85B5});
    // ON/OFF, COM, STO, RCL, NAR, SPLIT, TXW, CLASS-A, C.S, FAST, LOCK, A>B, A<>B, V/M, M>A, A>M,
    // MENU.
    keys({0x8579, 0x8578, 0x859A, 0x859B, 0x859C, 0x859D, 0x859E, 0x85DD, 0x859F, 0x85A2, 0x85A3,
          0x85A4, 0x85A5, 0x85A6, 0x85A7, 0x85A8, 0x85A9});
    for (uint32_t id : {0x8345u, 0x830Eu, 0x8337u}) onNotification(id);
    // The start-up shows the roofing filters steadily; from now on a blinking code blinks (left
    // static, the indicators could never blink at all).
    for (int side : {kMain, kSub}) display_.rflt().setStatic(side, false);
    initialDrawDone_ = true;
}

void CRemoteControllerDlg::fullRepaint() {
    host_.killTimer(kTimerFullRepaint);
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
    keys({0x8579, 0x857A, 0x857D, 0x857E, 0x85DC, 0x857F, 0x8580, 0x8581, 0x8582, 0x8583, 0x8584,
          0x8585, 0x8586, 0x8587, 0x8589, 0x8588, 0x85DE, 0x85DF, 0x85B6, 0x85B7, 0x85B8});
    keyRange(0x85AA, 0x85B5);
    keyRange(0x858A, 0x8591);
    keyRange(0x85B9, 0x85BD);
    for (uint32_t id : {0x8345u, 0x8304u, 0x830Eu, 0x834Du}) onNotification(id);
    // The DSP keys and DNR lamps of both sides, released.
    keyRange(0x85E0, 0x85E4);
    keys({0x85E6});
    keyRange(0x85E8, 0x85EC);
    keys({0x85EE});
    // Three indicator groups without pictures come here; drawing them would change nothing.
    if (litRegionIndex_ >= 0) DrawLabelRegion(canvas_, litRegionLit_, litRegionIndex_);
}

}  // namespace velmora::gui
