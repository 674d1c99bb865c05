#include "panel/display/PanelDisplay.h"

#include "link/MessageIds.h"
#include "panel/display/ClarifierDisplay.h"
#include "panel/display/FrequencyDisplay.h"
#include "panel/display/ModeIndicators.h"
#include "panel/display/MultiPartIndicators.h"
#include "panel/display/StatusWords.h"

namespace velmora {

namespace {
// The DSP keys and lamps of both sides, released (their lamps follow the store).
constexpr uint32_t kDspKeyNotices[] = {
    notice::PRESEL_FTUNE_KEY_A, notice::SHIFT_KEY_A, notice::CONT_APF_KEY_A, notice::NOTCH_KEY_A,
    notice::WIDTH_KEY_A,        notice::RESET_KEY_A, notice::DNR_LAMP_A,     notice::DNF_LAMP_A,
    notice::PRESEL_KEY_B,       notice::SHIFT_KEY_B, notice::CONT_APF_KEY_B, notice::NOTCH_KEY_B,
    notice::WIDTH_KEY_B,        notice::RESET_KEY_B, notice::DNR_LAMP_B,     notice::DNF_LAMP_B};
}  // namespace

PanelDisplay::PanelDisplay(Canvas& canvas, const PanelPictures& pictures,
                           const RadioStateStore& store, WindowHost& timers)
    : ctx_{canvas, pictures, store}, rflt_(timers) {
    portConnected_ = [&store] { return store.records.ai.get() == 1; };
}

void PanelDisplay::drawFrequency(int side) {
    if (side == kSub) {
        subFreqText_ = drawFrequencyDigits(ctx_, kSub, displayedVfoB(ctx_.store), subDigitCursor_);
    } else {
        mainFreqText_ =
            drawFrequencyDigits(ctx_, kMain, displayedVfoA(ctx_.store), mainDigitCursor_);
    }
}

void PanelDisplay::drawClarifier() {
    clarText_ = drawClarifierOffset(ctx_, ctx_.store.records.ifStatus.clarifierOffset.get());
    drawMemoryMode(ctx_, ctx_.store.records.ifStatus.vfoOrMemory.get());
}

void PanelDisplay::drawRfltSteadily() {
    for (int side : {kMain, kSub}) {
        const bool was = rflt_.isStatic(side);
        rflt_.setStatic(side, true);
        rflt_.draw(ctx_, side);
        rflt_.setStatic(side, was);
    }
}

void PanelDisplay::clearTexts() {
    mainFreqText_.clear();
    subFreqText_.clear();
    clarText_.clear();
}

void PanelDisplay::setDigitCursor(int side, int cursor) {
    (side == kSub ? subDigitCursor_ : mainDigitCursor_) = cursor;
    drawFrequency(side);
}

void PanelDisplay::onKeyNotice(uint32_t notice, int pressed) {
    drawKeyPicture(ctx_, notice, pressed, portConnected_);
}

void PanelDisplay::drawModeSides() {
    drawModeWords(ctx_, kMain, ctx_.store.panel.md[0].get());
    drawModeWords(ctx_, kSub, ctx_.store.panel.md[1].get());
}

void PanelDisplay::drawDspKeys() {
    for (uint32_t notice : kDspKeyNotices) onKeyNotice(notice, 0);
}

void PanelDisplay::onTimer(int id) {
    if (id == timer::FREQUENCY_A) drawFrequency(kMain);
    if (id == timer::FREQUENCY_B) drawFrequency(kSub);
    rflt_.onTimer(ctx_, id);
}

bool PanelDisplay::onNotification(uint32_t id) {
    const auto& r = ctx_.store.records;
    switch (id) {
        case notify::RT:
            drawClarifierWords(ctx_);
            drawFrequency(kMain);
            return true;
        case notify::XT:
            drawClarifierWords(ctx_);
            return true;
        case notify::SF:
            for (uint32_t key : {notice::CLAR_GRP_KEY, notice::BAND_MCH_KEY, notice::AB_KEY})
                onKeyNotice(key, 0);
            return true;
        case notify::BC:
            ctx_.draw(PanelElement::DnfLampA, r.bc[0].get() == 1 ? 2 : 0);
            ctx_.draw(PanelElement::DnfLampB, r.bc[1].get() == 1 ? 2 : 0);
            return true;
        case notify::CO:
        case notify::KC:
            drawDspKeys();
            return true;
        case notify::NR:
            ctx_.draw(reservedGroup(20), 0);
            return true;
        case notify::FT:
            drawTransmitSideLamps(ctx_);
            return true;
        case notify::FR:
            drawReceiveLamps(ctx_);
            return true;
        case notify::LK:
            drawLockWords(ctx_);
            return true;
        case notify::FS:
            drawFastWords(ctx_);
            return true;
        case notify::VS:
            onKeyNotice(notice::A_KEY, 0);
            onKeyNotice(notice::B_KEY, 0);
            drawModeSides();
            drawNarrowWords(ctx_);
            return true;
        case notify::NA:
            drawNarrowWords(ctx_);
            return true;
        case notify::NB:
            drawNoiseBlankerWords(ctx_);
            return true;
        case notify::RF:
            drawRflt(kMain);
            drawRflt(kSub);
            return true;
        case notify::GT:
            drawAgc(ctx_, kMain, r.gt[0].get());
            drawAgc(ctx_, kSub, r.gt[1].get());
            return true;
        case notify::RA:
            drawAttenuator(ctx_, kMain, r.ra[0].get());
            drawAttenuator(ctx_, kSub, r.ra[1].get());
            return true;
        case notify::PA:
            drawPreamp(ctx_, kMain, r.pa[0].get());
            drawPreamp(ctx_, kSub, r.pa[1].get());
            return true;
        case notify::KR:
            drawKeyerWord(ctx_);
            return true;
        case notify::AN:
            drawAntenna(ctx_, kMain, r.anAntenna[0].get(), r.anFlag[0].get());
            drawAntenna(ctx_, kSub, r.anAntenna[1].get(), r.anFlag[1].get());
            return true;
        case notify::AC:
            drawTunerWord(ctx_);
            return true;
        case notify::MX:
            onKeyNotice(notice::MOX_KEY, 0);
            return true;
        case notify::VX:
            onKeyNotice(notice::VOX_KEY, 0);
            return true;
        case notify::BI:
            drawBreakInWord(ctx_);
            return true;
        case notify::PR:
        case notify::PL:
            drawProcessorWord(ctx_);
            return true;
        case notify::ML:
            drawMonitorWord(ctx_);
            return true;
        case notify::IF:
            drawClarifier();
            return true;
        case notify::VF:
            drawPreselectorWords(ctx_);
            return true;
        case notify::BY:
            drawBusyWords(ctx_);
            return true;
        case notify::FA:
            drawFrequency(kMain);
            return true;
        case notify::FB:
            drawFrequency(kSub);
            return true;
        case notify::MD:
            drawModeSides();
            drawNarrowWords(ctx_);
            drawDspKeys();
            return true;
        case notify::RI:
            drawRadioInfoWords(ctx_);
            return true;
        default:
            return false;
    }
}

}  // namespace velmora
