#pragma once
// The analysis thread: one WM_ANSWER_QUEUED per answer put into RecvRing, WM_ANSWER_TIMEOUT from
// the answer watchdog, WM_THREAD_QUIT to end. The work is AnswerReceiver's; this only gives it a
// thread and publishes the thread in the store.
#include <memory>

#include "link/AnswerReceiver.h"
#include "platform/WorkerThread.h"

namespace velmora {

class RadioStateStore;

class Anl_Recv_Thread {
  public:
    explicit Anl_Recv_Thread(RadioStateStore& store);
    // Withdraws the thread from the store, then ends and joins it.
    ~Anl_Recv_Thread();

    Anl_Recv_Thread(const Anl_Recv_Thread&) = delete;
    Anl_Recv_Thread& operator=(const Anl_Recv_Thread&) = delete;

    bool start();
    WorkerThread& thread() { return thread_; }

  private:
    RadioStateStore& store_;
    AnswerReceiver receiver_;  // used on the thread only
    WorkerThread thread_;
};

// Creates and starts the analysis thread and stores its pointer in the store; nullptr if the
// thread cannot be started. The caller owns it until shutdown.
std::unique_ptr<Anl_Recv_Thread> StartAnalysisThread(RadioStateStore& store);

}  // namespace velmora
