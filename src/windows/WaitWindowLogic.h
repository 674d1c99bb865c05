#pragma once
// The wait window (dialog 901): it holds the operator back while the initial read or the menu
// read runs, and closes a moment after the read ends, after 10 s at the latest, or at once when
// no read runs. A read that ends with answers still missing is not passed off as done: the
// window then says so and stays until the operator has seen it. The window runs its own timers for
// the timeout and the closing pause (never the main window's); this says what each event comes to.
// GUI thread; the flags are shared with the command thread (see MainWindowFlags::endRead).
#include <cstdint>

namespace velmora {

struct MainWindowFlags;
class ReadLedger;

class WaitWindowLogic {
  public:
    static constexpr int kTimeoutMs = 10000;
    static constexpr int kClosePauseMs = 100;

    enum class Step : uint8_t {
        Wait,       // show the text and arm the timeout
        CloseSoon,  // close after the pause
        // the read ended with answers missing: say which, wait for the operator's OK
        ShowIncomplete,
        Ignore,  // nothing to do
    };

    WaitWindowLogic(MainWindowFlags& flags, const ReadLedger& ledger)
        : flags_(flags), ledger_(ledger) {}

    Step open();
    // WM_WAIT_WINDOW_CLOSE: the read has ended.
    Step readFinished();
    Step timeout();

  private:
    MainWindowFlags& flags_;
    const ReadLedger& ledger_;
};

}  // namespace velmora
