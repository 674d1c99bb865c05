#include "app/CommFailureHandler.h"

#include "app/FailurePresenter.h"
#include "link/MainWindowFlags.h"
#include "resources/FailureTexts.h"

namespace velmora {

namespace {
void show(FailurePresenter& presenter, const FailureText& entry) {
    presenter.showFailure(entry.stringId, stringText(entry.stringId));
}
}  // namespace

bool CommFailureHandler::handle(uintptr_t wParam, intptr_t lParam) {
    const FailureText* entry = failureText(lParam);
    if (!entry || !entry->enabled) return false;
    if (wParam != 0) {
        show(presenter_, *entry);
        return true;
    }
    // Only the main thread sets the flag, so the check and the set cannot interleave with
    // another box; the exchange keeps them one step anyway.
    if (flags_.messageBoxOpen.exchange(true, std::memory_order_acq_rel)) return false;
    show(presenter_, *entry);
    flags_.messageBoxOpen.store(false, std::memory_order_release);
    return true;
}

bool CommFailureHandler::showAtStart(intptr_t lParam) {
    const FailureText* entry = failureText(lParam);
    if (!entry || !entry->enabled) return false;
    show(presenter_, *entry);
    return true;
}

}  // namespace velmora
