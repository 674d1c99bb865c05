#pragma once
// What the store keeps of a worker thread: a target for posted thread messages and the
// "still running" check that stopping it needs.
#include <cstdint>

namespace velmora {

class ThreadHandle {
  public:
    virtual ~ThreadHandle() = default;
    // Queued; callable from any thread. False once the thread has ended.
    virtual bool post(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
    // The zero-time-out wait on the thread: true while it has not ended.
    virtual bool isRunning() const = 0;
};

}  // namespace velmora
