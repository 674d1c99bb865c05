#include "link/ThreadMailbox.h"

namespace velmora {

bool ThreadMailbox::post(Thread to, uint32_t id, uintptr_t wParam, intptr_t lParam) const {
    ThreadHandle* thread = pointerOf(to).load(std::memory_order_acquire);
    return thread && thread->post(id, wParam, lParam);
}

bool ThreadMailbox::postToWindow(uint32_t id, uintptr_t wParam, intptr_t lParam) const {
    WindowHost* window = mainWindow_.load(std::memory_order_acquire);
    if (window) window->post(id, wParam, lParam);
    return window != nullptr;
}

const std::atomic<ThreadHandle*>& ThreadMailbox::pointerOf(Thread thread) const {
    switch (thread) {
        case Thread::Sio_Recv_Thread:
            return threads_.Sio_Recv_Thread;
        case Thread::Anl_Recv_Thread:
            return threads_.Anl_Recv_Thread;
        case Thread::Sio_Send_Thread:
            return threads_.Sio_Send_Thread;
        case Thread::Anl_Send_Thread:
            return threads_.Anl_Send_Thread;
        case Thread::File_MenuListDefFile:
            break;
    }
    return threads_.File_MenuListDefFile;
}

}  // namespace velmora
