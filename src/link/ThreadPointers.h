#pragma once
// The worker threads as the store knows them: set by each thread's start function, read by any
// thread that posts to it. Null until the thread is started (posting to a null thread does
// nothing).
#include <atomic>
#include <cstdint>

#include "link/ThreadHandle.h"

namespace velmora {

struct ThreadPointers {
    std::atomic<ThreadHandle*> Sio_Recv_Thread{nullptr};
    std::atomic<ThreadHandle*> Anl_Recv_Thread{nullptr};
    std::atomic<ThreadHandle*> Sio_Send_Thread{nullptr};
    std::atomic<ThreadHandle*> Anl_Send_Thread{nullptr};
    std::atomic<ThreadHandle*> File_MenuListDefFile{nullptr};
};

// Posts to the thread if it exists; false when it does not or has ended.
inline bool postTo(const std::atomic<ThreadHandle*>& thread, uint32_t id, uintptr_t wParam = 0,
                   intptr_t lParam = 0) {
    ThreadHandle* t = thread.load(std::memory_order_acquire);
    return t && t->post(id, wParam, lParam);
}

}  // namespace velmora
