#pragma once
// The wait window (dialog 901): it holds the operator back while the initial read or the menu
// read runs, and closes a moment after the read ends, after 10 s at the latest, or at once when
// no read runs. The window runs its own timers for the timeout and the closing pause (never the
// main window's); this says what each event comes to. GUI thread; the flags are shared with the
// command thread (see MainWindowFlags::endRead).
#include <cstdint>

namespace velmora {

struct MainWindowFlags;

class WaitWindowLogic {
  public:
    static constexpr int kTimeoutMs = 10000;
    static constexpr int kClosePauseMs = 100;

    enum class Step : uint8_t {
        Wait,       // show the text and arm the timeout
        CloseSoon,  // close after the pause
        Ignore,     // nothing to do
    };

    explicit WaitWindowLogic(MainWindowFlags& flags) : flags_(flags) {}

    Step open();
    // WM_WAIT_WINDOW_CLOSE: the read has ended.
    Step readFinished();
    Step timeout();

  private:
    MainWindowFlags& flags_;
};

}  // namespace velmora
