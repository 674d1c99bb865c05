#include "app/LinkProgress.h"

#include "app/LinkEventTexts.h"
#include "app/LinkEvents.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

void LinkProgress::initialReadTick() {
    if (menuSteps_ > 0) forget();  // a new read after a menu read
    // A tick queued before the read was stopped is no progress.
    if (!store_.windowFlags.initialReadIndicators[0].load(std::memory_order_acquire)) return;
    ++initialSteps_;
    if (events_ && (initialSteps_ == 1 || initialSteps_ % kReportEvery == 0))
        events_->initialReadProgress(initialSteps_, kInitialReadSteps);
}

void LinkProgress::menuReadTick() {
    if (++menuSteps_ == 1 && events_) events_->menuReadStarted();
}

void LinkProgress::notification(uint32_t id) {
    const RadioRecords& r = store_.records;
    if ((id == notify::AI && r.ai.get() == 0) || (id == notify::PS && r.ps.get() == 0)) {
        forget();
        return;
    }
    if (id != notify::READS_DONE || menuSteps_ == 0) return;
    if (store_.windowFlags.readBusy.load(std::memory_order_acquire)) return;
    ++menuReadsCompleted_;
    forget();
    if (events_) events_->menuReadComplete();
}

void LinkProgress::readIncomplete() {
    ++menuReadsIncomplete_;
    forget();
    if (events_) events_->menuReadIncomplete(store_.readLedger.missing());
}

bool LinkProgress::lastMenuAnswerIn() const {
    return store_.windowFlags.menuItemAnswered.load(std::memory_order_acquire) ==
           store_.menus.count();
}

std::string LinkProgress::progressText() const {
    if (menuSteps_ > 0) return link_text::menuReadProgress(menuSteps_, store_.menus.count());
    if (initialSteps_ > 0) return link_text::initialReadProgress(initialSteps_, kInitialReadSteps);
    return {};
}

void LinkProgress::forget() {
    initialSteps_ = 0;
    menuSteps_ = 0;
}

}  // namespace velmora
