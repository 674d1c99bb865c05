#include "command/PowerSequence.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

void PowerSequence::powerSwitch() {
    if (context_.store().records.ps.get() == 1) {
        context_.sendSet("PS", "0");
        context_.setTimer(timer::POWER_OFF_READ, kPowerOffReadStepMs);
        return;
    }
    // The radio needs the command twice to wake, with time to come up after each.
    for (int i = 0; i < 2; ++i) {
        context_.sendSet("PS", "1");
        if (!context_.pause(kPowerOnPauseMs)) return;
    }
    context_.setTimer(timer::POWER_ON_READ, kPowerOnReadDelayMs);
}

void PowerSequence::powerOnRead() {
    context_.killTimer(timer::POWER_ON_READ);
    context_.sendQuery("PS");
}

void PowerSequence::powerOffRead() {
    if (powerOffReads_ >= 1) {
        context_.killTimer(timer::POWER_OFF_READ);
        powerOffReads_ = 0;
    } else {
        ++powerOffReads_;
    }
    context_.sendQuery("PS");
}

}  // namespace velmora
