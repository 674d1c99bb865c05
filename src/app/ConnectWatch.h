#pragma once
// Watches a connection attempt that gets no identification: a radio that is off, a cable that is
// out or a line at the wrong speed answers nothing, and the answer watchdog only runs once
// something has answered. After kSilentAfterMs the operator is told once, and every
// kAskEveryMs the link asks again, so a radio switched on later connects by itself. A refused
// identification ("?;") is asked again the same way.
#include <cstdint>

namespace velmora {

class ConnectWatch {
  public:
    static constexpr int64_t kSilentAfterMs = 3000;
    static constexpr int64_t kAskEveryMs = 2000;

    struct Step {
        bool sayNoAnswer = false;  // the first time the attempt has gone unanswered too long
        bool askAgain = false;
    };

    // connecting: auto-information on was asked for and not switched off since; identified:
    // the radio has identified itself as ours since; bytesHeard: a count of the bytes received
    // so far (a radio that refuses is not silent). nowMs: a monotonic clock.
    Step tick(int64_t nowMs, bool connecting, bool identified, uint64_t bytesHeard);

  private:
    int64_t since_ = -1;  // when the unanswered attempt was first seen; -1: none
    int64_t lastAsk_ = 0;
    uint64_t bytesAtStart_ = 0;
    bool said_ = false;
};

}  // namespace velmora
