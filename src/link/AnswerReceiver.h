#pragma once
// What the analysis thread does with its two messages, callable without the thread: the answers
// a message announces out of RecvRing into the analysis, and the watchdog's time-out.
#include <array>
#include <cstddef>
#include <cstdint>

#include "link/AnswerAnalysis.h"

namespace velmora {

class RadioStateStore;

class AnswerReceiver {
  public:
    static constexpr int kWatchdogMs = 3000;

    explicit AnswerReceiver(RadioStateStore& store) : store_(store), analysis_(store) {}

    // WM_ANSWER_QUEUED: take one answer, analyse it, notify, and re-arm the watchdog - after
    // every answer, analysed or not. A message without an entry (the producer's Put was
    // refused) only re-arms the watchdog.
    AnswerAnalysis::Result onAnswerQueued();
    // WM_ANSWER_QUEUED for count answers the receive thread put in RecvRing together: each is
    // taken and analysed as above, the watchdog re-armed once after the last.
    void onAnswersQueued(size_t count);
    // WM_ANSWER_TIMEOUT.
    void onAnswerTimeout() { analysis_.onAnswerTimeout(); }

    AnswerAnalysis& analysis() { return analysis_; }

  private:
    void disarmWatchdog();
    void armWatchdog();
    AnswerAnalysis::Result analyseOne();

    RadioStateStore& store_;
    AnswerAnalysis analysis_;
    std::array<uint8_t, 512> buffer_{};
};

}  // namespace velmora
