#include "windows/WaitWindowLogic.h"

#include "link/MainWindowFlags.h"

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
    return flags_.waitWindowOpen.exchange(false) ? Step::CloseSoon : Step::Ignore;
}

WaitWindowLogic::Step WaitWindowLogic::timeout() {
    flags_.waitWindowOpen.store(false);
    return Step::CloseSoon;
}

}  // namespace velmora
