#pragma once
// The two paced reads of the command thread: the initial read of every setting (one read-table
// position per timer 4 tick) and the menu read that follows it (one menu item per timer 5 tick).
// The state is the thread's own; the main window only sees its flags in the store.
#include <cstdint>
#include <string>
#include <vector>

#include "command/CommandContext.h"

namespace velmora {

inline constexpr int kReadStepMs = 30;  // timers 4 and 5
inline constexpr int kWaitWindowCloseMs = 100;
// After the last query of the menu read, the answers still missing are asked again, one per
// tick, in up to this many rounds; each round first waits this many ticks for late answers.
inline constexpr int kReaskRounds = 3;
inline constexpr int kReaskSettleTicks = 34;  // about 1 s

class ReadSequences {
  public:
    explicit ReadSequences(CommandContext& context) : context_(context) {}

    // req::START_INITIAL_READ: starts the initial read, or starts it over from position 0 while it
    // runs (the timer is not started a second time).
    void startInitialRead();
    // req::INITIAL_READ_STEP: asks one position, moves on; after the last one the menu read starts.
    void initialReadStep();
    // req::START_MENU_READ: starts the menu read, or starts it over from item 1 while it runs.
    void startMenuRead();
    // req::MENU_READ_STEP: asks one menu item, moves on. After the last item the ticks go on:
    // the read ends once every query of both reads has been answered (notify::READS_DONE), or
    // after the last round of asking again with msg::WM_READ_INCOMPLETE.
    void menuReadStep();
    // The reads' part of req::STOP_READS: both reads stop wherever they are.
    void stopReads();

    bool initialReadActive() const { return initialReadActive_; }
    bool reasking() const { return reaskRound_ >= 0; }
    bool menuReadActive() const { return menuReadActive_; }
    int32_t readPosition() const { return readPosition_; }
    int32_t menuItem() const { return menuItem_; }

  private:
    // One tick after the designed sequence: wait for late answers, ask the missing again.
    void reaskStep();
    void beginMenuRead();
    // Forgets the last read's queries and notes the port's open count.
    void beginLedger();
    void finishMenuRead();
    // The line was lost and reopened since the read began: what was asked may never have
    // reached the radio, so the read starts again from the identification.
    bool restartedAfterLineLoss();
    void stopInitialRead();
    void stopMenuRead();
    // Closes a waiting wait window and clears the read-busy flag.
    void endReadBusy();
    void setIndicators(bool on);

    CommandContext& context_;
    bool initialReadActive_ = false;
    bool menuReadActive_ = false;
    int32_t readPosition_ = 0;             // 0-75 in the read table
    int32_t menuItem_ = 0;                 // next item to ask, from 1
    uint32_t opensAtStart_ = 0;            // the port's open count when the read began
    int reaskRound_ = -1;                  // -1: still in the designed sequence
    int reaskWait_ = 0;                    // ticks waited in this round
    std::vector<std::string> reaskQueue_;  // this round's queries still to ask
};

}  // namespace velmora
