#pragma once
// The worker threads as the store knows them: set by each thread's start function, read by the
// mailbox at each post. Null until the thread is started (a post to a null thread does nothing).
#include <atomic>

#include "link/ThreadHandle.h"

namespace velmora {

struct ThreadPointers {
    std::atomic<ThreadHandle*> Sio_Recv_Thread{nullptr};
    std::atomic<ThreadHandle*> Anl_Recv_Thread{nullptr};
    std::atomic<ThreadHandle*> Sio_Send_Thread{nullptr};
    std::atomic<ThreadHandle*> Anl_Send_Thread{nullptr};
    std::atomic<ThreadHandle*> File_MenuListDefFile{nullptr};
};

}  // namespace velmora
