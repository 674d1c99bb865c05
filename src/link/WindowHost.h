#pragma once
// "The main window" as the link core sees it: a target for posted and sent window messages and
// the owner of the id-keyed timers. The Qt window, the headless event loop and the tests' fake
// implement it.
#include <cstdint>

namespace velmora {

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // Queued; callable from any thread.
    virtual void post(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
    // Synchronous on the main thread. From another thread it waits a bounded time (or turns into
    // a post), so that it can never hold up shutdown.
    virtual void send(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
    // Starts timer id with the period ms; setting a running id restarts it.
    virtual void setTimer(int id, int ms) = 0;
    virtual void killTimer(int id) = 0;
};

}  // namespace velmora
