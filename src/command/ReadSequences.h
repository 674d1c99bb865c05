#pragma once
// The two paced reads of the command thread: the initial read of every setting (one read-table
// position per timer 4 tick) and the menu read that follows it (one menu item per timer 5 tick).
// The state is the thread's own; the main window only sees its flags in the store.
#include <cstdint>

#include "command/CommandContext.h"

namespace velmora {

inline constexpr int kReadStepMs = 30;  // timers 4 and 5
inline constexpr int kWaitWindowCloseMs = 100;

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
    // req::MENU_READ_STEP: asks one menu item, moves on; the step that asks the last item ends the
    // read.
    void menuReadStep();
    // The reads' part of req::STOP_READS: both reads stop wherever they are.
    void stopReads();

    bool initialReadActive() const { return initialReadActive_; }
    bool menuReadActive() const { return menuReadActive_; }
    int32_t readPosition() const { return readPosition_; }
    int32_t menuItem() const { return menuItem_; }

  private:
    void stopInitialRead();
    void stopMenuRead();
    // Closes a waiting wait window and clears the read-busy flag.
    void endReadBusy();
    void setIndicators(bool on);

    CommandContext& context_;
    bool initialReadActive_ = false;
    bool menuReadActive_ = false;
    int32_t readPosition_ = 0;  // 0-75 in the read table
    int32_t menuItem_ = 0;      // next item to ask, from 1
};

}  // namespace velmora
