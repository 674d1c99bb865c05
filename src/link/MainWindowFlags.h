#pragma once
// Flags of the main window that the command thread sets and clears while the window (or the
// headless host) reads them: whether a read of the radio's settings runs, the two indicators of
// the initial read, and whether the wait window is open. Kept in the store so that they exist
// before, and without, any window.
#include <array>
#include <atomic>
#include <cstdint>

namespace velmora {

struct MainWindowFlags {
    // The initial read or the menu read runs; the wait window waits for it to end.
    std::atomic<bool> readBusy{false};
    // The item of the last EX answer analysed since the menu read started: the read's queries
    // are all answered once it is the last item. The command thread clears it as the read
    // starts, before the read's first query; the analysis thread sets it.
    std::atomic<int32_t> menuItemAnswered{0};
    // The initial read has sent its last query since the link last came up; until then the
    // panel's knobs and digits would start from values the radio never reported.
    std::atomic<bool> initialReadDone{false};
    // Shown while the initial read runs.
    std::array<std::atomic<bool>, 2> initialReadIndicators{};
    // The wait window is open and waits for WM_WAIT_WINDOW_CLOSE.
    std::atomic<bool> waitWindowOpen{false};
    // A failure message box (WM_COMM_FAILURE) is showing. OpenPort refuses to open the port while
    // it is set, so a burst of failures shows one box.
    std::atomic<bool> messageBoxOpen{false};

    // The command thread's end of a read: true when a wait window is open and must be told.
    // readBusy is cleared before waitWindowOpen is looked at, and the wait window sets its flag
    // before it looks at readBusy (both sequentially consistent), so at least one side sees the
    // other: a read ending while the window opens either closes the window at once or tells it.
    bool endRead() {
        readBusy.store(false);
        return waitWindowOpen.load();
    }
};

}  // namespace velmora
