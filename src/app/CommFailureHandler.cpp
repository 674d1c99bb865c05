#include "app/CommFailureHandler.h"

#include <string>

#include "app/FailurePresenter.h"
#include "link/MainWindowFlags.h"
#include "resources/FailureTexts.h"

namespace velmora {

namespace {
void show(FailurePresenter& presenter, const FailureText& entry, std::string_view detail) {
    if (detail.empty()) {
        presenter.showFailure(entry.stringId, stringText(entry.stringId));
        return;
    }
    std::string text(stringText(entry.stringId));
    text += '\n';
    text += detail;
    presenter.showFailure(entry.stringId, text);
}
}  // namespace

bool CommFailureHandler::handle(uintptr_t wParam, intptr_t lParam, std::string_view detail) {
    const FailureText* entry = failureText(lParam);
    if (!entry || !entry->enabled) return false;
    if (wParam != 0) {
        show(presenter_, *entry, detail);
        return true;
    }
    // Only the main thread sets the flag, so the check and the set cannot interleave with
    // another box; the exchange keeps them one step anyway.
    if (flags_.messageBoxOpen.exchange(true, std::memory_order_acq_rel)) return false;
    show(presenter_, *entry, detail);
    flags_.messageBoxOpen.store(false, std::memory_order_release);
    return true;
}

bool CommFailureHandler::showAtStart(intptr_t lParam, std::string_view detail) {
    const FailureText* entry = failureText(lParam);
    if (!entry || !entry->enabled) return false;
    show(presenter_, *entry, detail);
    return true;
}

}  // namespace velmora
