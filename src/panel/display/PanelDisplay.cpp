#include "panel/display/PanelDisplay.h"

#include "panel/display/ClarifierDisplay.h"
#include "panel/display/FrequencyDisplay.h"
#include "panel/display/ModeIndicators.h"
#include "panel/display/MultiPartIndicators.h"
#include "panel/display/StatusWords.h"

namespace velmora {

namespace {
// The DSP keys and lamps of both sides, released (their lamps follow the store).
constexpr uint32_t kDspKeyNotices[] = {0x85E0, 0x85E1, 0x85E2, 0x85E3, 0x85E4, 0x85E5,
                                       0x85E6, 0x85E7, 0x85E8, 0x85E9, 0x85EA, 0x85EB,
                                       0x85EC, 0x85ED, 0x85EE, 0x85EF};
}  // namespace

PanelDisplay::PanelDisplay(Canvas& canvas, const PanelPictures& pictures,
                           const RadioStateStore& store, WindowHost& timers)
    : ctx_{canvas, pictures, store}, rflt_(timers) {
    portConnected_ = [&store] { return store.records.ai.get() == 1; };
}

void PanelDisplay::drawFrequency(int side) {
    if (side == kSub) {
        subText_ = DrawFrequency(ctx_, kSub, DisplayedVfoB(ctx_.store), subCursor_);
    } else {
        mainText_ = DrawFrequency(ctx_, kMain, DisplayedVfoA(ctx_.store), mainCursor_);
    }
}

void PanelDisplay::drawClarifier() {
    clarText_ = DrawClarifierOffset(ctx_, ctx_.store.records.ifStatus.clarifierOffset.get());
    DrawMemoryMode(ctx_, ctx_.store.records.ifStatus.vfoOrMemory.get());
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
    mainText_.clear();
    subText_.clear();
    clarText_.clear();
}

void PanelDisplay::setDigitCursor(int side, int cursor) {
    (side == kSub ? subCursor_ : mainCursor_) = cursor;
    drawFrequency(side);
}

void PanelDisplay::onKeyNotice(uint32_t notice, int pressed) {
    DrawKeyPicture(ctx_, notice, pressed, portConnected_);
}

void PanelDisplay::drawModeSides() {
    DrawModeWords(ctx_, kMain, ctx_.store.panel.md[0].get());
    DrawModeWords(ctx_, kSub, ctx_.store.panel.md[1].get());
}

void PanelDisplay::drawDspKeys() {
    for (uint32_t notice : kDspKeyNotices) onKeyNotice(notice, 0);
}

void PanelDisplay::onTimer(int id) {
    if (id == kTimerFrequencyA) drawFrequency(kMain);
    if (id == kTimerFrequencyB) drawFrequency(kSub);
    rflt_.onTimer(ctx_, id);
}

bool PanelDisplay::onNotification(uint32_t id) {
    const auto& r = ctx_.store.records;
    switch (id) {
        case 0x8302:
            DrawClarifierWords(ctx_);
            drawFrequency(kMain);
            return true;
        case 0x8303:
            DrawClarifierWords(ctx_);
            return true;
        case 0x8304:
            for (uint32_t notice : {0x85F0u, 0x85F1u, 0x85C7u}) onKeyNotice(notice, 0);
            return true;
        case 0x8306:
            ctx_.draw(PanelElement::DnfLampA, r.bc[0].get() == 1 ? 2 : 0);
            ctx_.draw(PanelElement::DnfLampB, r.bc[1].get() == 1 ? 2 : 0);
            return true;
        case 0x8307:
        case 0x8355:
            drawDspKeys();
            return true;
        case 0x8308:
            ctx_.draw(reservedGroup(20), 0);
            return true;
        case 0x8309:
            DrawTransmitSideLamps(ctx_);
            return true;
        case 0x830A:
            DrawReceiveLamps(ctx_);
            return true;
        case 0x830C:
            DrawLockWords(ctx_);
            return true;
        case 0x830D:
            DrawFastWords(ctx_);
            return true;
        case 0x830E:
            onKeyNotice(0x8592, 0);
            onKeyNotice(0x8593, 0);
            drawModeSides();
            DrawNarrowWords(ctx_);
            return true;
        case 0x830F:
            DrawNarrowWords(ctx_);
            return true;
        case 0x8310:
            DrawNoiseBlankerWords(ctx_);
            return true;
        case 0x8311:
            drawRflt(kMain);
            drawRflt(kSub);
            return true;
        case 0x8312:
            DrawAgc(ctx_, kMain, r.gt[0].get());
            DrawAgc(ctx_, kSub, r.gt[1].get());
            return true;
        case 0x8313:
            DrawAttenuator(ctx_, kMain, r.ra[0].get());
            DrawAttenuator(ctx_, kSub, r.ra[1].get());
            return true;
        case 0x8314:
            DrawPreamp(ctx_, kMain, r.pa[0].get());
            DrawPreamp(ctx_, kSub, r.pa[1].get());
            return true;
        case 0x8315:
            DrawKeyerWord(ctx_);
            return true;
        case 0x8317:
            DrawAntenna(ctx_, kMain, r.anAntenna[0].get(), r.anFlag[0].get());
            DrawAntenna(ctx_, kSub, r.anAntenna[1].get(), r.anFlag[1].get());
            return true;
        case 0x8318:
            DrawTunerWord(ctx_);
            return true;
        case 0x831A:
            onKeyNotice(0x857B, 0);
            return true;
        case 0x831B:
            onKeyNotice(0x857C, 0);
            return true;
        case 0x831C:
            DrawBreakInWord(ctx_);
            return true;
        case 0x831D:
        case 0x8327:
            DrawProcessorWord(ctx_);
            return true;
        case 0x831E:
            DrawMonitorWord(ctx_);
            return true;
        case 0x832D:
            drawClarifier();
            return true;
        case 0x832E:
            DrawPreselectorWords(ctx_);
            return true;
        case 0x8332:
            DrawBusyWords(ctx_);
            return true;
        case 0x8333:
            drawFrequency(kMain);
            return true;
        case 0x8334:
            drawFrequency(kSub);
            return true;
        case 0x8345:
            drawModeSides();
            DrawNarrowWords(ctx_);
            drawDspKeys();
            return true;
        case 0x8348:
            DrawRadioInfoWords(ctx_);
            return true;
        default:
            return false;
    }
}

}  // namespace velmora
