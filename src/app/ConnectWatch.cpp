#include "app/ConnectWatch.h"

namespace velmora {

ConnectWatch::Step ConnectWatch::tick(int64_t nowMs, bool connecting, bool identified,
                                      uint64_t bytesHeard) {
    if (!connecting || identified) {
        since_ = -1;
        said_ = false;
        return {};
    }
    if (since_ < 0) {
        since_ = lastAsk_ = nowMs;
        bytesAtStart_ = bytesHeard;
        return {};
    }
    Step step;
    if (!said_ && bytesHeard == bytesAtStart_ && nowMs - since_ >= kSilentAfterMs)
        step.sayNoAnswer = said_ = true;
    if (nowMs - lastAsk_ >= kAskEveryMs) {
        step.askAgain = true;
        lastAsk_ = nowMs;
    }
    return step;
}

}  // namespace velmora
