#pragma once
// The analysis of one received answer: finds its record by code, checks and converts its fields
// into the radio-state records and the panel copies, and steers the link for the answers that
// concern it (ID, AI, PS, RS). Runs on the analysis thread; tests drive it directly.
// Nothing here allocates: answers are read from a fixed 512-byte buffer on the stack.
#include <cstdint>
#include <string_view>

#include "link/AnswerText.h"

namespace velmora {

class RadioStateStore;

class AnswerAnalysis {
  public:
    static constexpr int kMenuAnswer = -1;  // EX
    static constexpr int kNoRecord = -2;    // a code in no table, or not a code at all

    struct Result {
        int index = kNoRecord;  // answer index, kMenuAnswer or kNoRecord
        bool success = false;   // the answer was analysed and stored
        intptr_t lParam = 0;    // for the notification (RF: selector + 1)
    };

    explicit AnswerAnalysis(RadioStateStore& store) : store_(store) {}

    // Analyses one answer (code and parameters, no ";"). The answer's own notification is left
    // to the caller, except for EX, whose notifications depend on whether the value changed and
    // are posted here.
    Result analyse(std::string_view answer);
    Result analyse(const AnswerText& text);
    // analyse, then the notification of a successful answer.
    Result handle(std::string_view answer);
    Result handle(const AnswerText& text);

    // The radio fell silent or switched off: the meter and the sub S-meter go to 0 through the
    // synthetic answers "RM0000;" and "SM1000;", each with its notification.
    void resetMeters();
    // The answer watchdog expired: stop the command thread's reads, forget "AI1;" was sent, and
    // analyse the synthetic "AI0" followed by the AI notification.
    void onAnswerTimeout();

    RadioStateStore& store() { return store_; }

  private:
    RadioStateStore& store_;
};

// The answer index of the code made of first and second, through a lookup table equivalent to
// findAnswerIndex (first match in table order), or -1.
int answerIndexOf(char first, char second);

}  // namespace velmora
