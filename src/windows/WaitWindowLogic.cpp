#include "windows/WaitWindowLogic.h"

#include "link/MainWindowFlags.h"
#include "link/ReadLedger.h"

namespace velmora {

WaitWindowLogic::Step WaitWindowLogic::open() {
    // The flag first: a read that ends after this line sees it and sends the close; one that
    // ended before it has cleared readBusy, which the check below sees.
    flags_.waitWindowOpen.store(true);
    if (flags_.readBusy.load()) return Step::Wait;
    flags_.waitWindowOpen.store(false);
    return Step::CloseSoon;
}

WaitWindowLogic::Step WaitWindowLogic::readFinished() {
    if (!flags_.waitWindowOpen.exchange(false)) return Step::Ignore;
    // The ledger keeps the queries never answered until the next read begins; a read that has
    // begun since (busy again) is not this one.
    if (!flags_.readBusy.load() && !ledger_.complete()) return Step::ShowIncomplete;
    return Step::CloseSoon;
}

WaitWindowLogic::Step WaitWindowLogic::timeout() {
    flags_.waitWindowOpen.store(false);
    return Step::CloseSoon;
}

}  // namespace velmora
