#pragma once
// A communication thread's worker as the store publishes it: start() starts the thread and puts
// it in its slot of the store; the destructor takes it out again, then ends and joins it, so
// that no post finds a thread on its way out. Anl_Recv_Thread, Sio_Send_Thread and
// Anl_Send_Thread each keep one as their last member, so that the thread has ended before
// the work it runs goes away.
#include <atomic>
#include <string>

#include "link/ThreadHandle.h"
#include "platform/WorkerThread.h"

namespace velmora {

// Empties slot if it still holds thread (a later thread in the same slot stays).
void withdrawThread(std::atomic<ThreadHandle*>& slot, ThreadHandle& thread);

class PublishedWorker {
  public:
    PublishedWorker(std::string name, std::atomic<ThreadHandle*>& slot)
        : slot_(slot), thread_(std::move(name)) {}
    ~PublishedWorker();

    PublishedWorker(const PublishedWorker&) = delete;
    PublishedWorker& operator=(const PublishedWorker&) = delete;

    bool start();
    // Takes the thread out of the store: later posts find no thread.
    void withdraw() { withdrawThread(slot_, thread_); }
    WorkerThread& thread() { return thread_; }

  private:
    std::atomic<ThreadHandle*>& slot_;
    WorkerThread thread_;
};

}  // namespace velmora
