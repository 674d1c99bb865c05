#pragma once
// The analysis thread: WM_ANSWER_QUEUED for the answers put into RecvRing (one message for
// all the answers of one read, with their count), WM_ANSWER_TIMEOUT from
// the answer watchdog, WM_THREAD_QUIT to end. The work is AnswerReceiver's; this only gives it a
// thread and publishes the thread in the store.
#include <memory>

#include "app/PublishedWorker.h"
#include "link/AnswerReceiver.h"

namespace velmora {

class RadioStateStore;

class Anl_Recv_Thread {
  public:
    explicit Anl_Recv_Thread(RadioStateStore& store);

    bool start() { return worker_.start(); }
    WorkerThread& thread() { return worker_.thread(); }

  private:
    AnswerReceiver receiver_;  // used on the thread only
    PublishedWorker worker_;   // last: withdrawn and ended before the receiver goes
};

// Creates and starts the analysis thread and stores its pointer in the store; nullptr if the
// thread cannot be started. The caller owns it until shutdown.
std::unique_ptr<Anl_Recv_Thread> startAnalysisThread(RadioStateStore& store);

}  // namespace velmora
