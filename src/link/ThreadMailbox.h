#pragma once
// The one way to post to a worker thread or to the main window. Parts that only post are handed
// the mailbox instead of the whole store. It reads the store's thread pointers and window pointer
// at each post, so a thread started or withdrawn later is seen at once.
#include <atomic>
#include <cstdint>

#include "link/ThreadPointers.h"
#include "link/WindowHost.h"

namespace velmora {

// The worker threads a post can go to, named as in ThreadPointers.
enum class Thread {
    Sio_Recv_Thread,
    Anl_Recv_Thread,
    Sio_Send_Thread,
    Anl_Send_Thread,
    File_MenuListDefFile,
};

class ThreadMailbox {
  public:
    ThreadMailbox(const ThreadPointers& threads, const std::atomic<WindowHost*>& mainWindow)
        : threads_(threads), mainWindow_(mainWindow) {}

    // Queues the message for the thread; false when the thread is not there or has ended.
    bool post(Thread to, uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0) const {
        ThreadHandle* thread = pointerOf(to).load(std::memory_order_acquire);
        return thread && thread->post(id, wParam, lParam);
    }
    // Queues the message for the main window; false when there is no window.
    bool postToWindow(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0) const {
        WindowHost* window = mainWindow_.load(std::memory_order_acquire);
        if (window) window->post(id, wParam, lParam);
        return window != nullptr;
    }

  private:
    // Inline with the posts above: the send path posts once per command.
    const std::atomic<ThreadHandle*>& pointerOf(Thread thread) const {
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

    const ThreadPointers& threads_;
    const std::atomic<WindowHost*>& mainWindow_;
};

}  // namespace velmora
