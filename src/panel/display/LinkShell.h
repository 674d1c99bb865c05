#pragma once
// The running link as the main window's logic sees it: where the window hands the link's own
// messages and timer ticks, and the one fact of the port that the panel shows (the COM key's
// lamp). The application shell implements it; tests put a recorder in its place.
#include <cstdint>
#include <string>

namespace velmora {

class LinkShell {
  public:
    virtual ~LinkShell() = default;
    // A link message for the shell: failures, auto-information switched on, and every answer
    // notification (the shell follows the link's progress on them). GUI thread only.
    virtual void onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
    // A tick of one of the link's timers (receive poll, reads, keep-alive, watchdog...).
    virtual void onTimer(int id) = 0;
    virtual bool portOpen() = 0;
    // The folder that holds CommoFiles/ (the settings and the key file).
    virtual std::string baseDirectory() const = 0;
};

}  // namespace velmora
